// The form skinner's frame painter: the frame edges, the title with its caption, the window
// region cut from the frame pictures, the caption icon.
//
// The title is composed off-screen (what the window shows there, the top edge over it, the
// caption text and the caption buttons) and copied in one blit, so the caption never flickers.
#include "skin/forms/skin_form.h"

#include "skin/forms/frame_region.h"
#include "skin/gdi/skin_paint.h"
#include "skin/gdi/skin_region.h"
#include "skin/model/skin_geometry.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_draw_text.h"
#include "skin/runtime/skin_platform.h"

#include "ui/application.h"
#include "ui/text_codec.h"
#include "ui/win_handles.h"
#include "ui/window_dpi.h"

#include <algorithm>
#include <optional>

namespace {

// Longest caption read from a window that is not Unicode, in bytes.
constexpr int kAnsiCaptionBuffer = 1000;
// Where the application's icon sits on the caption, from the window's left edge (at kBaseDpi).
constexpr int kCaptionIconLeft = 8;

HICON WindowIcon(HWND window) {
    auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_BIG, 0));
    return icon;
}

} // namespace

TSkinBitmaps& TWinSkinForm::Bitmaps() {
    return skin_->Bitmaps();
}

void TWinSkinForm::PaintFrame(HDC dc) {
    if (skinState_ != TFormSkinState::Active && skinState_ != TFormSkinState::Refreshing) return;
    if (frameKind_ == TFrameKind::Captionless || MaximisedMdiChild() || !skin_) return;
    std::optional<ui::WindowDC> own;
    const HDC target = dc ? dc : own.emplace(window_, ui::WindowDC::whole_window).dc();
    if (!target) return;
    ++framePaints_;
    try {
        RECT outer{};
        GetWindowRect(window_, &outer);
        const int w = outer.right - outer.left, h = outer.bottom - outer.top;
        if (windowState_ != TWindowState::Minimised) {
            PaintEdge(target, 1, {0, 0, frame_.left, h});
            PaintEdge(target, 2, {w - frame_.right, 0, w, h});
            PaintEdge(target, 4, {frame_.left, h - frame_.bottom, w - frame_.right, h});
        }
        PaintTitle(target, w, h);
        if (windowState_ != TWindowState::Minimised && menuBarHeight_ > 0) {
            const RECT bar{frame_.left, frame_.title, w - frame_.right,
                           frame_.title + menuBarHeight_};
            if (menuBar_) {
                PaintMenuBar(target, bar, w);
            } else {
                FillRect(target, &bar, skin_->FaceBrush());
            }
        }
    } catch (...) {
        // A frame that cannot be painted is left as it is; the window goes on working.
    }
    hot_ = nullptr;
}

bool TWinSkinForm::UpdateMeetsFrame(WPARAM update) const {
    if (update <= 1) return true;
    RECT window{}, client{};
    GetWindowRect(window_, &window);
    GetClientRect(window_, &client);
    MapWindowPoints(window_, nullptr, reinterpret_cast<POINT*>(&client), 2);
    const auto region = reinterpret_cast<HRGN>(update);
    for (const TPixelRect& strip : FrameStrips(ToPixelRect(window), ToPixelRect(client))) {
        const RECT r = ToRect(strip);
        if (RectInRegion(region, &r)) return true;
    }
    return false;
}

void TWinSkinForm::PaintEdge(HDC dc, int edge, const RECT& rect) {
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    const TSkinElements& e = skin_->Elements();
    const TDataSkinBorder& border = edge == 1   ? e.BorderLeft
                                    : edge == 2 ? e.BorderRight
                                    : edge == 3 ? e.BorderTop
                                                : e.BorderBottom;
    // Opaque: the key colour of a border cuts the window region instead (BuildRegion).
    DrawElement(dc, rect, Bitmaps(), border, EdgeFrame(active_, border.Frame),
                {.Stacked = edge >= 3, .Transparent = false, .Dpi = dpi_});
}

void TWinSkinForm::PaintTitle(HDC dc, int width, int height) {
    const bool minimised = windowState_ == TWindowState::Minimised;
    const int rows = minimised ? height : frame_.title;
    if (width <= 0 || rows <= 0) return;
    if (captionBitmap_.Width() != width || captionBitmap_.Height() != rows)
        captionBitmap_ = TDib(width, rows);
    const HDC work = captionBitmap_.Dc();
    RECT top{frame_.left, 0, width - frame_.right, frame_.title};
    if (minimised) {
        const RECT all{0, 0, width, rows};
        FillRect(work, &all, skin_->FaceBrush());
        top = {0, 0, width, frame_.title};
    } else {
        // The corners of the title belong to the side edges, already on the window.
        BitBlt(work, 0, 0, width, rows, dc, 0, 0, SRCCOPY);
    }
    PaintEdge(work, 3, top);
    UpdateCaptionButtons();
    DrawCaptionText(work, top);
    LayOutCaptionButtons(width);
    PaintCaptionButtons(work);
    BitBlt(dc, 0, 0, width, rows, work, 0, 0, SRCCOPY);
    SetBkMode(dc, OPAQUE);
}

