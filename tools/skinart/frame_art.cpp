// Window frame artwork: the four borders cut from one drawn frame (so corners and edges
// meet exactly), the caption text back, the caption buttons and the MDI child buttons.
#include "tools/skinart/art.h"

#include "tools/skinart/draw.h"
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

Image window_frame(const FrameColours& c) {
    Image img(kFrameW, kFrameH);
    const Rect outer{0, 0, kFrameW, kFrameH + 16}; // taller than the image: square bottom
    const Rect inner = outer.inset(1);
    fill_rounded(img, outer, kCornerRadius, c.outline);
    const Rect band{0, 1, kFrameW, geo::title - 1};
    fill_shape_gradient(img, inner, kCornerRadius - 1, band, c.top, c.bottom);
    fill_shape_gradient(img, inner, kCornerRadius - 1, {0, 1, kFrameW, 1},
                        mix(c.top, pal::white, 0.22), mix(c.top, pal::white, 0.22));
    // Sides and bottom: frame colour, then the inner line that outlines the client.
    fill_rect(img, {1, geo::title, kFrameW - 2, kFrameH - geo::title - 1}, c.bottom);
    const int s = geo::side;
    frame_rect(img, {s - 1, geo::title - 1, kFrameW - 2 * s + 2, kFrameH - geo::title - s + 2},
               c.inner);
    fill_rect(img, {s, geo::title, kFrameW - 2 * s, kFrameH - geo::title - s}, pal::face);
    return img;
}

Image text_back(const FrameColours& c) {
    // The caption sits straight on the title gradient: the text back repeats one column of
    // the title so whatever width the engine gives it, it is invisible.
    const Image frame = window_frame(c);
    Image img(8, geo::title);
    for (int x = 0; x < img.width(); ++x)
        img.paste(frame, kFrameW / 2, 0, 1, geo::title, x, 0);
    return img;
}

// The title pixels behind a caption button, for blending its soft edges.
Image caption_matte() {
    return window_frame(kActive).crop(kFrameW / 2 - geo::caption_w / 2, geo::caption_y,
                                      geo::caption_w, geo::caption_h);
}

using Pattern = std::initializer_list<const char*>;

const Pattern kClose = {"#+......+#", "+##....##+", ".+##..##+.", "..+####+..", "...+##+...",
                        "...+##+...", "..+####+..", ".+##..##+.", "+##....##+", "#+......+#"};
const Pattern kMaximise = {"##########", "##########", "#........#", "#........#", "#........#",
                           "#........#", "#........#", "#........#", "#........#", "##########"};
const Pattern kMinimise = {"..........", "..........", "..........", "..........", "..........",
                           "..........", "..........", "..........", "##########", "##########"};
const Pattern kRestore = {"...#######", "...#######", "...#.....#", "#######..#", "#######..#",
                          "#.....#..#", "#.....####", "#.....#...", "#.....#...", "#######..."};
const Pattern kHelp = {"..####...", ".##..##..", ".....##..", "....##...", "...##....",
                       "...##....", ".........", "...##....", "...##....", "........."};

enum class Look { normal, pressed, hot, disabled };

// One caption button state: glyph centred, hot and pressed on a soft rounded plate.
Image caption_button(const Pattern& glyph, Look look, bool danger) {
    Image img(geo::caption_w, geo::caption_h);
    const Rect plate{0, 0, geo::caption_w, geo::caption_h};
    if (look == Look::hot)
        fill_rounded(img, plate, 3.0,
                     danger ? pal::close_hot : mix(pal::title_top, pal::white, 0.25));
    if (look == Look::pressed)
        fill_rounded(img, plate, 3.0,
                     danger ? pal::close_pressed : mix(pal::title_bottom, pal::black, 0.25));
    const Rgb ink = look == Look::disabled ? pal::caption_glyph_disabled : pal::title_text;
    const int x = (geo::caption_w - pattern_width(glyph)) / 2;
    const int y = (geo::caption_h - static_cast<int>(glyph.size())) / 2;
    draw_pattern(img, x, y, glyph, ink);
    // Frame 4 also serves inactive windows, whose title is grey: keep its edges hard.
    if (look != Look::disabled) flatten(img, caption_matte());
    return img;
}

Picture caption_strip(const std::string& file, const Pattern& glyph, bool danger = false) {
    // Cells in the engine's order: 1 normal, 2 pressed, 3 hot, 4 disabled or inactive.
    return {file, join({caption_button(glyph, Look::normal, danger),
                        caption_button(glyph, Look::pressed, danger),
                        caption_button(glyph, Look::hot, danger),
                        caption_button(glyph, Look::disabled, danger)})};
}

// MDI child buttons sit in the menu bar on the face colour: dark glyphs, accent plates.
// Cells: 1 normal, 2 pressed, 3 and 4 hot (the menu bar shows cell 4 for a hot button).
constexpr int kMdiW = 16, kMdiH = 14;

Image mdi_button(const Pattern& glyph, Look look) {
    Image img(kMdiW, kMdiH);
    if (look == Look::hot) {
        fill_rounded(img, {0, 0, kMdiW, kMdiH}, 2.5, pal::accent_light);
        stroke_rounded(img, {0, 0, kMdiW, kMdiH}, 2.5, pal::accent_soft);
    }
    if (look == Look::pressed) fill_rounded(img, {0, 0, kMdiW, kMdiH}, 2.5, pal::accent_soft);
    draw_pattern(img, (kMdiW - 10) / 2, (kMdiH - 10) / 2, glyph, pal::text);
    flatten(img, pal::face);
    return img;
}

Picture mdi_strip() {
    std::vector<Image> cells;
    for (const Pattern* glyph : {&kMinimise, &kRestore, &kClose})
        for (Look look : {Look::normal, Look::pressed, Look::hot, Look::hot})
            cells.push_back(mdi_button(*glyph, look));
    return {"mdi.bmp", join(cells)};
}

Picture menu_bar() {
    Image img(20, 20, Rgba{pal::face.r, pal::face.g, pal::face.b, 255});
    hline(img, 0, 19, 19, pal::separator);
    return {"menubar.bmp", join({img, img}, true)};
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

std::vector<Picture> frame_pictures() {
    const Image active = window_frame(kActive), inactive = window_frame(kInactive);
    const int s = geo::side, mid = kFrameW - 2 * s;
    auto cut = [&](int x, int y, int w, int h, bool stacked) {
        return join({active.crop(x, y, w, h), inactive.crop(x, y, w, h)}, stacked);
    };
    return {
        {"left.bmp", cut(0, 0, s, kFrameH, false)},
        {"right.bmp", cut(kFrameW - s, 0, s, kFrameH, false)},
        {"top.bmp", cut(s, 0, mid, geo::title, true)},
        {"bottom.bmp", cut(s, kFrameH - s, mid, s, true)},
        {"textback.bmp", join({text_back(kActive), text_back(kInactive)}, true)},
        caption_strip("close.bmp", kClose, true),
        caption_strip("maximize.bmp", kMaximise),
        caption_strip("minimize.bmp", kMinimise),
        caption_strip("restore.bmp", kRestore),
        caption_strip("help.bmp", kHelp),
        mdi_strip(),
        menu_bar(),
    };
}

} // namespace skinart
