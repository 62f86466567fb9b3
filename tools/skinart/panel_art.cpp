// Container and list artwork: tabs and their pane, header bar, menu items and the popup menu
// background, status-bar panels, tool-bar buttons and group boxes.
#include "tools/skinart/art.h"

#include "tools/skinart/canvas.h"
#include "tools/skinart/palette.h"

namespace skinart {

namespace {

Image solid(int scale, int w, int h, Rgb c) {
    return Canvas(w, h, scale, c).image();
}

// A face-coloured square with a one-pixel border.
Image framed(int scale, int size, Rgb fill, Rgb border) {
    Canvas img(size, size, scale, fill);
    img.frame_rect({0, 0, size, size}, border);
    return std::move(img).image();
}

// Tabs: 1 normal, 2 selected, 3 disabled, 4 hot, 5 selected without focus. The selected tab
// has the face colour of the pane below it and an accent line on top; the others are a
// shade darker and keep the pane's top line under them.
constexpr int kTabW = 32, kTabH = 22;

Image tab(int scale, Rgb top, Rgb bottom, Rgb edge, bool selected, Rgb accent_line) {
    Canvas img(kTabW, kTabH, scale);
    const Rect shape{0, 0, kTabW, kTabH + 4}; // round the top corners only
    img.fill_shape_gradient(shape, 3.0, {0, 0, kTabW, kTabH}, top, bottom);
    Canvas outline(kTabW, kTabH + 4, scale);
    outline.stroke_rounded(shape, 3.0, edge);
    img.overlay(outline, 0, 0); // rows below the tab fall outside and are dropped
    if (selected) {
        img.fill_shape_gradient(shape.inset(1), 2.0, {0, 1, kTabW, 2}, accent_line, accent_line);
    } else {
        img.hline(0, kTabW - 1, kTabH - 1, pal::border);
    }
    img.flatten(pal::face);
    return std::move(img).image();
}

std::vector<Picture> tab_pictures(int k) {
    return {
        {"tabs.bmp", join({tab(k, pal::face_dark, {218, 223, 230}, pal::border, false, {}),
                           tab(k, pal::face, pal::face, pal::border, true, pal::accent),
                           tab(k, {236, 238, 241}, {236, 238, 241}, pal::border_light, false, {}),
                           tab(k, pal::accent_light, pal::face_dark, pal::border, false, {}),
                           tab(k, pal::face, pal::face, pal::border, true, pal::border)})},
        {"tabborder.bmp", framed(k, 24, pal::face, pal::border)},
        {"tabpane.bmp", framed(k, 16, pal::face, pal::border)},
    };
}

// Header items: 1 normal, 2 hot, 3 pressed, 4 disabled, 5 sorted or selected.
Image header_item(int scale, Rgb top, Rgb bottom, Rgb line) {
    Canvas img(24, 22, scale);
    img.gradient_v({0, 0, 24, 22}, top, bottom);
    img.hline(0, 23, 21, line);
    img.vline(23, 4, 17, pal::separator);
    return std::move(img).image();
}

// Menu items, 5 cells: 1 normal (transparent: the menu background shows), 2 separator,
// 3 disabled under the cursor, 4 selected, 5 checked (transparent).
constexpr int kItemW = 24, kItemH = 20;

Image menu_item(int scale, int kind) {
    Canvas img(kItemW, kItemH, scale);
    const Rect plate{1, 1, kItemW - 2, kItemH - 2};
    // The engine shows a separator cell bottom-aligned when the item is lower than the cell;
    // separator items are about 8 pixels high, so the line sits 4 rows above the bottom.
    if (kind == 2) img.hline(3, kItemW - 4, kItemH - 4, pal::separator);
    if (kind == 3) img.fill_rounded(plate, 3.0, {234, 236, 240});
    if (kind == 4) img.fill_rounded(plate, 3.0, pal::accent);
    img.flatten(pal::menu);
    return std::move(img).image();
}

// Status-bar panels: 1 lowered, 2 raised, 3 flat.
std::vector<Image> status_edges(int scale) {
    Canvas raised(12, 12, scale, pal::face);
    raised.hline(0, 11, 0, pal::white);
    raised.vline(0, 0, 11, pal::white);
    raised.hline(0, 11, 11, pal::border_light);
    raised.vline(11, 0, 11, pal::border_light);
    return {framed(scale, 12, pal::face, pal::border_light), std::move(raised).image(),
            solid(scale, 12, 12, pal::face)};
}

// Tool-bar buttons: 1 normal and 3 disabled transparent (flat), 2 pressed, 4 hot, 5 down.
Image toolbar_button(int scale, Rgb edge, Rgb fill, bool plate) {
    Canvas img(22, 22, scale);
    if (plate) {
        img.fill_rounded({0, 0, 22, 22}, 3.0, fill);
        img.stroke_rounded({0, 0, 22, 22}, 3.0, edge);
    }
    img.flatten(pal::face);
    return std::move(img).image();
}

// Group boxes: the caption plate and the rounded edge (1 normal, 2 disabled) with a
// transparent middle.
Image group_edge(int scale, Rgb edge) {
    Canvas img(16, 16, scale);
    img.stroke_rounded({0, 0, 16, 16}, 3.0, edge);
    img.flatten(pal::face);
    return std::move(img).image();
}

Image group_label(int scale) {
    Canvas label(24, 18, scale);
    label.fill_rounded({0, 0, 24, 18}, 3.0, pal::face_dark);
    label.flatten(pal::face);
    return std::move(label).image();
}

} // namespace

std::vector<Picture> panel_pictures(int k) {
    std::vector<Picture> out = tab_pictures(k);
    out.push_back({"headerbar.bmp",
                   join({header_item(k, pal::white, {238, 241, 245}, pal::border_light),
                         header_item(k, {246, 250, 255}, pal::accent_light, pal::accent_soft),
                         header_item(k, pal::accent_soft, pal::accent_light, pal::accent),
                         header_item(k, {244, 245, 247}, {244, 245, 247}, pal::separator),
                         header_item(k, pal::white, {238, 241, 245}, pal::accent)})});
    out.push_back({"menuitem.bmp", join({menu_item(k, 1), menu_item(k, 2), menu_item(k, 3),
                                         menu_item(k, 4), menu_item(k, 5)})});
    out.push_back({"menubackground.bmp", framed(k, 24, pal::menu, pal::border)});
    out.push_back({"statusbar.bmp", join(status_edges(k))});
    out.push_back(
        {"toolbars.bmp", join({toolbar_button(k, {}, {}, false),
                               toolbar_button(k, pal::accent_dark, pal::accent_soft, true),
                               toolbar_button(k, {}, {}, false),
                               toolbar_button(k, pal::accent, pal::accent_light, true),
                               toolbar_button(k, pal::accent_soft, pal::accent_light, true)})});
    out.push_back({"groupbox.bmp", group_label(k)});
    out.push_back(
        {"groupboxedge.bmp", join({group_edge(k, pal::border), group_edge(k, pal::border_light)})});
    return out;
}

} // namespace skinart
