// Contact sheet: every bitmap of a skin directory at twice its size, labelled, with the
// frame boundaries of known pictures marked.
#include "review.h"

#include "art.h"
#include "bmp.h"
#include "draw.h"
#include "font5x7.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <vector>

namespace skinart {

namespace {

struct Layout {
    int frames = 1;
    bool stacked = false;
};

std::map<std::string, Layout> known_layouts() {
    std::map<std::string, Layout> out;
    for (auto* list : {&skin_pictures, &resource_pictures})
        for (const Picture& p : list())
            out[p.file] = {p.frames, p.stacked};
    return out;
}

struct Entry {
    std::string name;
    Image image;
    Layout layout;
};

constexpr int kScale = 2, kPad = 14, kSheetWidth = 1100;
constexpr Rgb kBackground{206, 209, 214}, kInk{20, 24, 30}, kMark{230, 30, 30};

Image scaled(const Image& img) {
    Image out(img.width() * kScale, img.height() * kScale);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x)
            out.set(x, y, img.at(x / kScale, y / kScale));
    return out;
}

// "name WxH /frames"
std::string label_of(const Entry& e) {
    return e.name + " " + std::to_string(e.image.width()) + "x" + std::to_string(e.image.height()) +
           " /" + std::to_string(e.layout.frames);
}

void mark_frames(Image& sheet, int x, int y, const Entry& e) {
    const int w = e.image.width() * kScale, h = e.image.height() * kScale;
    for (int i = 1; i < e.layout.frames; ++i) {
        if (e.layout.stacked) {
            const int fy = y + h * i / e.layout.frames;
            hline(sheet, x - 5, x - 2, fy, kMark);
            hline(sheet, x + w + 1, x + w + 4, fy, kMark);
        } else {
            const int fx = x + w * i / e.layout.frames;
            vline(sheet, fx, y - 5, y - 2, kMark);
            vline(sheet, fx, y + h + 1, y + h + 4, kMark);
        }
    }
}

} // namespace

std::optional<Image> contact_sheet(const std::string& skin_dir) {
    namespace fs = std::filesystem;
    std::error_code ec;
    std::vector<Entry> entries;
    const auto layouts = known_layouts();
    for (const auto& item : fs::directory_iterator(skin_dir, ec)) {
        if (item.path().extension() != ".bmp") continue;
        auto img = read_bmp(item.path().string());
        if (!img) continue;
        const std::string name = item.path().filename().string();
        const auto known = layouts.find(name);
        entries.push_back(
            {name, std::move(*img), known == layouts.end() ? Layout{} : known->second});
    }
    if (ec || entries.empty()) return std::nullopt;
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.name < b.name; });

    // Shelf packing: left to right, a new row when the next picture does not fit.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = kPad, y = kPad, row_h = 0;
    for (const Entry& e : entries) {
        const int w = std::max(e.image.width() * kScale, text_width(label_of(e)));
        const int h = e.image.height() * kScale + 6 + kGlyphHeight;
        if (x + w > kSheetWidth - kPad && x > kPad) x = kPad, y += row_h + 2 * kPad, row_h = 0;
        places.push_back({x, y});
        x += w + 2 * kPad;
        row_h = std::max(row_h, h);
    }
    Image sheet(kSheetWidth, y + row_h + kPad,
                Rgba{kBackground.r, kBackground.g, kBackground.b, 255});
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& e = entries[i];
        const Place p = places[i];
        sheet.paste(scaled(e.image), p.x, p.y);
        mark_frames(sheet, p.x, p.y, e);
        draw_text(sheet, p.x, p.y + e.image.height() * kScale + 6, label_of(e), kInk);
    }
    return sheet;
}

} // namespace skinart
