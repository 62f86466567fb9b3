// Skinned tab controls and page controls.
#include "skin/controls/tabs/skin_tab.h"

#include "skin/controls/tabs/tab_paint.h"

#include "skin/gdi/skin_paint.h"
#include "skin/model/skin_geometry.h"
#include "skin/pictures/image_ops.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_messages.h"

#include "ui/color.h"
#include "ui/message_params.h"
#include "ui/page_control.h"
#include "ui/win_handles.h"

#include <algorithm>

const ui::TClassInfo& TSkinTab::StaticClass() {
    static const ui::TClassInfo info(L"TSkinTab", &TSkinControl::StaticClass());
    return info;
}

void TSkinTab::AttachControl(TSkinControlHost* host, TSkinData* skinData, bool takeColour,
                             ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachControl(host, skinData, takeColour, sharedCanvas);
    enabledLook = !(Style() & WS_DISABLED);
    side_ = TabSideFromStyle(Style());
    closeBoxesOn_ = control && control->Tag() == kCloseBoxTag &&
                    dynamic_cast<ui::TPageControl*>(control) && side_ == TTabSide::Top;
    AttachUpDown();
    skinActive = true;
    unicodeWindow = IsWindowUnicode(handle) != FALSE;
}

void TSkinTab::AttachWindow(HWND window, TSkinData* skinData, TSkinControlHost* host,
                            ui::TCanvas* sharedCanvas) {
    if (attached) return;
    TSkinControl::AttachWindow(window, skinData, host, sharedCanvas);
    enabledLook = !(Style() & WS_DISABLED);
    focused = GetFocus() == window;
    side_ = TabSideFromStyle(Style());
    AttachUpDown();
    skinActive = true;
}

void TSkinTab::AttachUpDown() {
    if (upDown_ || !handle) return;
    if (const HWND arrows = FindUpDownChild(handle, false))
        upDown_ = AttachOwnedUpDown(this, arrows, skin, canvas, false);
}

