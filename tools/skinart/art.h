// The generated artwork: every picture of the default skin, the program's bitmap resources
// and the program icon, each drawn at its final size. The skin's pictures are drawn at a scale:
// 1 for a 96-dpi display, 2 for the copies twice the size the skin carries beside them
// ("NAME@2x.bmp", the same design with the same frames, every measure doubled).
#pragma once

#include "tools/skinart/image.h"

#include <string>
#include <vector>

namespace skinart {

// One picture file: its name and its pixels (the skin's ini tells the engine how many state
// frames it holds).
struct Picture {
    std::string file;
    Image image;
};

// Frames of equal size joined side by side, or stacked.
Image join(const std::vector<Image>& frames, bool stacked = false);

// Sizes shared by several pieces; skin.ini states the same numbers.
namespace geo {
inline constexpr int title = 26; // title bar height
inline constexpr int side = 4;   // left, right and bottom frame thickness
inline constexpr int caption_w = 25, caption_h = 18, caption_y = 4;
inline constexpr int scroll = 17; // scroll-bar thickness and arrow length
} // namespace geo

// Each named as the skin names its 1x picture, whatever the scale.
std::vector<Picture> frame_pictures(int scale);   // window borders, caption text back and buttons
std::vector<Picture> control_pictures(int scale); // buttons, check/radio, scroll, combo, bars
std::vector<Picture> panel_pictures(int scale);   // tabs, header, menus, status/tool bars, groups
std::vector<Picture> skin_pictures(int scale);    // all of the above

// The skin's pictures at 1x under their names and at 2x under their larger copies' names.
std::vector<Picture> skin_files();

std::vector<Picture> resource_pictures();      // MORVALEMENU, TRACK, TRACKVERT, GALLERYIMAGES
Image track_channel(bool vertical, int scale); // shared by the skin and the TRACK resources

// The program icon at one of its sizes.
Image icon_image(int size);
inline constexpr int kIconSizes[] = {128, 96, 72, 64, 48, 32, 24, 16};

} // namespace skinart
