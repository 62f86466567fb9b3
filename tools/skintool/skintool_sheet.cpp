// skintool sheet: every element of a packed skin on one contact sheet, frame by frame under its
// field and section name, so a skin author sees at a glance what the program cut from each image.
#include "skintool_sheet.h"

#include "bmp_image.h"
#include "pixel_draw.h"
#include "pixel_font.h"
#include "skin_catalogue.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kTextH = pixel_font::kHeight + 2;
constexpr int kGap = 6;
constexpr TPixel kBackground = 0xE8E8E8;
constexpr TPixel kInk = 0x202020;
constexpr TPixel kCellBorder = 0x9090A0;

void DrawText(TPixelImage& sheet, int x, int y, std::string_view text) {
    pixel_font::draw(text, [&](int px, int py) {
        FillRect(sheet, {x + px, y + py, x + px + 1, y + py + 1}, kInk); // clipped to the sheet
    });
}

// One row of the sheet: a caption and the frames of one image.
struct Row {
    std::string caption;
    std::vector<TPixelImage> frames;
};

Row MakeRow(std::string caption, const TPixelImage& image, int frames, bool stacked) {
    Row row{std::move(caption) + " (" + std::to_string(frames) + ")", {}};
    if (image.Pixels.empty()) {
        row.caption += " EMPTY";
        return row;
    }
    for (int k = 1; k <= frames; ++k) {
        row.frames.push_back(Crop(image, StripCell(image, frames, k, stacked)));
    }
    return row;
}

std::vector<Row> Rows(const TSkinElements& e) {
    // The window's top and bottom edges and the caption text background stack their frames.
    const auto stacked = [&e](const TDataSkinObject* o) {
        return o == &e.BorderTop || o == &e.BorderBottom || o == &e.Title;
    };
    std::vector<Row> rows;
    for (const TNamedElement& n : ListSkinElements(e)) {
        const TDataSkinObject& o = *n.Element;
        const std::string caption = n.Field + " [" + o.Name + "]";
        rows.push_back(MakeRow(caption, o.Image, o.Frame, stacked(&o)));
        if (const auto* border = dynamic_cast<const TDataSkinBorder*>(&o);
            border && !border->Image2.Pixels.empty()) {
            rows.push_back(MakeRow(caption + " IMAGE2", border->Image2, o.Frame, false));
        }
    }
    rows.push_back(
        MakeRow("Buttons.CheckImage", e.Buttons.CheckImage, e.Buttons.CheckFrames, false));
    rows.push_back(
        MakeRow("Buttons.RadioImage", e.Buttons.RadioImage, e.Buttons.RadioFrames, false));
    return rows;
}

TPixelImage RenderSheet(const TSkinElements& elements) {
    const std::vector<Row> rows = Rows(elements);
    int width = 0, height = kGap;
    for (const Row& row : rows) {
        int w = 0, h = 0;
        for (const TPixelImage& f : row.frames) {
            w += f.Width + 2 + kGap;
            h = std::max(h, f.Height + 2);
        }
        width = std::max({width, w, pixel_font::width(row.caption)});
        height += kTextH + h + 2 * kGap;
    }
    // A sheet wider than any screen helps nobody: long strips are cut at the right.
    TPixelImage sheet(std::min(width + 2 * kGap, 4096), std::min(height, 16384), kBackground);
    int y = kGap;
    for (const Row& row : rows) {
        DrawText(sheet, kGap, y, row.caption);
        y += kTextH + kGap / 2;
        int x = kGap, h = 0;
        for (const TPixelImage& f : row.frames) {
            FillRect(sheet, {x, y, x + f.Width + 2, y + f.Height + 2}, kCellBorder);
            Blit(sheet, x + 1, y + 1, f, false, 0);
            x += f.Width + 2 + kGap;
            h = std::max(h, f.Height + 2);
        }
        y += h + kGap + kGap / 2;
    }
    return sheet;
}

} // namespace

std::vector<std::uint8_t> SheetBmp(const TSkinReader& reader) {
    TSkinElements elements;
    LoadSkinElements(elements, reader, {});
    return EncodeBmp24(RenderSheet(elements));
}
