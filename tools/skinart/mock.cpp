// Window mock: the main window composed from a skin directory's images with the margins,
// frame counts and caption-button positions its skin.ini gives, roughly as the engine
// composes it, so the skin can be judged as a whole before the engine runs it. At scale 2 it
// is the window on a 192-dpi display: the layout doubled, the pictures' larger copies.
#include "tools/skinart/review.h"

#include "tools/skinart/bmp.h"
#include "tools/skinart/canvas.h"
#include "tools/skinart/font5x7.h"

#include "skin/model/quick_ini.h"
#include "skin/model/skin_catalogue.h"

#include <algorithm>
#include <vector>

namespace skinart {

namespace {

struct Margins {
    int left = 0, top = 0, right = 0, bottom = 0;
    Margins times(int k) const { return {left * k, top * k, right * k, bottom * k}; }
};

struct Strip {
    Image image;
    int frames = 1;
    bool stacked = false;

    Image cell(int frame) const { // frames count from 1
        const int n = std::max(frames, 1);
        const int i = std::clamp(frame, 1, n) - 1;
        if (stacked) {
            const int h = image.height() / n;
            return image.crop(0, i * h, image.width(), h);
        }
        const int w = image.width() / n;
        return image.crop(i * w, 0, w, image.height());
    }
};

// Nearest-neighbour stretch of the block s of src into d; magenta is skipped when trans.
void stretch(Image& dst, Rect d, const Image& src, Rect s, bool trans) {
    if (d.w <= 0 || d.h <= 0 || s.w <= 0 || s.h <= 0) return;
    for (int y = 0; y < d.h; ++y)
        for (int x = 0; x < d.w; ++x) {
            const Rgba p = src.at(s.x + x * s.w / d.w, s.y + y * s.h / d.h);
            if (trans && Rgb{p.r, p.g, p.b} == kMagenta) continue;
            dst.set(d.x + x, d.y + y, p);
        }
}

// Fixed corners, stretched edges and middle, as the engine's nine-grid renderer.
void nine_grid(Image& dst, Rect d, const Image& cell, Margins m, bool trans) {
    if (d.w < m.left + m.right) m.left = m.right = 0;
    if (d.h < m.top + m.bottom) m.top = m.bottom = 0;
    const int sx[] = {0, m.left, cell.width() - m.right, cell.width()};
    const int sy[] = {0, m.top, cell.height() - m.bottom, cell.height()};
    const int dx[] = {d.x, d.x + m.left, d.right() - m.right, d.right()};
    const int dy[] = {d.y, d.y + m.top, d.bottom() - m.bottom, d.bottom()};
    for (int j = 0; j < 3; ++j)
        for (int i = 0; i < 3; ++i)
            stretch(dst, {dx[i], dy[j], dx[i + 1] - dx[i], dy[j + 1] - dy[j]}, cell,
                    {sx[i], sy[j], sx[i + 1] - sx[i], sy[j + 1] - sy[j]}, trans);
}

class Skin {
public:
    // The pictures at `scale`: 2 reads the larger copies.
    Skin(std::string dir, std::string_view ini_text, int scale)
        : dir_(std::move(dir)), scale_(scale) {
        ini_.LoadFromStream(ini_text);
    }

