// The generated artwork: every picture of the default skin, the program's bitmap resources
// and the program icon, each drawn at its final size.
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

std::vector<Picture> frame_pictures();   // window borders, caption text back, caption buttons
std::vector<Picture> control_pictures(); // buttons, check/radio, scroll bars, combo, value bars
std::vector<Picture> panel_pictures();   // tabs, header, menus, status bar, tool bars, groups
std::vector<Picture> skin_pictures();    // all of the above

std::vector<Picture> resource_pictures(); // MORVALEMENU, TRACK, TRACKVERT, GALLERYIMAGES
Image track_channel(bool vertical);       // shared by the skin and the TRACK resources

// The program icon at one of its sizes.
Image icon_image(int size);
inline constexpr int kIconSizes[] = {128, 96, 72, 64, 48, 32, 24, 16};

} // namespace skinart
