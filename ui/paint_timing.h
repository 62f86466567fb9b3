// The program's own count of what its paints cost, for the repaint benchmark: every paint
// message a window of the class library handles (its controls' windows and its message windows)
// or a subclass of a window hears, and every graphic control painted by its parent, is timed
// with the performance counter and added to its part, the class name of the control or window. Time spent in a paint timed inside
// another (a graphic control within its form's paint, an erase within a paint) is counted for
// the inner one only. A timed paint costs two counter reads and a look-up among a few parts.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace ui {

// Which side of a window a paint is for.
enum class TPaintSide : int {
    Client, // WM_PAINT, WM_ERASEBKGND, WM_PRINTCLIENT, a graphic control's paint
    Frame,  // WM_NCPAINT
    Count
};

// The side a message paints, or none (Count) for a message that is not a paint.
TPaintSide PaintSideOf(UINT msg);

// Times one paint of `part` for as long as it lives; nothing for TPaintSide::Count.
class TPaintTiming {
public:
    TPaintTiming(std::wstring_view part, TPaintSide side);
    // A message of `window`, timed when it is a paint, as a part of the window's class.
    TPaintTiming(HWND window, UINT msg);
    ~TPaintTiming();
    TPaintTiming(const TPaintTiming&) = delete;
    TPaintTiming& operator=(const TPaintTiming&) = delete;

private:
    void Start(std::wstring_view part);
    TPaintSide side_;
    std::size_t part_ = 0;
    std::int64_t start_ = 0;
    std::int64_t inner_ = 0; // ticks of the paints timed inside this one
    TPaintTiming* outer_ = nullptr;
};

struct TPaintTotals {
    std::int64_t microseconds = 0;
    std::int64_t paints = 0;
};

// What the paints of `part` on `side` cost so far.
TPaintTotals PaintTotals(std::wstring_view part, TPaintSide side);

} // namespace ui
