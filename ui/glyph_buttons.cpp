// Glyph buttons and speed buttons: a picture beside the caption, laid out by the glyph layout.
#include "ui/extctrls.h"
#include "ui/form.h"
#include "ui/prop_builders.h"
#include "ui/win_handles.h"

#include <algorithm>

namespace ui {

namespace {

RECT ToRect(const TGlyphRect& r) {
    return {r.Left, r.Top, r.Right, r.Bottom};
}

} // namespace

void DrawEmbossed(HDC dc, HDC source, int sx, int w, int h, COLORREF key, int x, int y) {
    const OwnedDC maskDc(CreateCompatibleDC(dc));
    const GdiHandle<HBITMAP> mask(CreateBitmap(w, h, 1, 1, nullptr));
    const Selection maskSelection(maskDc.get(), mask.get());
    // White where the glyph has its key colour, black on its shape.
    const COLORREF oldBack = SetBkColor(source, key);
    BitBlt(maskDc.get(), 0, 0, w, h, source, sx, 0, SRCCOPY);
    SetBkColor(source, oldBack);

    const OwnedDC pictureDc(CreateCompatibleDC(dc));
    const GdiHandle<HBITMAP> picture(CreateCompatibleBitmap(dc, w, h));
    const Selection pictureSelection(pictureDc.get(), picture.get());
    const RECT all{0, 0, w, h};
    FillRect(pictureDc.get(), &all, GetSysColorBrush(COLOR_BTNFACE));
    // The mask comes in as white on the shape and black elsewhere, and 0x00E20746 puts the brush
    // where its source is white and keeps the picture where it is black.
    SetTextColor(pictureDc.get(), RGB(255, 255, 255));
    SetBkColor(pictureDc.get(), RGB(0, 0, 0));
    constexpr DWORD kBrushThroughMask = 0x00E20746;
    {
        const Selection brush(pictureDc.get(), GetSysColorBrush(COLOR_BTNHIGHLIGHT));
        BitBlt(pictureDc.get(), 1, 1, w - 1, h - 1, maskDc.get(), 0, 0, kBrushThroughMask);
    }
    {
        const Selection brush(pictureDc.get(), GetSysColorBrush(COLOR_BTNSHADOW));
        BitBlt(pictureDc.get(), 0, 0, w, h, maskDc.get(), 0, 0, kBrushThroughMask);
    }
    TransparentBlt(dc, x, y, w, h, pictureDc.get(), 0, 0, w, h, GetSysColor(COLOR_BTNFACE));
}

void DrawListPicture(HDC dc, const TImageListComponent& images, int imageIndex, int disabledIndex,
                     bool disabled, int x, int y) {
    if (imageIndex == -1) return;
    const int index = disabled && disabledIndex != -1 ? disabledIndex : imageIndex;
    images.Draw(dc, x, y, index, !disabled);
}

void DrawGlyph(HDC dc, TBitmap& glyph, int count, int index, int x, int y) {
    if (glyph.Empty()) return;
    count = std::max(1, count);
    const int w = glyph.Width() / count, h = glyph.Height();
    if (w <= 0) return;
    HDC source = glyph.Canvas().Handle();
    const COLORREF key = GetPixel(source, 0, h - 1);
    if (index == 2 && count == 1) {
        DrawEmbossed(dc, source, 0, w, h, key, x, y);
        return;
    }
    if (index > count) index = 1;
    TransparentBlt(dc, x, y, w, h, source, (index - 1) * w, 0, w, h, key);
}

void TButtonGlyph::SetNumGlyphs(int v) {
    num_glyphs_ = std::clamp(v, 1, 4);
    GlyphChanged();
}

void TButtonGlyph::SetLayout(TButtonLayout v) {
    layout_ = v;
    GlyphChanged();
}

void TButtonGlyph::SetMargin(int v) {
    margin_ = v;
    GlyphChanged();
}

void TButtonGlyph::SetSpacing(int v) {
    spacing_ = v;
    GlyphChanged();
}

void TButtonGlyph::SetImages(TImageListComponent* v) {
    if (v == images_) return;
    // The button hears when the list goes, so it never draws from a freed one.
    auto* self = dynamic_cast<TComponent*>(this);
    if (images_ && self) images_->RemoveFreeNotification(self);
    images_ = v;
    if (images_ && self) images_->FreeNotification(self);
    GlyphChanged();
}

void TButtonGlyph::SetImageIndex(int v) {
    image_index_ = v;
    GlyphChanged();
}

void TButtonGlyph::SetDisabledIndex(int v) {
    disabled_index_ = v;
    GlyphChanged();
}

void TButtonGlyph::GlyphNotification(TComponent* component, TOperation operation) {
    if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TButtonGlyph::ScaleGlyph(int dpi, int fromDpi) {
    glyph_->ScaleForDpi(num_glyphs_, dpi, fromDpi);
    // -1 leaves the measure to the layout.
    if (margin_ > 0) margin_ = ScaleMeasure(margin_, dpi, fromDpi);
    if (spacing_ > 0) spacing_ = ScaleMeasure(spacing_, dpi, fromDpi);
    GlyphChanged();
}

TGlyphSize TButtonGlyph::PictureSize() const {
    if (!glyph_->Empty()) return {glyph_->Width() / num_glyphs_, glyph_->Height()};
    if (images_ && image_index_ != -1) return {images_->Width(), images_->Height()};
    return {};
}

void TButtonGlyph::DrawPicture(HDC dc, int index, int x, int y) {
    if (!glyph_->Empty()) {
        DrawGlyph(dc, *glyph_, num_glyphs_, index, x, y);
        return;
    }
    if (images_) DrawListPicture(dc, *images_, image_index_, disabled_index_, index == 2, x, y);
}

void TButtonGlyph::DrawFace(HDC dc, const std::wstring& caption, const RECT& rect, int index) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    const TGlyphSize g = PictureSize();
    TGlyphSize t;
    if (!caption.empty()) {
        RECT box = ToRect(GlyphTextBox({width, height}, g, layout_));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &box,
                  DT_CALCRECT | DT_WORDBREAK);
        t = {box.right - box.left, box.bottom - box.top};
    }
    const TGlyphPlacement p =
        PlaceGlyphAndText({{width, height}, g, t, layout_, margin_, spacing_, false});
    DrawPicture(dc, index, rect.left + p.Glyph.Left, rect.top + p.Glyph.Top);
    RECT text = ToRect(p.Text);
    OffsetRect(&text, rect.left, rect.top);
    const UINT align = p.Align == TTextAlign::Right    ? DT_RIGHT
                       : p.Align == TTextAlign::Centre ? DT_CENTER
                                                       : 0;
    const BkModeScope mode(dc, TRANSPARENT);
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_WORDBREAK | align);
}

