// The image-list component of descriptions ("object ImageList1: TImageList"): pictures of one
// size, cut from one bitmap ("Bitmap", a BMP file's bytes with the pictures side by side and the
// colour of its bottom-left pixel transparent), which glyph buttons show by index when they have
// no glyph of their own.
#pragma once
#include "ui/component.h"
#include "ui/graphics.h"
#include "ui/scale_measure.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace ui {

class TImageListComponent : public TComponent {
public:
    explicit TImageListComponent(TComponent* owner);
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }

    int Width() const { return width_; }
    void SetWidth(int v);
    int Height() const { return height_; }
    void SetHeight(int v);
    int Count() const { return list_->Count(); }
    // The list at `dpi`, its cells and pictures until now at `fromDpi`: the cells become
    // ScaleMeasure times their size and the stored bitmap is cut again, each picture scaled
    // (TBitmap::ScaleForDpi, its transparent colour kept exact). The form that owns the list
    // scales it with itself. Pictures added by AddMasked are not kept.
    void ScaleForDpi(int dpi, int fromDpi);

    // The pictures of `bitmap` cut into the list's width, `transparent` left out, added.
    void AddMasked(const TBitmap& bitmap, TColor transparent);
    bool ReadBinary(std::wstring_view name, std::span<const std::uint8_t> data) override;

    // Picture `index` at (x, y); a disabled one embossed in the highlight and shadow colours, as
    // a disabled glyph is. Nothing for an index outside the list.
    void Draw(HDC dc, int x, int y, int index, bool enabled) const;

private:
    // A new size empties the list; the stored bitmap is cut again into the new size.
    void Resize();

    // The cells' size now, at dpi_; the stored bitmap is cut into cells of that size at
    // stored_dpi_, the density the list was read at.
    int width_ = 16;
    int height_ = 16;
    int dpi_ = kBaseDpi;
    int stored_dpi_ = kBaseDpi;
    std::unique_ptr<TImageList> list_;
    std::vector<std::uint8_t> bitmap_; // as read, to be cut again after a change of size
};

} // namespace ui
