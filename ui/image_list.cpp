// The image-list component.
#include "ui/image_list.h"

#include "ui/extctrls.h"
#include "ui/prop_builders.h"
#include "ui/win_handles.h"

#include <commctrl.h>

#include <algorithm>

namespace ui {

namespace {

// What a picture is drawn on before it is embossed: no picture of the list uses it.
constexpr COLORREF kBackdrop = RGB(255, 0, 255);

} // namespace

TImageListComponent::TImageListComponent(TComponent* owner)
    : TComponent(owner), list_(std::make_unique<TImageList>(width_, height_)) {}

const TClassInfo& TImageListComponent::StaticClass() {
    using C = TImageListComponent;
    static const TClassInfo info(L"TImageList", &TComponent::StaticClass(),
                                 {
                                     props::Integer(L"Width", &C::Width, &C::SetWidth),
                                     props::Integer(L"Height", &C::Height, &C::SetHeight),
                                 });
    return info;
}

void TImageListComponent::SetWidth(int v) {
    if (v == width_ || v <= 0) return;
    width_ = v;
    Resize();
}

void TImageListComponent::SetHeight(int v) {
    if (v == height_ || v <= 0) return;
    height_ = v;
    Resize();
}

void TImageListComponent::ScaleForDpi(int dpi, int fromDpi) {
    if (dpi <= 0 || fromDpi <= 0 || dpi == fromDpi) return;
    // Still at the density it was read at: that is the owner's.
    if (dpi_ == stored_dpi_) stored_dpi_ = dpi_ = fromDpi;
    width_ = std::max(1, ScaleMeasure(width_, dpi, fromDpi));
    height_ = std::max(1, ScaleMeasure(height_, dpi, fromDpi));
    dpi_ = dpi;
    Resize();
}

void TImageListComponent::Resize() {
    list_ = std::make_unique<TImageList>(width_, height_);
    if (bitmap_.empty()) return;
    TBitmap bitmap;
    bitmap.LoadFromBytes(bitmap_);
    if (dpi_ != stored_dpi_) {
        // The stored pictures are cut at the stored density, then each is scaled to a cell.
        const int storedWidth = std::max(1, ScaleMeasure(width_, stored_dpi_, dpi_));
        bitmap.ScaleForDpi(std::max(1, bitmap.Width() / storedWidth), dpi_, stored_dpi_);
    }
    AddMasked(bitmap, static_cast<TColor>(bitmap.Canvas().Pixel(0, bitmap.Height() - 1)));
}

void TImageListComponent::AddMasked(const TBitmap& bitmap, TColor transparent) {
    if (bitmap.Empty()) return;
    // A copy: the system selects what it adds into a DC of its own, and the bitmap may be
    // selected into its canvas.
    const GdiHandle<HBITMAP> copy(
        static_cast<HBITMAP>(CopyImage(bitmap.Handle(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (copy) ImageList_AddMasked(list_->Handle(), copy.get(), ColorRef(transparent));
}

bool TImageListComponent::ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) {
    if (LowerCase(name) != L"bitmap") return false;
    bitmap_.assign(data.begin(), data.end());
    Resize();
    return true;
}

void TImageListComponent::Draw(HDC dc, int x, int y, int index, bool enabled) const {
    if (index < 0 || index >= Count()) return;
    if (enabled) {
        ImageList_Draw(list_->Handle(), index, dc, x, y, ILD_TRANSPARENT);
        return;
    }
    const OwnedDC pictureDc(CreateCompatibleDC(dc));
    const GdiHandle<HBITMAP> picture(CreateCompatibleBitmap(dc, width_, height_));
    const Selection selection(pictureDc.get(), picture.get());
    const GdiHandle<HBRUSH> backdrop(CreateSolidBrush(kBackdrop));
    const RECT all{0, 0, width_, height_};
    FillRect(pictureDc.get(), &all, backdrop.get());
    ImageList_Draw(list_->Handle(), index, pictureDc.get(), 0, 0, ILD_TRANSPARENT);
    DrawEmbossed(dc, pictureDc.get(), 0, width_, height_, kBackdrop, x, y);
}

} // namespace ui
