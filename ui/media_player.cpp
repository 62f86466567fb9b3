// The media player's strip of buttons: layout, painting and presses.
#include "ui/media_player.h"

#include "ui/media_glyphs.h"
#include "ui/prop_builders.h"

namespace ui {

namespace {

std::vector<std::wstring> ButtonNames() {
    return {MPButtonNames().begin(), MPButtonNames().end()};
}

} // namespace

TMediaPlayer::TMediaPlayer(TComponent* owner) : TWinControl(owner) {
    width_ = 253;
    height_ = 30;
}

const TClassInfo& TMediaPlayer::StaticClass() {
    using C = TMediaPlayer;
    static const TClassInfo info(
        L"TMediaPlayer", &TWinControl::StaticClass(),
        {
            props::Set(L"VisibleButtons", ButtonNames(), &C::VisibleButtons, &C::SetVisibleButtons),
            props::Set(L"EnabledButtons", ButtonNames(), &C::EnabledButtons, &C::SetEnabledButtons),
            props::Set(L"ColoredButtons", ButtonNames(), &C::ColoredButtons, &C::SetColoredButtons),
            props::Event(L"OnClick", &C::OnButtonClick),
        });
    return info;
}

void TMediaPlayer::SetVisibleButtons(TMPButtonSet v) {
    visible_ = v & kAllMPButtons;
    EndPress();
    Invalidate();
}

void TMediaPlayer::SetEnabledButtons(TMPButtonSet v) {
    enabled_buttons_ = v & kAllMPButtons;
    Invalidate();
}

void TMediaPlayer::SetColoredButtons(TMPButtonSet v) {
    colored_ = v & kAllMPButtons;
    Invalidate();
}

void TMediaPlayer::CreateParams(TCreateParams& p) {
    TWinControl::CreateParams(p);
    p.class_style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
}

int TMediaPlayer::ButtonAt(int x) const {
    const auto layout = MPButtonLayout(width_, visible_);
    const int i = MPButtonAt(layout, x);
    return i < 0 ? -1 : static_cast<int>(layout[static_cast<std::size_t>(i)].Button);
}

void TMediaPlayer::PaintWindow(HDC dc) {
    for (const TMPButtonCell& cell : MPButtonLayout(width_, visible_)) {
        const auto b = static_cast<int>(cell.Button);
        const bool down = b == pressed_;
        const bool enabled = enabled_ && (enabled_buttons_ & (1u << b));
        RECT r{cell.Left, 0, cell.Right, height_};
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
        const int shift = down ? 1 : 0;
        const int dpi = LayoutDpi();
        DrawMediaGlyph(dc,
                       cell.Left + (cell.Right - cell.Left - MediaGlyphWidth(dpi)) / 2 + shift,
                       (height_ - MediaGlyphHeight(dpi)) / 2 + shift, cell.Button,
                       MediaGlyphLook(enabled, (colored_ & (1u << b)) != 0), dpi);
    }
}

void TMediaPlayer::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TWinControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::mbLeft) return;
    const int b = ButtonAt(x);
    if (b < 0 || !enabled_ || !(enabled_buttons_ & (1u << b))) return;
    pressed_ = b;
    if (handle_) SetCapture(handle_);
    Invalidate();
}

void TMediaPlayer::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TWinControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::mbLeft || pressed_ < 0) return;
    const int b = pressed_;
    const bool over = ButtonAt(x) == b && y >= 0 && y < height_;
    EndPress();
    if (over && OnButtonClick && Firing()) OnButtonClick(this, static_cast<TMPBtnType>(b));
}

void TMediaPlayer::EndPress() {
    if (pressed_ < 0) return;
    pressed_ = -1;
    if (handle_ && GetCapture() == handle_) ReleaseCapture();
    Invalidate();
}

void TMediaPlayer::WndProc(TMessage& msg) {
    // The press is called off (a window that covers the player takes the mouse back, a menu
    // opens): it ends without a click. A capture merely taken away does not end it, so a window
    // laid over the player can hand it the release.
    if (msg.Msg == WM_CANCELMODE) EndPress();
    TWinControl::WndProc(msg);
}

} // namespace ui
