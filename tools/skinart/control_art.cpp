// Control artwork: push buttons, check and radio strips, scroll bars, the combo box parts,
// progress bars, track bars and up-down buttons.
#include "tools/skinart/art.h"

#include "tools/skinart/canvas.h"

#include "tools/skinart/palette.h"
#include <cmath>

namespace skinart {

namespace {

// Push buttons: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
constexpr int kButtonW = 24, kButtonH = 24;

Image push_button(int scale, Rgb edge, Rgb top, Rgb bottom, Rgb ring = {}, bool has_ring = false) {
    Canvas img(kButtonW, kButtonH, scale);
    const Rect r{0, 0, kButtonW, kButtonH};
    img.fill_rounded_gradient(r, 3.0, top, bottom);
    img.stroke_rounded(r, 3.0, edge);
    if (has_ring) img.stroke_rounded(r.inset(1), 2.0, ring);
    img.flatten(pal::face); // the engine fills the button with the face colour first
    return std::move(img).image();
}

Picture push_buttons(int k) {
    return {
        "button.bmp",
        join({push_button(k, pal::border, pal::white, {230, 234, 240}),
              push_button(k, pal::accent_dark, pal::accent_soft, pal::accent_light),
              push_button(k, pal::border_light, {242, 243, 246}, {242, 243, 246}),
              push_button(k, pal::accent, pal::white, pal::accent_light),
              push_button(k, pal::accent, pal::white, {230, 234, 240}, pal::accent_soft, true)})};
}

// Check and radio boxes, 13 pixels square.
constexpr int kBox = 13;

struct BoxLook {
    Rgb edge, fill, mark;
};

constexpr BoxLook kBoxOff[] = {{{128, 140, 158}, pal::white, {}},
                               {pal::accent, pal::accent_light, {}},
                               {pal::accent_dark, pal::accent_soft, {}},
                               {pal::border_light, {242, 243, 246}, {}}};
constexpr BoxLook kBoxOn[] = {{pal::accent_dark, pal::accent, pal::white},
                              {pal::accent, pal::accent_hot, pal::white},
                              {pal::accent_dark, pal::accent_dark, pal::white},
                              {pal::border_light, pal::border_light, {248, 249, 251}}};

const Glyph kCheck = {
    {"........#", ".......##", "#.....##.", "##...##..", ".##.##...", "..###....", "...#....."},
    {{{{0.4, 2.9}, {3.5, 6.0}, {8.6, 0.9}}, 1.6}},
    {}};

Image check_box(int scale, const BoxLook& look, int mark) { // mark: 0 none, 1 check, 2 mixed
    Canvas img(kBox, kBox, scale);
    const Rect r{0, 0, kBox, kBox};
    img.fill_rounded(r, 2.0, look.fill);
    img.stroke_rounded(r, 2.0, look.edge);
    if (mark == 1) img.draw_glyph(2, 3, kCheck, look.mark);
    if (mark == 2) img.fill_rect({3, 3, 7, 7}, look.mark);
    img.flatten(pal::face);
    return std::move(img).image();
}

Picture check_strip(int k) {
    // Twelve frames: unchecked, checked and indeterminate, each normal, hot, pressed,
    // disabled. The indeterminate boxes show an accent square on the unchecked face.
    std::vector<Image> frames;
    for (const BoxLook& look : kBoxOff)
        frames.push_back(check_box(k, look, 0));
    for (const BoxLook& look : kBoxOn)
        frames.push_back(check_box(k, look, 1));
    for (std::size_t i = 0; i < 4; ++i) {
        BoxLook look = kBoxOff[i];
        look.mark = i == 3 ? pal::border_light : kBoxOn[i].fill;
        frames.push_back(check_box(k, look, 2));
    }
    return {"check.bmp", join(frames)};
}

Image radio_box(int scale, const BoxLook& look, bool dot) {
    Canvas img(kBox, kBox, scale);
    const double c = kBox / 2.0;
    img.fill_disc(c, c, c, look.edge);
    img.fill_disc(c, c, c - 1.0, look.fill);
    if (dot) img.fill_disc(c, c, 2.6, look.mark);
    img.flatten(pal::face);
    return std::move(img).image();
}

Picture radio_strip(int k) {
    // Eight frames: unchecked then checked, each normal, hot, pressed, disabled.
    std::vector<Image> frames;
    for (const BoxLook& look : kBoxOff)
        frames.push_back(radio_box(k, look, false));
    for (const BoxLook& look : kBoxOn)
        frames.push_back(radio_box(k, look, true));
    return {"radio.bmp", join(frames)};
}

// Scroll bars: 17-pixel arrow buttons and grips, one track strip and one thumb strip per
// direction. Art is drawn for the vertical bar and turned for the horizontal one.
constexpr int kS = geo::scroll;

// A 45-degree triangle, apex up, 7 x 4 (flipped for the arrows pointing down).
const Glyph kArrowUp = {{"...#...", "..###..", ".#####.", "#######"},
                        {},
                        {{{3.5, 0.0}, {7.0, 3.5}, {7.0, 4.0}, {0.0, 4.0}, {0.0, 3.5}}}};

// An arrow glyph in a canvas of its own size, pointing up or down.
Canvas arrow(int scale, bool down, Rgb ink) {
    Canvas glyph(7, 4, scale);
    glyph.draw_glyph(0, 0, kArrowUp, ink);
    return down ? Canvas(flip_v(glyph.image()), scale) : glyph;
}

enum class State { normal, pressed, disabled, hot };

Image arrow_button(int scale, State state, bool down) {
    Canvas img(kS, kS, scale, pal::track);
    Rgb ink = pal::glyph;
    if (state == State::hot) img.fill_rounded(Rect{0, 0, kS, kS}.inset(1), 2.5, {214, 220, 230});
    if (state == State::pressed) {
        img.fill_rounded(Rect{0, 0, kS, kS}.inset(1), 2.5, pal::accent);
        ink = pal::white;
    }
    if (state == State::disabled) ink = {196, 202, 212};
    img.overlay(arrow(scale, down, ink), 5, (kS - 4) / 2);
    return std::move(img).image();
}

// Thumbs and grips: a pill inset 3 pixels from each side of the bar.
constexpr Rgb kThumb[] = {{190, 198, 211}, pal::accent, {158, 168, 185}}; // normal, pressed, hot
constexpr Rgb kGrip[] = {{160, 170, 186}, {200, 220, 248}, {128, 139, 158}};
constexpr int kThumbLength = 16;

Image thumb(int scale, Rgb c) {
    Canvas img(kS, kThumbLength, scale);
    img.fill_rounded({3, 0, kS - 6, kThumbLength}, 5.0, c);
    img.flatten(pal::track);
    return std::move(img).image();
}

Image grip(int scale, Rgb c) {
    Canvas img(kS, kS, scale);
    for (int i = 0; i < 3; ++i)
        img.hline(6, 10, 6 + 2 * i, c);
    return std::move(img).image();
}

Image track_piece(int scale, Rgb c) {
    return Canvas(kS, 16, scale, c).image();
}

std::vector<Image> turned(const std::vector<Image>& frames) {
    std::vector<Image> out;
    for (const Image& f : frames)
        out.push_back(transpose(f));
    return out;
}

std::vector<Picture> scroll_pictures(int k) {
    // 23 frames: left 1-4, right 5-8, up 9-12, down 13-16 (normal, pressed, disabled, hot),
    // horizontal grip 17-19 and vertical grip 20-22 (normal, pressed, hot), 23 the corner.
    std::vector<Image> frames;
    const State states[] = {State::normal, State::pressed, State::disabled, State::hot};
    for (bool down : {false, true})
        for (State s : states)
            frames.push_back(transpose(arrow_button(k, s, down)));
    for (bool down : {false, true})
        for (State s : states)
            frames.push_back(arrow_button(k, s, down));
    for (const Rgb& c : kGrip)
        frames.push_back(transpose(grip(k, c)));
    for (const Rgb& c : kGrip)
        frames.push_back(grip(k, c));
    frames.push_back(Canvas(kS, kS, k, pal::face).image());

    // Track frames: 1 normal, 2 pressed, 3 disabled, 4 hot.
    const std::vector<Image> track = {track_piece(k, pal::track), track_piece(k, {222, 227, 235}),
                                      track_piece(k, {243, 244, 247}),
                                      track_piece(k, {227, 231, 238})};
    std::vector<Image> thumbs;
    for (const Rgb& c : kThumb)
        thumbs.push_back(thumb(k, c));
    return {
        {"scrollbar.bmp", join(frames)},      {"vscroll.bmp", join(track)},
        {"hscroll.bmp", join(turned(track))}, {"vthumb.bmp", join(thumbs)},
        {"hthumb.bmp", join(turned(thumbs))},
    };
}

// Combo box: the sunken box (4 frames), the drop-down button laid over its right end
// (4 frames) and the arrow glyphs (ExtraImages: 4 arrows and the size grip).
// Frames: 1 normal, 2 pressed, 3 disabled, 4 hot or focused.
constexpr int kComboH = 21, kEdgeW = 30, kButtonPartW = 19;

Image sunk_edge(int scale, Rgb edge, Rgb fill) {
    Canvas img(kEdgeW, kComboH, scale);
    img.fill_rounded({0, 0, kEdgeW, kComboH}, 2.0, fill);
    img.stroke_rounded({0, 0, kEdgeW, kComboH}, 2.0, edge);
    img.flatten(pal::face);
    return std::move(img).image();
}

Image combo_button(int scale, Rgb separator, Rgb fill, bool filled) {
    Canvas img(kButtonPartW, kComboH, scale);
    if (filled) img.fill_rounded({1, 1, kButtonPartW - 2, kComboH - 2}, 1.5, fill);
    img.vline(0, 4, kComboH - 5, separator);
    img.flatten(pal::window);
    return std::move(img).image();
}

// Dots of two by two pixels in a triangle; round at larger scales.
Glyph size_grip() {
    Glyph g{{".......##", ".......##", ".........", "....##.##", "....##.##", ".........",
             ".##.##.##", ".##.##.##", "........."},
            {},
            {}};
    for (Point dot : {Point{8, 1}, Point{5, 4}, Point{8, 4}, Point{2, 7}, Point{5, 7}, Point{8, 7}})
        g.strokes.push_back({{dot}, 2.1});
    return g;
}
const Glyph kSizeGrip = size_grip();

Image extra_glyph(int scale, Rgb c) {
    Canvas img(9, 9, scale);
    img.overlay(arrow(scale, true, c), 1, 3);
    return std::move(img).image();
}

std::vector<Picture> combo_pictures(int k) {
    Canvas grip(9, 9, k);
    grip.draw_glyph(0, 0, kSizeGrip, pal::border);
    return {
        {"sunkedge.bmp",
         join({sunk_edge(k, pal::border, pal::window), sunk_edge(k, pal::accent_dark, pal::window),
               sunk_edge(k, pal::border_light, {244, 245, 247}),
               sunk_edge(k, pal::accent, pal::window)})},
        {"combobutton.bmp", join({combo_button(k, pal::separator, {}, false),
                                  combo_button(k, pal::accent_soft, pal::accent_soft, true),
                                  combo_button(k, {228, 231, 236}, {}, false),
                                  combo_button(k, pal::accent_soft, pal::accent_light, true)})},
        {"extraimages.bmp",
         join({extra_glyph(k, pal::glyph), extra_glyph(k, pal::accent_dark),
               extra_glyph(k, {186, 192, 202}), extra_glyph(k, pal::accent), grip.image()})},
    };
}

// Progress bar: 1 the groove, 2 the fill; the chunk for the chunked style.
Image progress_part(int scale, Rgb edge, Rgb top, Rgb bottom) {
    Canvas img(20, 14, scale);
    img.fill_rounded_gradient({0, 0, 20, 14}, 3.0, top, bottom);
    img.stroke_rounded({0, 0, 20, 14}, 3.0, edge);
    img.flatten(pal::face);
    return std::move(img).image();
}

// Track-bar thumbs: 1 normal, 2 normal (the engine always paints frame 2), 3 hot,
// 4 pressed, 5 disabled. The pointer thumbs end in a point towards the channel.
constexpr int kThumbW = 11, kThumbH = 20;

struct ThumbLook {
    Rgb edge, top, bottom;
};

constexpr ThumbLook kTrackThumb[] = {{{128, 140, 158}, pal::white, {226, 230, 237}},
                                     {{128, 140, 158}, pal::white, {226, 230, 237}},
                                     {pal::accent, pal::white, pal::accent_light},
                                     {pal::accent_dark, pal::accent_soft, pal::accent_light},
                                     {pal::border_light, {242, 243, 246}, {242, 243, 246}}};

Image trackbar_thumb(int scale, const ThumbLook& look, bool pointer) {
    Canvas img(kThumbW, kThumbH, scale);
    const Rect r{0, 0, kThumbW, kThumbH};
    img.fill_rounded_gradient(r, 2.5, look.top, look.bottom);
    img.stroke_rounded(r, 2.5, look.edge);
    // A pointer ends in a tip at the bottom centre, below row `body`: its sides slope one
    // pixel per row. Along each side |x - centre| + y is constant (at 1x, through the centres
    // of the side's pixels, `tip`); past it the tip is cut away, and the one-pixel line inside
    // it is the edge.
    const int mid = kThumbW / 2, body = pointer ? kThumbH - 1 - mid : kThumbH;
    const double tip = mid + body + 0.5;
    img.for_each_pixel([&](Point p, Rgba& px) {
        if (p.y < body) return;
        const double d = std::abs(p.x - (mid + 0.5)) + p.y;
        if (d > tip)
            px = {};
        else if (d > tip - 1.0)
            px = {look.edge.r, look.edge.g, look.edge.b, 255};
    });
    img.flatten(pal::face);
    return std::move(img).image();
}

std::vector<Picture> value_bar_pictures(int k) {
    std::vector<Image> horz, down;
    for (const ThumbLook& look : kTrackThumb) {
        horz.push_back(trackbar_thumb(k, look, false));
        down.push_back(trackbar_thumb(k, look, true));
    }
    std::vector<Image> up, right, left;
    for (const Image& f : down) {
        up.push_back(flip_v(f));
        right.push_back(transpose(f));
        left.push_back(mirror_h(transpose(f)));
    }
    Canvas chunk(8, 10, k);
    chunk.fill_rect({0, 0, 7, 10}, pal::accent);
    chunk.hline(0, 6, 0, pal::accent_hot);
    return {
        {"progress.bmp", join({progress_part(k, {176, 184, 197}, {222, 226, 233}, {234, 237, 242}),
                               progress_part(k, pal::accent_dark, pal::accent_hot, pal::accent)})},
        {"progresschunk.bmp", std::move(chunk).image()},
        {"thumbhorz.bmp", join(horz)},
        {"thumbvert.bmp", join(turned(horz))},
        {"thumbdown.bmp", join(down)},
        {"thumbup.bmp", join(up)},
        {"thumbright.bmp", join(right)},
        {"thumbleft.bmp", join(left)},
        {"track.bmp", track_channel(false, k)},
        {"trackvert.bmp", track_channel(true, k)},
    };
}

// Up-down buttons: frames 1-4 the first half (up or left), 5-8 the second (down or right),
// each normal, pressed, disabled, hot; the glyph strip has the same eight frames.
constexpr int kUpDownW = 17, kUpDownH = 11;

Image updown_half(int scale, const ThumbLook& look, bool second) {
    Canvas img(kUpDownW, kUpDownH, scale);
    // Round only the outer corners: draw a shape twice as tall and keep the outer half.
    Canvas whole(kUpDownW, 2 * kUpDownH, scale);
    whole.fill_rounded_gradient({0, 0, kUpDownW, 2 * kUpDownH}, 2.5, look.top, look.bottom);
    whole.stroke_rounded({0, 0, kUpDownW, 2 * kUpDownH}, 2.5, look.edge);
    img.paste(whole, 0, second ? kUpDownH : 0, kUpDownW, kUpDownH, 0, 0);
    img.hline(0, kUpDownW - 1, second ? 0 : kUpDownH - 1, look.edge);
    img.flatten(pal::face);
    return std::move(img).image();
}

std::vector<Picture> updown_pictures(int k) {
    const ThumbLook looks[] = {kTrackThumb[0], kTrackThumb[3], kTrackThumb[4], kTrackThumb[2]};
    const Rgb inks[] = {pal::glyph, pal::accent_dark, {186, 192, 202}, pal::accent};
    std::vector<Image> halves, glyphs;
    for (bool second : {false, true})
        for (std::size_t i = 0; i < 4; ++i) {
            halves.push_back(updown_half(k, looks[i], second));
            glyphs.push_back(arrow(k, second, inks[i]).image());
        }
    return {
        {"updownvert.bmp", join(halves)},
        {"updownvertglyph.bmp", join(glyphs)},
        {"updownhorz.bmp", join(turned(halves))},
        {"updownhorzglyph.bmp", join(turned(glyphs))},
    };
}

} // namespace

Image track_channel(bool vertical, int scale) {
    Canvas img(24, 6, scale);
    img.fill_rounded({0, 0, 24, 6}, 2.5, {222, 226, 232});
    img.stroke_rounded({0, 0, 24, 6}, 2.5, {168, 177, 191});
    img.flatten(pal::face);
    return vertical ? transpose(img.image()) : std::move(img).image();
}

std::vector<Picture> control_pictures(int scale) {
    std::vector<Picture> out = {push_buttons(scale), check_strip(scale), radio_strip(scale)};
    for (auto* part : {&scroll_pictures, &combo_pictures, &value_bar_pictures, &updown_pictures})
        for (Picture& p : part(scale))
            out.push_back(std::move(p));
    return out;
}

} // namespace skinart
