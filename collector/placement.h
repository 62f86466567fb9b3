// Where the main window goes: near the bottom-right corner of the work area.
#pragma once

namespace collector {

struct Position {
    int left;
    int top;
    bool operator==(const Position&) const = default;
};

// 20 pixels in from the right and bottom of a work area of the given size, at 96 dpi; on a
// denser display the margin scales with the window's density (`dpi`) as its layout does. Only
// the size counts, not the origin, so a taskbar at the left or top moves the window that much
// further in.
Position PlaceNearCorner(int work_width, int work_height, int window_width, int window_height,
                         int dpi);

} // namespace collector