void TSkinTab::FitScrollArrows() {
    if (!upDown_ || side_ == TTabSide::Left || side_ == TTabSide::Right) return;
    const HWND arrows = upDown_->Handle();
    RECT row{}, own{};
    if (!IsWindowVisible(arrows) || !GetWindowRect(arrows, &own) ||
        !SendMessageW(handle, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row)))
        return;
    MapWindowPoints(nullptr, handle, reinterpret_cast<POINT*>(&own), 2);
    const TPixelRect placed = ToPixelRect(own);
    const TPixelRect fitted = TabScrollArrowsRect(placed, ToPixelRect(row), side_ == TTabSide::Bottom);
    if (fitted == placed) return;
    SetWindowPos(arrows, nullptr, fitted.Left, fitted.Top, fitted.Right - fitted.Left,
                 fitted.Bottom - fitted.Top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void TSkinTab::Detach() {
    TSkinControl::Detach();
    // Detached, not freed: whoever stops skinning may be walking the skin controls.
    if (upDown_) upDown_->Detach();
}

const TDataSkinBorder* TSkinTab::Tabs() const {
    return skin ? skin->Elements().Tabs.get() : nullptr;
}

TPictureCut TSkinTab::StripCut(const TDataSkinBorder& tabs) {
    return {tabs.Frame, false, MarginsOf(tabs)};
}

const TStripBitmap& TSkinTab::Strip(const TDataSkinBorder& tabs) const {
    return TabBitmap(skin->Bitmaps(), tabs.Image, tabs.Image2x, StripCut(tabs), Dpi(), side_,
                     false);
}

TSkinTab::TPane TSkinTab::PaneOf(const TDataSkinBorder& tabs) const {
    const TDataSkinObject* tabPane = skin->Elements().TabPane.get();
    static const TPixelImage none;
    static const TLargePicture noCopy;
    // The second image of the Tabs element has no larger copy: it is scaled from its own.
    const bool own = tabs.Style == 1;
    return {own ? (tabPane ? tabPane->Image : none) : tabs.Image2,
            own && tabPane ? tabPane->Image2x : noCopy,
            {1, false, PaneMargins(tabs.Style, tabPane ? MarginsOf(*tabPane) : TMargins{})}};
}

TSkinControl::TFacePaint TSkinTab::FacePaint() const {
    // Without the skin's tabs the control paints itself.
    return Tabs() ? TFacePaint::kComposed : TFacePaint::kControl;
}

bool TSkinTab::EraseUnderFace(HDC dc, const RECT& client) {
    // What the band and the pane leave uncovered (the control's own background would show in
    // lines along its edges) takes the colour the band is drawn on.
    FillParentColour(dc, client);
    return true;
}

bool TSkinTab::BeforeMessage(ui::TMessage& msg) {
    if (msg.Msg == WM_LBUTTONDOWN && closeBoxesOn_ && PressCloseBox(msg)) return false;
    return TSkinControl::BeforeMessage(msg);
}

bool TSkinTab::PressCloseBox(const ui::TMessage& msg) {
    const POINT at = ui::PointParam(msg);
    const std::optional<int> hit = CloseBoxHit(closeBoxes_, at.x, at.y);
    if (!hit) return false;
    HWND formWindow = form ? form->HostWindow() : nullptr;
    if (!formWindow) return true;
    const std::weak_ptr<bool> alive = alive_;
    const LRESULT answer = SendMessageW(formWindow, SM_CLOSETAB, reinterpret_cast<WPARAM>(handle),
                                        static_cast<LPARAM>(*hit));
    // Whoever answered may have freed the page control, and this object with it, or closed
    // pages itself: only a page that is still there is closed.
    if (alive.expired() || answer != 0) return true;
    auto* pages = dynamic_cast<ui::TPageControl*>(control);
    if (pages && *hit < pages->PageCount()) ui::Free(pages->Pages(*hit));
    return true;
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
    const TDataSkinBorder* tabs = Tabs();
    if (!tabs || !handle) return;
    AttachUpDown();
    // The style may have changed since the last paint (tabs moved to another side).
    side_ = TabSideFromStyle(Style());
    FitScrollArrows();
    RECT adjusted = rect;
    SendMessageW(handle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
    const TPixelRect display = TabDisplayRect(ToPixelRect(adjusted), side_);
    const int count = static_cast<int>(SendMessageW(handle, TCM_GETITEMCOUNT, 0, 0));
    closeBoxes_.assign(static_cast<std::size_t>(std::max(count, 0)), TPixelRect{});
    if (!tabs->Image.Pixels.empty()) DrawBand(dc, *tabs, ToPixelRect(rect), display);
    const TPane pane = PaneOf(*tabs);
    const int dpi = Dpi();
    if (const TStripBitmap& bitmap =
            TabBitmap(skin->Bitmaps(), pane.Picture, pane.Large, pane.Cut, dpi, side_, true);
        !bitmap.Empty()) {
        DrawElementFrame(dc, ToRect(display), bitmap, false, false, false, 1, 1,
                         MarginsAtDpi(pane.Picture, pane.Cut, dpi));
    }
    if (control && variant == 2)
        if (auto* windowed = dynamic_cast<ui::TWinControl*>(control)) windowed->PaintControls(dc);
}

void TSkinTab::DrawBand(HDC dc, const TDataSkinBorder& tabs, TPixelRect whole, TPixelRect display) {
    const TPixelRect band = TabBand(whole, display, side_);
    const TBandSurface size = BandSurface(band, side_);
    if (size.Width <= 0 || size.Height <= 0) return;
    HDC surface = band_.Prepare(size.Width, size.Height);
    FillParentColour(surface, {0, 0, size.Width, size.Height});
    const auto font = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
    const ui::Selection selectFont(surface, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    const int count = static_cast<int>(closeBoxes_.size());
    const int focus = static_cast<int>(SendMessageW(handle, TCM_GETCURFOCUS, 0, 0));
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(handle, TCM_GETIMAGELIST, 0, 0));
    // The strip upside down for bottom tabs has its top and bottom margins the other way round.
    const int dpi = Dpi();
    const TMargins scaled = MarginsAtDpi(tabs.Image, StripCut(tabs), dpi);
    const TMargins margins = side_ == TTabSide::Bottom ? FlippedMargins(scaled) : scaled;
    const TStripBitmap& strip = Strip(tabs);
    for (int i = 0; i < count; ++i) {
        RECT item{};
        if (!SendMessageW(handle, TCM_GETITEMRECT, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(&item)))
            continue;
        const TPixelRect on = TabOnBand(ToPixelRect(item), band, side_);
        const TTabLook look = TabLook(i == focus, tabs.NormalColour2, tabs.MouseOverColour2);
        DrawElement(surface, ToRect(on), skin->Bitmaps(), tabs, look.Frame,
                    {.Strip = &strip, .Margins = margins});
        const COLORREF text = ui::ColorRef(ui::ColorToRGB(look.Text));
        if (closeBoxesOn_) {
            const TPixelRect box = CloseBoxRect(on, dpi);
            DrawCloseBox(surface, box, text);
            // Close boxes are only on top tabs, whose band starts at the control's corner.
            closeBoxes_[static_cast<std::size_t>(i)] = {box.Left + band.Left, box.Top + band.Top,
                                                        box.Right + band.Left,
                                                        box.Bottom + band.Top};
        }
        SetTextColor(surface, text);
        // Centred on what the band shows of the tab: where the display area reaches into the
        // tabs, their last rows are the pane's.
        RECT face = ToRect(on);
        const RECT shown{0, 0, size.Width, size.Height};
        IntersectRect(&face, &face, &shown);
        // With a close box the text keeps to the room left of it.
        if (closeBoxesOn_)
            face.right = std::min<LONG>(face.right, CloseBoxRect(on, dpi).Left - ScaleMeasure(2, dpi));
        DrawTabFace(surface, face, ReadTabItem(handle, i, unicodeWindow), images, RtlFormat(),
                    dpi);
    }
    const RECT target = ToRect(band);
    // The scroll arrows paint themselves over the band.
    const ui::SavedDC keep(dc);
    if (upDown_ && IsWindowVisible(upDown_->Handle())) {
        RECT arrows{};
        GetWindowRect(upDown_->Handle(), &arrows);
        MapWindowPoints(nullptr, handle, reinterpret_cast<POINT*>(&arrows), 2);
        ExcludeClipRect(dc, arrows.left, arrows.top, arrows.right, arrows.bottom);
    }
    const TBandTurn turn = BandTurn(side_);
    if (turn == TBandTurn::None) {
        band_.CopyTo(dc, target);
        return;
    }
    const TPixelImage pixels = band_.Surface().Pixels();
    const TDib turned(turn == TBandTurn::Left ? RotateLeft(pixels) : RotateRight(pixels));
    BitBlt(dc, target.left, target.top, turned.Width(), turned.Height(), turned.Dc(), 0, 0,
           SRCCOPY);
}
