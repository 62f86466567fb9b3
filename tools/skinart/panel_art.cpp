// Container and list artwork: tabs and their pane, header bar, menu items and the popup menu
// background, status-bar panels, tool-bar buttons and group boxes.
#include "tools/skinart/art.h"

#include "tools/skinart/draw.h"
#include "tools/skinart/palette.h"

namespace skinart {

namespace {

Image solid(int w, int h, Rgb c) {
    return Image(w, h, Rgba{c.r, c.g, c.b, 255});
}

// Tabs: 1 normal, 2 selected, 3 disabled, 4 hot, 5 selected without focus. The selected tab
// has the face colour of the pane below it and an accent line on top; the others are a
// shade darker and keep the pane's top line under them.
constexpr int kTabW = 32, kTabH = 22;

Image tab(Rgb top, Rgb bottom, Rgb edge, bool selected, Rgb accent_line) {
    Image img(kTabW, kTabH);
    const Rect shape{0, 0, kTabW, kTabH + 4}; // round the top corners only
    fill_shape_gradient(img, shape, 3.0, {0, 0, kTabW, kTabH}, top, bottom);
    Image outline(kTabW, kTabH + 4);
    stroke_rounded(outline, shape, 3.0, edge);
    overlay(img, outline, 0, 0); // rows below the tab fall outside and are dropped
    if (selected) {
        fill_shape_gradient(img, shape.inset(1), 2.0, {0, 1, kTabW, 2}, accent_line, accent_line);
    } else {
        hline(img, 0, kTabW - 1, kTabH - 1, pal::border);
    }
    flatten(img, pal::face);
    return img;
}

std::vector<Picture> tab_pictures() {
    Image pane = solid(24, 24, pal::face);
    frame_rect(pane, {0, 0, 24, 24}, pal::border);
    Image pane2 = solid(16, 16, pal::face);
    frame_rect(pane2, {0, 0, 16, 16}, pal::border);
    return {
        {"tabs.bmp", join({tab(pal::face_dark, {218, 223, 230}, pal::border, false, {}),
                           tab(pal::face, pal::face, pal::border, true, pal::accent),
                           tab({236, 238, 241}, {236, 238, 241}, pal::border_light, false, {}),
                           tab(pal::accent_light, pal::face_dark, pal::border, false, {}),
                           tab(pal::face, pal::face, pal::border, true, pal::border)})},
        {"tabborder.bmp", pane},
        {"tabpane.bmp", pane2},
    };
}

// Header items: 1 normal, 2 hot, 3 pressed, 4 disabled, 5 sorted or selected.
Image header_item(Rgb top, Rgb bottom, Rgb line) {
    Image img(24, 22);
    gradient_v(img, {0, 0, 24, 22}, top, bottom);
    hline(img, 0, 23, 21, line);
    vline(img, 23, 4, 17, pal::separator);
    return img;
}

// Menu items, 5 cells: 1 normal (transparent: the menu background shows), 2 separator,
// 3 disabled under the cursor, 4 selected, 5 checked (transparent).
constexpr int kItemW = 24, kItemH = 20;

Image menu_item(int kind) {
    Image img(kItemW, kItemH);
    const Rect plate{1, 1, kItemW - 2, kItemH - 2};
    // The engine shows a separator cell bottom-aligned when the item is lower than the cell;
    // separator items are about 8 pixels high, so the line sits 4 rows above the bottom.
    if (kind == 2) hline(img, 3, kItemW - 4, kItemH - 4, pal::separator);
    if (kind == 3) fill_rounded(img, plate, 3.0, {234, 236, 240});
    if (kind == 4) fill_rounded(img, plate, 3.0, pal::accent);
    flatten(img, pal::menu);
    return img;
}

Image menu_background() {
    Image img = solid(24, 24, pal::menu);
    frame_rect(img, {0, 0, 24, 24}, pal::border);
    return img;
}

// Status-bar panels: 1 lowered, 2 raised, 3 flat.
std::vector<Image> status_edges() {
    Image lowered = solid(12, 12, pal::face);
    frame_rect(lowered, {0, 0, 12, 12}, pal::border_light);
    Image raised = solid(12, 12, pal::face);
    hline(raised, 0, 11, 0, pal::white);
    vline(raised, 0, 0, 11, pal::white);
    hline(raised, 0, 11, 11, pal::border_light);
    vline(raised, 11, 0, 11, pal::border_light);
    return {lowered, raised, solid(12, 12, pal::face)};
}

// Tool-bar buttons: 1 normal and 3 disabled transparent (flat), 2 pressed, 4 hot, 5 down.
Image toolbar_button(Rgb edge, Rgb fill, bool plate) {
    Image img(22, 22);
    if (plate) {
        fill_rounded(img, {0, 0, 22, 22}, 3.0, fill);
        stroke_rounded(img, {0, 0, 22, 22}, 3.0, edge);
    }
    flatten(img, pal::face);
    return img;
}

// Group boxes: the caption plate and the rounded edge (1 normal, 2 disabled) with a
// transparent middle.
Image group_edge(Rgb edge) {
    Image img(16, 16);
    stroke_rounded(img, {0, 0, 16, 16}, 3.0, edge);
    flatten(img, pal::face);
    return img;
}

} // namespace

std::vector<Picture> panel_pictures() {
    std::vector<Picture> out = tab_pictures();
    out.push_back(
        {"headerbar.bmp", join({header_item(pal::white, {238, 241, 245}, pal::border_light),
                                header_item({246, 250, 255}, pal::accent_light, pal::accent_soft),
                                header_item(pal::accent_soft, pal::accent_light, pal::accent),
                                header_item({244, 245, 247}, {244, 245, 247}, pal::separator),
                                header_item(pal::white, {238, 241, 245}, pal::accent)})});
    out.push_back({"menuitem.bmp",
                   join({menu_item(1), menu_item(2), menu_item(3), menu_item(4), menu_item(5)})});
    out.push_back({"menubackground.bmp", menu_background()});
    out.push_back({"statusbar.bmp", join(status_edges())});
    out.push_back(
        {"toolbars.bmp",
         join({toolbar_button({}, {}, false),
               toolbar_button(pal::accent_dark, pal::accent_soft, true),
               toolbar_button({}, {}, false), toolbar_button(pal::accent, pal::accent_light, true),
               toolbar_button(pal::accent_soft, pal::accent_light, true)})});
    Image label(24, 18);
    fill_rounded(label, {0, 0, 24, 18}, 3.0, pal::face_dark);
    flatten(label, pal::face);
    out.push_back({"groupbox.bmp", label});
    out.push_back(
        {"groupboxedge.bmp", join({group_edge(pal::border), group_edge(pal::border_light)})});
    return out;
}

} // namespace skinart