std::wstring TWinSkinForm::CaptionText() const {
    if (unicode_ && UnicodeDrawing()) {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(window_, text.data(), static_cast<int>(text.size()))));
        return text;
    }
    char buffer[kAnsiCaptionBuffer] = {};
    const auto length = static_cast<int>(
        SendMessageA(window_, WM_GETTEXT, kAnsiCaptionBuffer, reinterpret_cast<LPARAM>(buffer)));
    return ui::AnsiToWide({buffer, static_cast<std::size_t>(std::max(length, 0))});
}

void TWinSkinForm::DrawCaptionText(HDC dc, const RECT& title) {
    const TSkinElements& e = skin_->Elements();
    const TDataSkinTitle& t = e.Title;
    const std::wstring text = L" " + CaptionText() + L"  ";
    const ui::Selection font(dc, captionFont_.Handle());
    const ui::BkModeScope mode(dc, TRANSPARENT);
    SetTextColor(dc, ColorToRGB(e.Colors[active_ ? kTitleTextActive : kTitleTextNoActive]));

    RECT measured{title.left, title.top, title.left, title.top};
    SkinDrawText(dc, text, measured, DT_CALCRECT | DT_NOCLIP | DT_NOPREFIX);
    const auto style = static_cast<std::uint32_t>(GetWindowLongW(window_, GWL_STYLE));
    TCaptionTextInputs in;
    in.title = ToPixelRect(title);
    in.textWidth = measured.right - measured.left;
    in.textHeight = measured.bottom - measured.top;
    in.titleHeight = frame_.title;
    in.dpi = dpi_;
    in.alignment = t.TextAlignment;
    in.textShift = t.LeftWidth;
    in.textShiftVert = t.TopHeight;
    in.textRightClip = t.RightWidth;
    in.backLeft = t.TextBackLeft;
    in.backRight = t.TextBackRight;
    in.rightClipOffset = rightClipOffset_;
    in.rightToLeft = rightToLeft_;
    in.popup = (style & WS_POPUP) != 0;
    in.dialog = frameKind_ == TFrameKind::Dialog;
    const TCaptionTextLayout layout = LayOutCaptionText(in);
    captionRect_ = layout.caption;

    if (t.Image.Width > 0 && t.Image.Height > 0) {
        const RECT back = ToRect(layout.back);
        const auto strip = Bitmaps().CutAtDpi(
            t.Image, t.Image2x, {2, true, {t.TextBackLeft, 0, t.TextBackRight, 0}}, dpi_);
        DrawThreeSlice(dc, back, *strip.Strip, true, true, 2, active_ ? 1 : 2, strip.Margins);
    }
    RECT r = ToRect(layout.text);
    SkinDrawText(dc, text, r,
                 DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS |
                     (rightToLeft_ ? DT_RIGHT | DT_RTLREADING : 0u));
    textRect_ = layout.text;
}

TPixelImage TWinSkinForm::IconPixels(int dpi) const {
    TPixelImage pixels = WindowIconPixels(window_, dpi);
    if (pixels.Width > 0) return pixels;
    // No icon: a picture of nothing but the key colour.
    return TPixelImage(ui::MetricAtDpi(SM_CXSMICON, dpi), ui::MetricAtDpi(SM_CYSMICON, dpi),
                       PixelFromColor(kKeyColor));
}

void TWinSkinForm::BuildIconBitmap() {
    iconBitmap_ = TDib(IconPixels(dpi_));
}

void TWinSkinForm::PaintCaptionIcon(HDC dc, const RECT& bounds) {
    const HICON icon = ui::Application ? WindowIcon(ui::Application->Handle()) : nullptr;
    const int cx = ui::MetricAtDpi(SM_CXSMICON, dpi_), cy = ui::MetricAtDpi(SM_CYSMICON, dpi_);
    if (icon) {
        const ui::OwnedIcon sized(
            static_cast<HICON>(CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE)));
        if (sized) {
            DrawIconEx(dc, ScaleMeasure(kCaptionIconLeft, dpi_),
                       (textRect_.Top + textRect_.Bottom) / 2 - cy / 2, sized.get(), cx, cy, 0,
                       nullptr, DI_NORMAL);
            return;
        }
    }
    if (!iconBitmap_.Empty()) TransparentBlit(dc, bounds, iconBitmap_, kKeyColor);
}

void TWinSkinForm::BuildRegion() {
    if (!skin_) return;
    RECT outer{};
    GetWindowRect(window_, &outer);
    const TFrameSize size{outer.right - outer.left, outer.bottom - outer.top};
    if (!RegionWanted({skinState_, frameSkinning_, formKind_, windowState_, size, regionSize_}))
        return;
    const TSkinElements& e = skin_->Elements();
    if (FrameCutsRegion(e)) regionSize_ = size;
    ui::TRegion region =
        RegionFromRects(FrameRegionRects(e, frame_, size, frameKind_ == TFrameKind::Captionless,
                                         active_, Bitmaps().Pictures(), dpi_));
    // The window owns the region from here on, and deletes the one it replaces.
    if (SetWindowRgn(window_, region.Handle(), TRUE)) region.Release();
    ++regionBuilds_;
}
