// The skinned media player: its overlay placed over the player, painted from the skin, and the
// mouse handed on to the player.
#include "skin/controls/buttons/skin_media_player.h"

#include "skin/controls/buttons/media_rules.h"

#include "skin/gdi/skin_paint.h"
#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"

#include "ui/media_glyphs.h"
#include "ui/message_params.h"
#include "ui/properties.h"

namespace {

constexpr wchar_t kOverlayClass[] = L"TWMediaPlayer";

} // namespace

// ---- TWMediaPlayer

TWMediaPlayer::TWMediaPlayer(TSkinMP& companion, HWND player)
    : TOverlayWindow(kOverlayClass, 0, GetParent(player)), companion_(companion), player_(player) {
    MakeWindow();
}

void TWMediaPlayer::Place() {
    const HWND window = Window();
    if (!window) return;
    if (!companion_.SkinActive() || !companion_.HasButtons() ||
        !(GetWindowLongW(player_, GWL_STYLE) & WS_VISIBLE)) {
        Hide();
        return;
    }
    RECT r{};
    GetWindowRect(player_, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    // Directly above the player, so it covers the player and nothing else covers it.
    HWND above = GetWindow(player_, GW_HWNDPREV);
    UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (above == window) flags |= SWP_NOZORDER;
    SetWindowPos(window, above ? above : HWND_TOP, r.left, r.top, r.right - r.left,
                 r.bottom - r.top, flags);
}

void TWMediaPlayer::ReadButtons() {
    ui::TControl* player = companion_.control;
    visible_ = ui::ParseMPButtonSet(ui::GetSetProp(player, L"VisibleButtons"));
    enabled_ = ui::ParseMPButtonSet(ui::GetSetProp(player, L"EnabledButtons"));
    colored_ = ui::ParseMPButtonSet(ui::GetSetProp(player, L"ColoredButtons"));
    RECT client{};
    GetClientRect(Window(), &client);
    const std::vector<ui::TMPButtonCell> layout = ui::MPButtonLayout(client.right, visible_);
    // A press stays on its button only while the buttons stay where they were.
    if (pressed_ && layout != layout_) pressed_ = false;
    layout_ = layout;
}

bool TWMediaPlayer::Enabled(ui::TMPBtnType b) const {
    return (enabled_ & ui::MPButtonBit(b)) && IsWindowEnabled(player_);
}

void TWMediaPlayer::Paint(HDC dc) {
    ReadButtons();
    RECT all{};
    GetClientRect(Window(), &all);
    if (all.right <= 0 || all.bottom <= 0) return;
    HDC off = surface_.Prepare(all.right, all.bottom);
    if (!off) return;
    // The rest of the width, and the whole of it without a visible button.
    companion_.FillSkinColour(off, all);
    const TDataSkinButton& buttons = companion_.skin->Elements().Buttons;
    for (std::size_t i = 0; i < layout_.size(); ++i) {
        const ui::TMPButtonCell& cell = layout_[i];
        const bool down = pressed_ && i == pressedIndex_;
        const bool enabled = Enabled(cell.Button);
        const RECT r{cell.Left, 0, cell.Right, all.bottom};
        DrawElement(off, r, companion_.skin->Bitmaps(), buttons, MediaButtonFrame(down, enabled),
                    {.Dpi = companion_.Dpi()});
        const int dpi = companion_.Dpi();
        const TPixelRect g = MediaGlyphRect(ToPixelRect(r), ui::MediaGlyphWidth(dpi),
                                            ui::MediaGlyphHeight(dpi), down);
        ui::DrawMediaGlyph(
            off, g.Left, g.Top, cell.Button,
            ui::MediaGlyphLook(enabled, (colored_ & ui::MPButtonBit(cell.Button)) != 0), dpi);
    }
    surface_.CopyTo(dc, all);
}

void TWMediaPlayer::Press(const ui::TMessage& msg) {
    ReadButtons();
    const int i = ui::MPButtonAt(layout_, ui::PointParam(msg).x);
    // The overlay lies exactly over the player: the point is the player's too. Its handler may
    // free the player, and this overlay with it.
    const std::shared_ptr<const bool> alive = Liveness();
    SendMessageW(player_, WM_LBUTTONDOWN, msg.WParam, msg.LParam);
    if (!*alive) return;
    if (i < 0 || !Enabled(layout_[static_cast<std::size_t>(i)].Button)) return;
    pressedIndex_ = static_cast<std::size_t>(i);
    pressed_ = true;
    // The release comes here, whoever took the mouse for the press.
    SetCapture(Window());
    Invalidate();
}

void TWMediaPlayer::Release(const ui::TMessage& msg) {
    if (!pressed_) return;
    const POINT p = ui::PointParam(msg);
    RECT client{};
    GetClientRect(Window(), &client);
    const bool over =
        PtInRect(&client, p) && ui::MPButtonAt(layout_, p.x) == static_cast<int>(pressedIndex_);
    pressed_ = false;
    ReleaseCapture();
    Invalidate();
    if (over) {
        SendMessageW(player_, WM_LBUTTONUP, msg.WParam, msg.LParam);
    } else {
        SendMessageW(player_, WM_CANCELMODE, 0, 0);
    }
}

void TWMediaPlayer::CancelPress() {
    if (!pressed_) return;
    pressed_ = false;
    Invalidate();
    SendMessageW(player_, WM_CANCELMODE, 0, 0);
}

std::optional<LRESULT> TWMediaPlayer::OnMessage(const ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        Press(msg);
        return 0;
    case WM_LBUTTONUP:
        Release(msg);
        return 0;
    case WM_CAPTURECHANGED:
        // Someone else took the mouse in the middle of a press: no release will come.
        if (ui::WindowLParam(msg) != Window()) CancelPress();
        return 0;
    default:
        return std::nullopt;
    }
}

// ---- TSkinMP

TSkinMP::TSkinMP(ui::TComponent* owner) : TSkinControl(owner) {}

TSkinMP::~TSkinMP() {
    Destroying();
}

const ui::TClassInfo& TSkinMP::StaticClass() {
    static const ui::TClassInfo info(L"TSkinMP", &TSkinControl::StaticClass());
    return info;
}

bool TSkinMP::HasButtons() const {
    return skin && !skin->Elements().Buttons.Image.Pixels.empty();
}

void TSkinMP::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                            ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    if (!control || !handle || !HasButtons()) return;
    overlay_ = std::make_unique<TWMediaPlayer>(*this, handle);
    overlay_->Place();
}

void TSkinMP::SkinActivityChanged() {
    if (!overlay_) return;
    if (SkinActive()) {
        overlay_->Place();
        overlay_->Invalidate();
    } else {
        overlay_->Hide();
    }
}

void TSkinMP::Detach() {
    TSkinControl::Detach();
    if (overlay_) overlay_->Hide();
}

void TSkinMP::AfterMessage(ui::TMessage& msg) {
    switch (msg.Msg) {
    case WM_WINDOWPOSCHANGED:
    case ui::CM_VISIBLECHANGED:
        if (overlay_) overlay_->Place();
        break;
    case ui::CM_ENABLEDCHANGED:
        if (overlay_) overlay_->Invalidate();
        break;
    default:
        TSkinControl::AfterMessage(msg);
        break;
    }
}

void TSkinMP::DrawSkin(HDC, const RECT&) {
    // The player painted itself under the overlay: the overlay shows its buttons as they are now.
    if (overlay_) overlay_->Invalidate();
}
