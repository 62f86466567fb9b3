// skintool sheet: every element of a packed skin on one contact sheet, frame by frame under its
// field and section name (and its larger copy, NAME@2x.bmp, in a row of its own below it), so a
// skin author sees at a glance what the program cut from each image.
#include "tools/skintool/skintool_sheet.h"

#include "skin/model/bmp_image.h"
#include "skin/model/skin_catalogue.h"
#include "skin/pictures/pixel_draw.h"
#include "tools/pixel_font/pixel_font.h"

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
// A sheet wider or taller than any screen helps nobody, and frame counts and section names come
// from the skin: rows are cut at the right and the sheet at the bottom.
constexpr int kMaxWidth = 4096;
constexpr int kMaxHeight = 16384;

void DrawText(TPixelImage& sheet, int x, int y, std::string_view text) {
    text = text.substr(0, static_cast<std::size_t>(kMaxWidth / pixel_font::kAdvance));
    pixel_font::draw(text, [&](int px, int py) {
        FillRect(sheet, {x + px, y + py, x + px + 1, y + py + 1}, kInk); // clipped to the sheet
    });
}

// One row of the sheet: a caption and the frames of one image.
struct Row {
    std::string caption;
    const TPixelImage* image = nullptr;
    int frames = 1;
    bool stacked = false;
};

Row MakeRow(std::string caption, const TPixelImage& image, int frames, bool stacked) {
    Row row{std::move(caption) + " (" + std::to_string(frames) + ")", &image, frames, stacked};
    if (image.Pixels.empty()) row.caption += " EMPTY";
    return row;
}

// The frame cells of a row that are drawn, from the left: those that begin on the sheet, so a
// count of millions costs no more than a sheet's width of cells.
std::vector<TPixelRect> DrawnCells(const Row& row) {
    std::vector<TPixelRect> cells;
    if (row.image->Pixels.empty()) return cells;
    for (int k = 1, x = kGap; k <= row.frames && x < kMaxWidth; ++k) {
        cells.push_back(StripCell(*row.image, row.frames, k, row.stacked));
        x += cells.back().Right - cells.back().Left + 2 + kGap;
    }
    return cells;
}

int CellHeight(const TPixelRect& cell) {
    return cell.Bottom - cell.Top + 2;
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
        if (!o.Image2x.Get().Pixels.empty())
            rows.push_back(MakeRow(caption + " @2X", o.Image2x.Get(), o.Frame, stacked(&o)));
        if (const auto* border = dynamic_cast<const TDataSkinBorder*>(&o);
            border && !border->Image2.Pixels.empty()) {
            rows.push_back(MakeRow(caption + " IMAGE2", border->Image2, o.Frame, false));
        }
    }
    const TDataSkinButton& b = e.Buttons;
    rows.push_back(MakeRow("Buttons.CheckImage", b.CheckImage, b.CheckFrames, false));
    if (!b.CheckImage2x.Get().Pixels.empty())
        rows.push_back(MakeRow("Buttons.CheckImage @2X", b.CheckImage2x.Get(), b.CheckFrames, false));
    rows.push_back(MakeRow("Buttons.RadioImage", b.RadioImage, b.RadioFrames, false));
    if (!b.RadioImage2x.Get().Pixels.empty())
        rows.push_back(MakeRow("Buttons.RadioImage @2X", b.RadioImage2x.Get(), b.RadioFrames, false));
    return rows;
}

TPixelImage RenderSheet(const TSkinElements& elements) {
    const std::vector<Row> rows = Rows(elements);
    // Laid out first (widths and heights in 64 bits: cells may be huge), then drawn.
    std::vector<std::vector<TPixelRect>> cells;
    std::int64_t width = 0, height = kGap;
    for (const Row& row : rows) {
        if (height >= kMaxHeight) break;
        cells.push_back(DrawnCells(row));
        std::int64_t w = kGap, h = 0;
        for (const TPixelRect& cell : cells.back()) {
            w += cell.Right - cell.Left + 2 + kGap;
            h = std::max<std::int64_t>(h, CellHeight(cell));
        }
        width = std::max({width, w, std::int64_t{pixel_font::width(row.caption)} + kGap});
        height += kTextH + h + 2 * kGap;
    }
    TPixelImage sheet(static_cast<int>(std::min<std::int64_t>(width + kGap, kMaxWidth)),
                      static_cast<int>(std::min<std::int64_t>(height, kMaxHeight)), kBackground);
    int y = kGap;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        DrawText(sheet, kGap, y, rows[i].caption);
        y += kTextH + kGap / 2;
        int x = kGap, h = 0;
        for (const TPixelRect& cell : cells[i]) {
            const int w = cell.Right - cell.Left;
            const int ch = cell.Bottom - cell.Top;
            FillRect(sheet, {x, y, x + w + 2, y + ch + 2}, kCellBorder);
            StretchCopy(sheet, {x + 1, y + 1, x + 1 + w, y + 1 + ch}, *rows[i].image, cell);
            x += w + 2 + kGap;
            h = std::max(h, CellHeight(cell));
        }
        y += h + kGap + kGap / 2;
        if (y >= kMaxHeight) break;
    }
    return sheet;
}

} // namespace

std::vector<std::uint8_t> SheetBmp(TSkinReader reader) {
    TSkinElements elements;
    LoadSkinElements(elements, std::make_shared<TSkinReader>(std::move(reader)), {});
    return EncodeBmp24(RenderSheet(elements));
}