    int scale() const { return scale_; }
    Strip strip(std::string_view section, std::string_view key, int frames,
                bool stacked = false) const {
        std::string file = ini_.ReadString(section, key, "");
        if (scale_ == 2) file = LargeName(file);
        auto img = file.empty() ? std::nullopt : read_bmp(dir_ + "/" + file);
        return {img ? std::move(*img) : Image{}, frames, stacked};
    }
    Margins margins(std::string_view section) const {
        return {number(section, "LeftWidth", 0), number(section, "TopHeight", 0),
                number(section, "RightWidth", 0), number(section, "BottomHeight", 0)};
    }
    int number(std::string_view section, std::string_view key, int fallback) const {
        return ini_.ReadInteger(section, key, fallback);
    }
    // A colour value: up to three numbers separated by anything else.
    Rgb colour(std::string_view key, Rgb fallback) const {
        const std::string v = ini_.ReadString("Colours", key, "");
        if (v.empty()) return fallback;
        int parts[3] = {0, 0, 0}, count = 0, pending = -1;
        for (char c : v + " ") {
            if (c >= '0' && c <= '9') {
                pending = (pending < 0 ? 0 : pending * 10) + (c - '0');
            } else if (pending >= 0) {
                if (count < 3) parts[count++] = pending % 256;
                pending = -1;
            }
        }
        return {static_cast<std::uint8_t>(parts[0]), static_cast<std::uint8_t>(parts[1]),
                static_cast<std::uint8_t>(parts[2])};
    }

private:
    std::string dir_;
    int scale_;
    TQuickIni ini_;
};

// Drawing on the mock in its 1x layout: rectangles, margins and text placed at the scale; the
// pictures, read at the scale, are placed by their own pixels.
class Layout {
public:
    Layout(Image& img, int scale) : img_(img), k_(scale) {}
    Rect at(Rect r) const { return scaled(r, k_); }
    void fill(Rect r, Rgb c) { fill_rect(img_, at(r), c); }
    void frame(Rect r, Rgb c) { frame_rect(img_, at(r), c, k_); }
    void grid(Rect d, const Image& cell, Margins m, bool trans) {
        nine_grid(img_, at(d), cell, m.times(k_), trans);
    }
    void picture(int x, int y, const Image& cell) { // (x, y) in the 1x layout
        stretch(img_, {x * k_, y * k_, cell.width(), cell.height()}, cell,
                {0, 0, cell.width(), cell.height()}, true);
    }
    void text(int x, int y, std::string_view s, Rgb c) {
        draw_text(img_, x * k_, y * k_, s, c, k_);
    }
    void text_in(Rect r, std::string_view s, Rgb c) {
        text(r.x + (r.w - text_width(s)) / 2, r.y + (r.h - kGlyphHeight) / 2, s, c);
    }

private:
    Image& img_;
    int k_;
};

// The frame pictures' cell, caption colour and caption-button cell of a window state.
struct WindowState {
    int frame, button_cell;
    const char* caption_key;
};

constexpr int kClientW = 263, kClientH = 354;

std::optional<Image> compose(const Skin& skin, const WindowState& state) {
    const char* P = "Personality";
    const int k = skin.scale();
    const Strip left = skin.strip(P, "Left", skin.number(P, "LeftFrame", 1));
    const Strip right = skin.strip(P, "Right", skin.number(P, "RightFrame", 1));
    const Strip top = skin.strip(P, "Top", skin.number(P, "TopFrame", 1), true);
    const Strip bottom = skin.strip(P, "Bottom", skin.number(P, "BottomFrame", 1), true);
    if (left.image.width() == 0 || top.image.width() == 0) return std::nullopt;
    // The frame's measures in the 1x layout.
    const int lw = left.cell(1).width() / k, rw = right.cell(1).width() / k;
    const int th = top.cell(1).height() / k, bh = bottom.cell(1).height() / k;
    const int W = kClientW + lw + rw, H = kClientH + th + bh;
    const int f = state.frame;
    Image win(W * k, H * k, Rgba{255, 0, 255, 255});
    Layout l(win, k);
    const Rgb face = skin.colour("ButtonFace", {240, 240, 240});
    const Rgb text = skin.colour("ButtonText", {0, 0, 0});
    l.fill({lw, th, kClientW, kClientH}, face);
    l.grid({0, 0, lw, H}, left.cell(f),
           {0, skin.number(P, "LeftTopHeight", 0), 0, skin.number(P, "LeftBotHeight", 0)}, false);
    l.grid({W - rw, 0, rw, H}, right.cell(f),
           {0, skin.number(P, "RightTopHeight", 0), 0, skin.number(P, "RightBotHeight", 0)}, false);
    l.grid({lw, H - bh, W - lw - rw, bh}, bottom.cell(f),
           {skin.number(P, "BottomTopHeight", 0), 0, skin.number(P, "BottomBotHeight", 0), 0},
           false);
    l.grid({lw, 0, W - lw - rw, th}, top.cell(f),
           {skin.number(P, "TopTopHeight", 0), 0, skin.number(P, "TopBotHeight", 0), 0}, false);

    // Caption: left-aligned, 16 pixels further left for a dialog frame, after one blank.
    const int text_x = lw + skin.number(P, "TextShift", 0) - 16 + kGlyphAdvance;
    l.text(text_x, (th - kGlyphHeight) / 2 + skin.number(P, "TextShiftVert", 0) / 2, "Pellico",
           skin.colour(state.caption_key, {255, 255, 255}));
    // Close enabled (the inactive cell on an inactive window); maximise and minimise shown
    // disabled, as on a dialog without them.
    for (auto [section, cell] : {std::pair{"Button.Close", state.button_cell},
                                 {"Button.Maximize", 4},
                                 {"Button.Minimize", 4}}) {
        const Strip b = skin.strip(section, "ButtonImage", skin.number(section, "Frame", 1));
        l.picture(W - skin.number(section, "Xcoord", 0), skin.number(section, "Ycoord", 0),
                  b.cell(cell));
    }

    auto at = [&](int x, int y, int w, int h) { return Rect{lw + x, th + y, w, h}; };

    // List box: border line and face line, white inside, then the scroll bar overlay.
    const Rect list = at(8, 8, 234, 195);
    l.frame(list, skin.colour("ButtonShadow", {128, 128, 128}));
    l.frame(list.inset(1), face);
    l.fill(list.inset(2), {255, 255, 255});
    const char* items[] = {"first copied line",
                           "a second entry",
                           "selected entry",
                           "https://example.org/x",
                           "1234 5678",
                           "Name",
                           "Street 12",
                           "phone 555 0100",
                           "last line",
                           "more",
                           "and more",
                           "and more still",
                           "end"};
    for (int i = 0; i < 13; ++i) {
        const Rect row{list.x + 2, list.y + 2 + 14 * i, list.w - 4 - 17, 14};
        if (i == 2) l.fill(row, skin.colour("Hilight", {0, 0, 128}));
        l.text(row.x + 3, row.y + 4, items[i],
               i == 2 ? skin.colour("HilightText", {255, 255, 255}) : text);
    }
    const Strip arrows = skin.strip("Scrollbar", "Image", 23);
    const Strip vtrack = skin.strip("VertScroll", "Image", 4);
    const Strip vthumb =
        skin.strip("VertScrollThumb", "Image", skin.number("VertScrollThumb", "FrameCount", 3));
    const int a = arrows.image.height() / k;
    const Rect bar{list.right() - 2 - a, list.y + 2, a, list.h - 4};
    l.fill(bar, face);
    l.grid({bar.x, bar.y + a, a, bar.h - 2 * a}, vtrack.cell(1), skin.margins("VertScroll"), true);
    l.picture(bar.x, bar.y, arrows.cell(9));
    l.picture(bar.x, bar.bottom() - a, arrows.cell(13));
    const Rect thumb{bar.x, bar.y + a + 24, a, 64};
    l.grid(thumb, vthumb.cell(1), skin.margins("VertScrollThumb"), true);
    l.picture(bar.x, thumb.y + (thumb.h - a) / 2, arrows.cell(20));

    // Push buttons: focused, hot and normal.
    const Strip button = skin.strip("Buttons", "Bitmap", 5);
    const std::pair<int, const char*> buttons[] = {{5, "Paste"}, {4, "All"}, {1, "Clear"}};
    for (int i = 0; i < 3; ++i) {
        const Rect r = at(9 + 85 * i, 209, 59, 38);
        l.grid(r, button.cell(buttons[i].first), skin.margins("Buttons"), true);
        l.text_in({r.x, r.y - 1, r.w, r.h}, buttons[i].second, text);
    }

    // Check box, unchecked.
    const Strip check =
        skin.strip("Buttons", "CheckButton", skin.number("Buttons", "CheckButtonFrame", 4));
    const Image box = check.cell(1);
    const Rect cb = at(8, 255, 141, 26);
    l.picture(cb.x, cb.y + (cb.h - box.height() / k) / 2, box);
    l.text(cb.x + box.width() / k + 4, cb.y + (cb.h - kGlyphHeight) / 2, "Auto type after", text);

    // Combo box: the composite the engine derives from the sunken edge, the button and the
    // arrow glyph, drawn as one element over the white edit field.
    const Strip edge = skin.strip("SunkEdge", "Image", 4);
    const Strip combo = skin.strip("ComboButton", "Image", 4);
    const Strip glyphs = skin.strip("ExtraImages", "Image", 5);
    const int b = a + 2;
    Image composite(50 * k, 21 * k, Rgba{255, 0, 255, 255});
    Layout c(composite, k);
    c.grid({0, 0, 50, 21}, edge.cell(1), skin.margins("SunkEdge"), true);
    c.grid({50 - b, 0, b, 21}, combo.cell(1), skin.margins("ComboButton"), true);
    const Image g = glyphs.cell(1);
    c.picture(50 - b + (b - g.width() / k) / 2, (21 - g.height() / k) / 2, g);
    c.fill({2, 2, 47 - b, 16}, kMagenta);
    const Rect cr = at(158, 256, 94, 24);
    l.fill(cr, {255, 255, 255});
    Margins cm = skin.margins("SunkEdge");
    cm.left = 2;
    cm.right = b + 2;
    l.grid(cr, composite, cm, true);
    l.text(cr.x + 5, cr.y + (cr.h - kGlyphHeight) / 2, "Tab", text);

    l.text(lw + 3, th + 298 + 4, "F4 pastes the next entry, F5 all", text);

    return win;
}

} // namespace

std::optional<Image> window_mock(const std::string& skin_dir, int scale) {
    const auto ini_bytes = read_file(skin_dir + "/skin.ini");
    if (!ini_bytes) return std::nullopt;
    const Skin skin(skin_dir, std::string(ini_bytes->begin(), ini_bytes->end()), scale);
    const auto active = compose(skin, {1, 1, "TitleTextActive"});
    const auto inactive = compose(skin, {2, 4, "TitleTextNoActive"});
    if (!active || !inactive) return std::nullopt;

    // Active and inactive side by side on a plain desktop; the magenta key cut out.
    constexpr int kDesk = 24;
    const int k = scale;
    const int W = active->width() / k, H = active->height() / k;
    Image desk((2 * W + 3 * kDesk) * k, (H + 2 * kDesk) * k, Rgba{58, 92, 104, 255});
    Layout l(desk, k);
    const char* P = "Personality";
    const int lw = skin.strip(P, "Left", skin.number(P, "LeftFrame", 1)).cell(1).width() / k;
    const int th = skin.strip(P, "Top", skin.number(P, "TopFrame", 1), true).cell(1).height() / k;
    for (int i = 0; i < 2; ++i) {
        const int x = kDesk + i * (W + kDesk);
        l.picture(x, kDesk, i == 0 ? *active : *inactive);
        // The credit label is magenta itself, so it is drawn after the key colour is cut.
        const int cx = x + lw, cy = kDesk + th;
        l.text(cx + 1, cy + 333 + 3, "Korvane", {255, 0, 255});
        l.text(cx + 164, cy + 333 + 2, "More free software", {0, 0, 255});
        l.fill({cx + 164, cy + 333 + 10, text_width("More free software") + 1, 1}, {0, 0, 255});
    }
    return desk;
}

} // namespace skinart
