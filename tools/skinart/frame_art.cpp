// Window frame artwork: the four borders cut from one drawn frame (so corners and edges
// meet exactly), the caption text back, the caption buttons and the MDI child buttons.
#include "tools/skinart/art.h"

#include "tools/skinart/canvas.h"
#include "tools/skinart/palette.h"

namespace skinart {

namespace {

struct FrameColours {
    Rgb top, bottom, outline, inner;
};

constexpr FrameColours kActive{pal::title_top, pal::title_bottom, pal::frame_outline,
                               pal::frame_inner};
constexpr FrameColours kInactive{pal::title_top_inactive, pal::title_bottom_inactive,
                                 pal::frame_outline_inactive, pal::frame_inner_inactive};

// A whole small window: rounded top corners (outside the curve stays transparent and so
// becomes the magenta key that shapes the window region), title gradient with a light top
// line, a thin frame with an inner line around the client.
constexpr int kFrameW = 2 * geo::side + 24, kFrameH = geo::title + 6 + geo::side;
constexpr double kCornerRadius = 7.0;

Canvas window_frame(const FrameColours& c, int scale) {
    Canvas img(kFrameW, kFrameH, scale);
    const Rect outer{0, 0, kFrameW, kFrameH + 16}; // taller than the image: square bottom
    const Rect inner = outer.inset(1);
    img.fill_rounded(outer, kCornerRadius, c.outline);
    const Rect band{0, 1, kFrameW, geo::title - 1};
    img.fill_shape_gradient(inner, kCornerRadius - 1, band, c.top, c.bottom);
    img.fill_shape_gradient(inner, kCornerRadius - 1, {0, 1, kFrameW, 1},
                            mix(c.top, pal::white, 0.22), mix(c.top, pal::white, 0.22));
    // Sides and bottom: frame colour, then the inner line that outlines the client.
    img.fill_rect({1, geo::title, kFrameW - 2, kFrameH - geo::title - 1}, c.bottom);
    const int s = geo::side;
    img.frame_rect({s - 1, geo::title - 1, kFrameW - 2 * s + 2, kFrameH - geo::title - s + 2},
                   c.inner);
    img.fill_rect({s, geo::title, kFrameW - 2 * s, kFrameH - geo::title - s}, pal::face);
    // The window region follows the key: at every scale it is the 1x corners' region, scaled.
    img.key_to_shape(outer, kCornerRadius, c.outline);
    return img;
}

Canvas text_back(const FrameColours& c, int scale) {
    // The caption sits straight on the title gradient: the text back repeats one column of
    // the title so whatever width the engine gives it, it is invisible.
    const Canvas frame = window_frame(c, scale);
    Canvas img(8, geo::title, scale);
    for (int x = 0; x < img.width(); ++x)
        img.paste(frame, kFrameW / 2, 0, 1, geo::title, x, 0);
    return img;
}

// The title pixels behind a caption button, for blending its soft edges.
Canvas caption_matte(int scale) {
    return window_frame(kActive, scale)
        .crop(kFrameW / 2 - geo::caption_w / 2, geo::caption_y, geo::caption_w, geo::caption_h);
}

// Caption symbols, 10 pixels square (help 9 wide). The slanted and curved ones carry the
// strokes their pixels draw.
const Glyph kClose = {{"#+......+#", "+##....##+", ".+##..##+.", "..+####+..", "...+##+...",
                       "...+##+...", "..+####+..", ".+##..##+.", "+##....##+", "#+......+#"},
                      {{{{0.9, 0.9}, {9.1, 9.1}}, 1.7}, {{{9.1, 0.9}, {0.9, 9.1}}, 1.7}},
                      {}};
const Glyph kMaximise = {{"##########", "##########", "#........#", "#........#", "#........#",
                          "#........#", "#........#", "#........#", "#........#", "##########"},
                         {},
                         {}};
const Glyph kMinimise = {{"..........", "..........", "..........", "..........", "..........",
                          "..........", "..........", "..........", "##########", "##########"},
                         {},
                         {}};
const Glyph kRestore = {{"...#######", "...#######", "...#.....#", "#######..#", "#######..#",
                         "#.....#..#", "#.....####", "#.....#...", "#.....#...", "#######..."},
                        {},
                        {}};

Glyph help_glyph() {
    std::vector<Point> hook = arc(4.0, 2.3, 1.8, 200.0, 385.0, 16);
    hook.push_back({4.0, 4.6});
    hook.push_back({4.0, 5.8});
    return {{"..####...", ".##..##..", ".....##..", "....##...", "...##....", "...##....",
             ".........", "...##....", "...##....", "........."},
            {{hook, 1.8}, {{{4.0, 8.0}}, 2.0}},
            {}};
}
const Glyph kHelp = help_glyph();

enum class Look { normal, pressed, hot, disabled };

// One caption button state: glyph centred, hot and pressed on a soft rounded plate.
Image caption_button(const Glyph& glyph, Look look, bool danger, int scale) {
    Canvas img(geo::caption_w, geo::caption_h, scale);
    const Rect plate{0, 0, geo::caption_w, geo::caption_h};
    if (look == Look::hot)
        img.fill_rounded(plate, 3.0,
                         danger ? pal::close_hot : mix(pal::title_top, pal::white, 0.25));
    if (look == Look::pressed)
        img.fill_rounded(plate, 3.0,
                         danger ? pal::close_pressed : mix(pal::title_bottom, pal::black, 0.25));
    const Rgb ink = look == Look::disabled ? pal::caption_glyph_disabled : pal::title_text;
    const int x = (geo::caption_w - pattern_width(glyph.pixels)) / 2;
    const int y = (geo::caption_h - static_cast<int>(glyph.pixels.size())) / 2;
    img.draw_glyph(x, y, glyph, ink);
    // Frame 4 also serves inactive windows, whose title is grey: keep its edges hard.
    if (look != Look::disabled) img.flatten(caption_matte(scale));
    return std::move(img).image();
}

Picture caption_strip(const std::string& file, const Glyph& glyph, bool danger, int scale) {
    // Cells in the engine's order: 1 normal, 2 pressed, 3 hot, 4 disabled or inactive.
    return {file, join({caption_button(glyph, Look::normal, danger, scale),
                        caption_button(glyph, Look::pressed, danger, scale),
                        caption_button(glyph, Look::hot, danger, scale),
                        caption_button(glyph, Look::disabled, danger, scale)})};
}

// MDI child buttons sit in the menu bar on the face colour: dark glyphs, accent plates.
// Cells: 1 normal, 2 pressed, 3 and 4 hot (the menu bar shows cell 4 for a hot button).
constexpr int kMdiW = 16, kMdiH = 14;

Image mdi_button(const Glyph& glyph, Look look, int scale) {
    Canvas img(kMdiW, kMdiH, scale);
    if (look == Look::hot) {
        img.fill_rounded({0, 0, kMdiW, kMdiH}, 2.5, pal::accent_light);
        img.stroke_rounded({0, 0, kMdiW, kMdiH}, 2.5, pal::accent_soft);
    }
    if (look == Look::pressed) img.fill_rounded({0, 0, kMdiW, kMdiH}, 2.5, pal::accent_soft);
    img.draw_glyph((kMdiW - 10) / 2, (kMdiH - 10) / 2, glyph, pal::text);
    img.flatten(pal::face);
    return std::move(img).image();
}

Picture mdi_strip(int scale) {
    std::vector<Image> cells;
    for (const Glyph* glyph : {&kMinimise, &kRestore, &kClose})
        for (Look look : {Look::normal, Look::pressed, Look::hot, Look::hot})
            cells.push_back(mdi_button(*glyph, look, scale));
    return {"mdi.bmp", join(cells)};
}

Picture menu_bar(int scale) {
    Canvas img(20, 20, scale, pal::face);
    img.hline(0, 19, 19, pal::separator);
    const Image cell = std::move(img).image();
    return {"menubar.bmp", join({cell, cell}, true)};
}

} // namespace

Image join(const std::vector<Image>& frames, bool stacked) {
    if (frames.empty()) return {};
    const int w = frames.front().width(), h = frames.front().height();
    const int n = static_cast<int>(frames.size());
    Image out(stacked ? w : w * n, stacked ? h * n : h);
    for (int i = 0; i < n; ++i)
        out.paste(frames[static_cast<std::size_t>(i)], stacked ? 0 : i * w, stacked ? i * h : 0);
    return out;
}

std::vector<Picture> frame_pictures(int scale) {
    const Canvas active = window_frame(kActive, scale), inactive = window_frame(kInactive, scale);
    const int s = geo::side, mid = kFrameW - 2 * s;
    auto cut = [&](int x, int y, int w, int h, bool stacked) {
        return join({active.crop(x, y, w, h).image(), inactive.crop(x, y, w, h).image()}, stacked);
    };
    return {
        {"left.bmp", cut(0, 0, s, kFrameH, false)},
        {"right.bmp", cut(kFrameW - s, 0, s, kFrameH, false)},
        {"top.bmp", cut(s, 0, mid, geo::title, true)},
        {"bottom.bmp", cut(s, kFrameH - s, mid, s, true)},
        {"textback.bmp",
         join({text_back(kActive, scale).image(), text_back(kInactive, scale).image()}, true)},
        caption_strip("close.bmp", kClose, true, scale),
        caption_strip("maximize.bmp", kMaximise, false, scale),
        caption_strip("minimize.bmp", kMinimise, false, scale),
        caption_strip("restore.bmp", kRestore, false, scale),
        caption_strip("help.bmp", kHelp, false, scale),
        mdi_strip(scale),
        menu_bar(scale),
    };
}

} // namespace skinart