TBitBtn::TBitBtn(TComponent* owner) : TButton(owner) {}

const TClassInfo& TBitBtn::StaticClass() {
    using C = TBitBtn;
    static const TClassInfo info(L"TBitBtn", &TButton::StaticClass(), [] {
        std::vector<PropInfo> p = TButtonGlyph::Props<C>();
        p.push_back(props::Enum(L"Kind",
                                {L"bkCustom", L"bkOK", L"bkCancel", L"bkHelp", L"bkYes", L"bkNo",
                                 L"bkClose", L"bkAbort", L"bkRetry", L"bkIgnore", L"bkAll"},
                                &C::Kind, &C::SetKind));
        return p;
    }());
    return info;
}

void TBitBtn::Notification(TComponent* component, TOperation operation) {
    TButton::Notification(component, operation);
    GlyphNotification(component, operation);
}

void TBitBtn::ScaleContents(int dpi, int fromDpi) {
    TButton::ScaleContents(dpi, fromDpi);
    ScaleGlyph(dpi, fromDpi);
}

void TBitBtn::SetKind(TKind v) {
    kind_ = v;
    if (v == TKind::bkOK || v == TKind::bkYes) SetDefault(true);
    if (v == TKind::bkCancel || v == TKind::bkNo) SetCancel(true);
}

