// The program icon: two stacked clipboards, the front one holding a sheet with lines of
// text. Each size is laid out on its own pixel grid so that edges fall on whole pixels and
// the small sizes stay crisp instead of being scaled down.
#include "tools/skinart/art.h"

#include "tools/skinart/draw.h"
#include "tools/skinart/palette.h"

#include <algorithm>
#include <cmath>

namespace skinart {

namespace {

// A rectangle given in fractions of the icon size, snapped to whole pixels.
Rect snap(int size, double x0, double y0, double x1, double y1) {
    auto at = [size](double f) { return static_cast<int>(std::lround(f * size)); };
    return {at(x0), at(y0), at(x1) - at(x0), at(y1) - at(y0)};
}

void board(Image& img, Rect r, double radius, int stroke, Rgb top, Rgb bottom, Rgb edge) {
    fill_rounded(img, r, radius, edge);
    fill_rounded_gradient(img, r.inset(stroke), std::max(radius - stroke, 0.5), top, bottom);
}

} // namespace

Image icon_image(int size) {
    Image img(size, size);
    const int stroke = std::max(1, static_cast<int>(std::lround(size / 40.0)));
    const double radius = size <= 24 ? 1.0 : size * 0.07; // small sizes: just a softened corner

    // The clipboard behind, lighter, peeking out at the top right: more than one entry.
    const Rect back = snap(size, 0.26, 0.04, 0.96, 0.84);
    board(img, back, radius, stroke, {168, 192, 226}, {136, 164, 206}, {62, 92, 140});

    const Rect front = snap(size, 0.04, 0.14, 0.76, 0.98);
    board(img, front, radius, stroke, pal::title_top, pal::title_bottom, pal::frame_outline);

    // The sheet on the front board, below the clip.
    const int margin = std::max(2, static_cast<int>(std::lround(size * 0.08)));
    const int clip_h = std::max(3, static_cast<int>(std::lround(size * 0.13)));
    const Rect sheet{front.x + margin, front.y + clip_h, front.w - 2 * margin,
                     front.h - clip_h - margin};
    fill_rounded(img, sheet, std::max(0.5, size * 0.02), pal::white);

    // Lines of text: one per few pixels, the second one in the accent colour (the entry
    // about to be pasted). Small sizes get fewer, bolder lines.
    const int thick = std::max(1, static_cast<int>(std::lround(size / 24.0)));
    const int gap = std::max(thick + 2, static_cast<int>(std::lround(size / 9.0)));
    const int pad = std::max(1, static_cast<int>(std::lround(size * 0.06)));
    int line_no = 0;
    for (int y = sheet.y + clip_h / 2 + pad; y + thick <= sheet.bottom() - pad;
         y += gap, ++line_no) {
        const int inset = line_no % 3 == 2 ? sheet.w / 4 : 0; // ragged right edge
        const Rgb ink = line_no == 1 ? pal::accent : Rgb{150, 164, 186};
        fill_rect(img, {sheet.x + pad, y, sheet.w - 2 * pad - inset, thick}, ink);
    }

    // The clip across the top edge of the front board.
    const int clip_w = std::max(5, static_cast<int>(std::lround(size * 0.34)));
    const Rect clip{front.x + (front.w - clip_w) / 2,
                    front.y - std::max(1, static_cast<int>(std::lround(size * 0.05))), clip_w,
                    clip_h + std::max(1, static_cast<int>(std::lround(size * 0.04)))};
    board(img, clip, std::max(1.0, size * 0.04), stroke, {232, 236, 242}, {176, 186, 202},
          {60, 72, 92});
    if (size >= 32) {
        const int hole_w = std::max(2, clip_w / 3), hole_h = std::max(1, clip.h / 4);
        fill_rounded(img, {clip.x + (clip.w - hole_w) / 2, clip.y + stroke + 1, hole_w, hole_h},
                     hole_h / 2.0, {60, 72, 92});
    }
    return img;
}

} // namespace skinart
