// Control artwork: push buttons, check and radio strips, scroll bars, the combo box parts,
// progress bars, track bars and up-down buttons.
#include "tools/skinart/art.h"

#include "tools/skinart/draw.h"
#include "tools/skinart/palette.h"

namespace skinart {

namespace {

using Pattern = std::initializer_list<const char*>;

// Push buttons: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
constexpr int kButtonW = 24, kButtonH = 24;

Image push_button(Rgb edge, Rgb top, Rgb bottom, Rgb ring = {}, bool has_ring = false) {
    Image img(kButtonW, kButtonH);
    const Rect r{0, 0, kButtonW, kButtonH};
    fill_rounded_gradient(img, r, 3.0, top, bottom);
    stroke_rounded(img, r, 3.0, edge);
    if (has_ring) stroke_rounded(img, r.inset(1), 2.0, ring);
    flatten(img, pal::face); // the engine fills the button with the face colour first
    return img;
}

Picture push_buttons() {
    return {"button.bmp",
            join({push_button(pal::border, pal::white, {230, 234, 240}),
                  push_button(pal::accent_dark, pal::accent_soft, pal::accent_light),
                  push_button(pal::border_light, {242, 243, 246}, {242, 243, 246}),
                  push_button(pal::accent, pal::white, pal::accent_light),
                  push_button(pal::accent, pal::white, {230, 234, 240}, pal::accent_soft, true)})};
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

const Pattern kCheck = {"........#", ".......##", "#.....##.", "##...##..",
                        ".##.##...", "..###....", "...#....."};

Image check_box(const BoxLook& look, int mark) { // mark: 0 none, 1 check, 2 indeterminate
    Image img(kBox, kBox);
    const Rect r{0, 0, kBox, kBox};
    fill_rounded(img, r, 2.0, look.fill);
    stroke_rounded(img, r, 2.0, look.edge);
    if (mark == 1) draw_pattern(img, 2, 3, kCheck, look.mark);
    if (mark == 2) fill_rect(img, {3, 3, 7, 7}, look.mark);
    flatten(img, pal::face);
    return img;
}

Picture check_strip() {
    // Twelve frames: unchecked, checked and indeterminate, each normal, hot, pressed,
    // disabled. The indeterminate boxes show an accent square on the unchecked face.
    std::vector<Image> frames;
    for (const BoxLook& look : kBoxOff)
        frames.push_back(check_box(look, 0));
    for (const BoxLook& look : kBoxOn)
        frames.push_back(check_box(look, 1));
    for (std::size_t i = 0; i < 4; ++i) {
        BoxLook look = kBoxOff[i];
        look.mark = i == 3 ? pal::border_light : kBoxOn[i].fill;
        frames.push_back(check_box(look, 2));
    }
    return {"check.bmp", join(frames)};
}

Image radio_box(const BoxLook& look, bool dot) {
    Image img(kBox, kBox);
    const double c = kBox / 2.0;
    fill_disc(img, c, c, c, look.edge);
    fill_disc(img, c, c, c - 1.0, look.fill);
    if (dot) fill_disc(img, c, c, 2.6, look.mark);
    flatten(img, pal::face);
    return img;
}

Picture radio_strip() {
    // Eight frames: unchecked then checked, each normal, hot, pressed, disabled.
    std::vector<Image> frames;
    for (const BoxLook& look : kBoxOff)
        frames.push_back(radio_box(look, false));
    for (const BoxLook& look : kBoxOn)
        frames.push_back(radio_box(look, true));
    return {"radio.bmp", join(frames)};
}

// Scroll bars: 17-pixel arrow buttons and grips, one track strip and one thumb strip per
// direction. Art is drawn for the vertical bar and turned for the horizontal one.
constexpr int kS = geo::scroll;

const Pattern kArrowUp = {"...#...", "..###..", ".#####.", "#######"};

enum class State { normal, pressed, disabled, hot };

Image arrow_button(State state, bool down) {
    Image img(kS, kS, Rgba{pal::track.r, pal::track.g, pal::track.b, 255});
    Rgb ink = pal::glyph;
    if (state == State::hot) fill_rounded(img, Rect{0, 0, kS, kS}.inset(1), 2.5, {214, 220, 230});
    if (state == State::pressed) {
        fill_rounded(img, Rect{0, 0, kS, kS}.inset(1), 2.5, pal::accent);
        ink = pal::white;
    }
    if (state == State::disabled) ink = {196, 202, 212};
    Image glyph(7, 4);
    draw_pattern(glyph, 0, 0, kArrowUp, ink);
    if (down) glyph = flip_v(glyph);
    overlay(img, glyph, 5, (kS - 4) / 2);
    return img;
}

// Thumbs and grips: a pill inset 3 pixels from each side of the bar.
constexpr Rgb kThumb[] = {{190, 198, 211}, pal::accent, {158, 168, 185}}; // normal, pressed, hot
constexpr Rgb kGrip[] = {{160, 170, 186}, {200, 220, 248}, {128, 139, 158}};
constexpr int kThumbLength = 16;

Image thumb(Rgb c) {
    Image img(kS, kThumbLength);
    fill_rounded(img, {3, 0, kS - 6, kThumbLength}, 5.0, c);
    flatten(img, pal::track);
    return img;
}

Image grip(Rgb c) {
    Image img(kS, kS);
    for (int i = 0; i < 3; ++i)
        hline(img, 6, 10, 6 + 2 * i, c);
    return img;
}

Image track_piece(Rgb c) {
    return Image(kS, 16, Rgba{c.r, c.g, c.b, 255});
}

std::vector<Image> turned(const std::vector<Image>& frames) {
    std::vector<Image> out;
    for (const Image& f : frames)
        out.push_back(transpose(f));
    return out;
}

std::vector<Picture> scroll_pictures() {
    // 23 frames: left 1-4, right 5-8, up 9-12, down 13-16 (normal, pressed, disabled, hot),
    // horizontal grip 17-19 and vertical grip 20-22 (normal, pressed, hot), 23 the corner.
    std::vector<Image> frames;
    const State states[] = {State::normal, State::pressed, State::disabled, State::hot};
    for (bool down : {false, true})
        for (State s : states)
            frames.push_back(transpose(arrow_button(s, down)));
    for (bool down : {false, true})
        for (State s : states)
            frames.push_back(arrow_button(s, down));
    for (const Rgb& c : kGrip)
        frames.push_back(transpose(grip(c)));
    for (const Rgb& c : kGrip)
        frames.push_back(grip(c));
    frames.push_back(Image(kS, kS, Rgba{pal::face.r, pal::face.g, pal::face.b, 255}));

    // Track frames: 1 normal, 2 pressed, 3 disabled, 4 hot.
    const std::vector<Image> track = {track_piece(pal::track), track_piece({222, 227, 235}),
                                      track_piece({243, 244, 247}), track_piece({227, 231, 238})};
    std::vector<Image> thumbs;
    for (const Rgb& c : kThumb)
        thumbs.push_back(thumb(c));
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

Image sunk_edge(Rgb edge, Rgb fill) {
    Image img(kEdgeW, kComboH);
    fill_rounded(img, {0, 0, kEdgeW, kComboH}, 2.0, fill);
    stroke_rounded(img, {0, 0, kEdgeW, kComboH}, 2.0, edge);
    flatten(img, pal::face);
    return img;
}

Image combo_button(Rgb separator, Rgb fill, bool filled) {
    Image img(kButtonPartW, kComboH);
    if (filled) fill_rounded(img, {1, 1, kButtonPartW - 2, kComboH - 2}, 1.5, fill);
    vline(img, 0, 4, kComboH - 5, separator);
    flatten(img, pal::window);
    return img;
}

const Pattern kArrowDown = {"#######", ".#####.", "..###..", "...#..."};
const Pattern kSizeGrip = {".......##", ".......##", ".........", "....##.##", "....##.##",
                           ".........", ".##.##.##", ".##.##.##", "........."};

Image extra_glyph(Rgb c) {
    Image img(9, 9);
    draw_pattern(img, 1, 3, kArrowDown, c);
    return img;
}

std::vector<Picture> combo_pictures() {
    Image grip(9, 9);
    draw_pattern(grip, 0, 0, kSizeGrip, pal::border);
    return {
        {"sunkedge.bmp",
         join({sunk_edge(pal::border, pal::window), sunk_edge(pal::accent_dark, pal::window),
               sunk_edge(pal::border_light, {244, 245, 247}),
               sunk_edge(pal::accent, pal::window)})},
        {"combobutton.bmp", join({combo_button(pal::separator, {}, false),
                                  combo_button(pal::accent_soft, pal::accent_soft, true),
                                  combo_button({228, 231, 236}, {}, false),
                                  combo_button(pal::accent_soft, pal::accent_light, true)})},
        {"extraimages.bmp", join({extra_glyph(pal::glyph), extra_glyph(pal::accent_dark),
                                  extra_glyph({186, 192, 202}), extra_glyph(pal::accent), grip})},
    };
}

// Progress bar: 1 the groove, 2 the fill; the chunk for the chunked style.
Image progress_part(Rgb edge, Rgb top, Rgb bottom) {
    Image img(20, 14);
    fill_rounded_gradient(img, {0, 0, 20, 14}, 3.0, top, bottom);
    stroke_rounded(img, {0, 0, 20, 14}, 3.0, edge);
    flatten(img, pal::face);
    return img;
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

Image trackbar_thumb(const ThumbLook& look, bool pointer) {
    Image img(kThumbW, kThumbH);
    // A pointer ends in a tip at the bottom centre: its sides slope one pixel per row.
    const int mid = kThumbW / 2, body = pointer ? kThumbH - 1 - mid : kThumbH;
    const Rect r{0, 0, kThumbW, kThumbH};
    fill_rounded_gradient(img, r, 2.5, look.top, look.bottom);
    stroke_rounded(img, r, 2.5, look.edge);
    for (int y = body; y < kThumbH; ++y) {
        const int edge = mid - (y - body); // distance of the sloped edge from the centre
        for (int x = 0; x < kThumbW; ++x) {
            const int d = x < mid ? mid - x : x - mid;
            if (d > edge) img.set(x, y, Rgba{});
            if (d == edge) img.set(x, y, look.edge);
        }
    }
    flatten(img, pal::face);
    return img;
}

std::vector<Picture> value_bar_pictures() {
    std::vector<Image> horz, down;
    for (const ThumbLook& look : kTrackThumb) {
        horz.push_back(trackbar_thumb(look, false));
        down.push_back(trackbar_thumb(look, true));
    }
    std::vector<Image> up, right, left;
    for (const Image& f : down) {
        up.push_back(flip_v(f));
        right.push_back(transpose(f));
        left.push_back(mirror_h(transpose(f)));
    }
    Image chunk(8, 10);
    fill_rect(chunk, {0, 0, 7, 10}, pal::accent);
    hline(chunk, 0, 6, 0, pal::accent_hot);
    return {
        {"progress.bmp", join({progress_part({176, 184, 197}, {222, 226, 233}, {234, 237, 242}),
                               progress_part(pal::accent_dark, pal::accent_hot, pal::accent)})},
        {"progresschunk.bmp", chunk},
        {"thumbhorz.bmp", join(horz)},
        {"thumbvert.bmp", join(turned(horz))},
        {"thumbdown.bmp", join(down)},
        {"thumbup.bmp", join(up)},
        {"thumbright.bmp", join(right)},
        {"thumbleft.bmp", join(left)},
        {"track.bmp", track_channel(false)},
        {"trackvert.bmp", track_channel(true)},
    };
}

// Up-down buttons: frames 1-4 the first half (up or left), 5-8 the second (down or right),
// each normal, pressed, disabled, hot; the glyph strip has the same eight frames.
constexpr int kUpDownW = 17, kUpDownH = 11;

Image updown_half(const ThumbLook& look, bool second) {
    Image img(kUpDownW, kUpDownH);
    // Round only the outer corners: draw a shape twice as tall and keep the outer half.
    Image whole(kUpDownW, 2 * kUpDownH);
    fill_rounded_gradient(whole, {0, 0, kUpDownW, 2 * kUpDownH}, 2.5, look.top, look.bottom);
    stroke_rounded(whole, {0, 0, kUpDownW, 2 * kUpDownH}, 2.5, look.edge);
    img.paste(whole, 0, second ? kUpDownH : 0, kUpDownW, kUpDownH, 0, 0);
    hline(img, 0, kUpDownW - 1, second ? 0 : kUpDownH - 1, look.edge);
    flatten(img, pal::face);
    return img;
}

std::vector<Picture> updown_pictures() {
    const ThumbLook looks[] = {kTrackThumb[0], kTrackThumb[3], kTrackThumb[4], kTrackThumb[2]};
    const Rgb inks[] = {pal::glyph, pal::accent_dark, {186, 192, 202}, pal::accent};
    std::vector<Image> halves, glyphs;
    for (bool second : {false, true})
        for (std::size_t i = 0; i < 4; ++i) {
            halves.push_back(updown_half(looks[i], second));
            Image g(7, 4);
            draw_pattern(g, 0, 0, kArrowUp, inks[i]);
            glyphs.push_back(second ? flip_v(g) : g);
        }
    return {
        {"updownvert.bmp", join(halves)},
        {"updownvertglyph.bmp", join(glyphs)},
        {"updownhorz.bmp", join(turned(halves))},
        {"updownhorzglyph.bmp", join(turned(glyphs))},
    };
}

} // namespace

Image track_channel(bool vertical) {
    Image img(24, 6);
    fill_rounded(img, {0, 0, 24, 6}, 2.5, {222, 226, 232});
    stroke_rounded(img, {0, 0, 24, 6}, 2.5, {168, 177, 191});
    flatten(img, pal::face);
    return vertical ? transpose(img) : img;
}

std::vector<Picture> control_pictures() {
    std::vector<Picture> out = {push_buttons(), check_strip(), radio_strip()};
    for (auto* part : {&scroll_pictures, &combo_pictures, &value_bar_pictures, &updown_pictures})
        for (Picture& p : part())
            out.push_back(std::move(p));
    return out;
}

} // namespace skinart