void TBitBtn::CreateParams(TCreateParams& p) {
    TButton::CreateParams(p);
    // The button draws its glyph itself, so the system leaves the face to it.
    p.style = (p.style & ~(BS_DEFPUSHBUTTON | BS_PUSHBUTTON)) | BS_OWNERDRAW;
}

void TBitBtn::ShowDefault(bool) {
    // An owner-drawn button shows the default frame itself; the style must stay owner-drawn.
    Invalidate();
}

void TBitBtn::WndProc(TMessage& msg) {
    if (msg.Msg == CN_DRAWITEM) {
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(msg.LParam));
        msg.Result = TRUE;
        return;
    }
    TButton::WndProc(msg);
}

void TBitBtn::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool pressed = item.itemState & ODS_SELECTED;
    const bool disabled = item.itemState & ODS_DISABLED;
    RECT r = item.rcItem;
    if (Default() || (item.itemState & ODS_FOCUS)) {
        FrameRect(item.hDC, &r, GetSysColorBrush(COLOR_WINDOWFRAME));
        InflateRect(&r, -1, -1);
    }
    DrawFrameControl(item.hDC, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    const Selection font(item.hDC, font_->Handle());
    const COLORREF oldText =
        SetTextColor(item.hDC, disabled ? GetSysColor(COLOR_GRAYTEXT) : ColorRef(font_->Color()));
    RECT face = item.rcItem;
    if (pressed) OffsetRect(&face, 1, 1);
    const int index = disabled ? 2 : pressed ? 3 : 1;
    DrawFace(item.hDC, text_, face, index);
    SetTextColor(item.hDC, oldText);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(item.hDC, &focus);
    }
}

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
    width_ = 23;
    height_ = 22;
}

const TClassInfo& TSpeedButton::StaticClass() {
    using C = TSpeedButton;
    static const TClassInfo info(L"TSpeedButton", &TGraphicControl::StaticClass(), [] {
        std::vector<PropInfo> p = TButtonGlyph::Props<C>();
        p.push_back(props::Boolean(L"Flat", &C::Flat, &C::SetFlat));
        p.push_back(props::Boolean(L"Down", &C::Down, &C::SetDown));
        p.push_back(props::Integer(L"GroupIndex", &C::GroupIndex, &C::SetGroupIndex));
        return p;
    }());
    return info;
}

void TSpeedButton::Notification(TComponent* component, TOperation operation) {
    TGraphicControl::Notification(component, operation);
    GlyphNotification(component, operation);
}

void TSpeedButton::ScaleContents(int dpi, int fromDpi) {
    TGraphicControl::ScaleContents(dpi, fromDpi);
    ScaleGlyph(dpi, fromDpi);
}

void TSpeedButton::SetFlat(bool v) {
    flat_ = v;
    Invalidate();
}

void TSpeedButton::SetDown(bool v) {
    if (v == down_) return;
    down_ = v;
    if (v && group_index_ != 0 && parent_) {
        for (TControl* c : parent_->Controls()) {
            auto* other = dynamic_cast<TSpeedButton*>(c);
            if (other && other != this && other->group_index_ == group_index_)
                other->SetDown(false);
        }
    }
    Invalidate();
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && enabled_) {
        pushed_ = true;
        Invalidate();
    }
    TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    if (button == TMouseButton::mbLeft && pushed_) {
        pushed_ = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(button, shift, x, y);
}

void TSpeedButton::Click() {
    if (group_index_ != 0) SetDown(true);
    TGraphicControl::Click();
}

void TSpeedButton::Paint(TCanvas& canvas) {
    HDC dc = canvas.Handle();
    RECT r{0, 0, width_, height_};
    const bool sunk = pushed_ || down_;
    if (!flat_ || sunk || mouse_in_)
        DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (sunk ? DFCS_PUSHED : 0));
    else
        FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const COLORREF oldText =
        SetTextColor(dc, enabled_ ? ColorRef(font_->Color()) : GetSysColor(COLOR_GRAYTEXT));
    if (sunk) OffsetRect(&r, 1, 1);
    const int index = !enabled_ ? 2 : down_ ? 4 : pushed_ ? 3 : 1;
    DrawFace(dc, text_, r, index);
    SetTextColor(dc, oldText);
}

} // namespace ui
