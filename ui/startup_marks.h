// Points of a skinned program's start-up, each timed the first time it is reached, so the
// start-up benchmark can split the time from the process's creation to the first skinned paint.
// Reaching a mark costs a comparison once it is timed.
#pragma once

#include <cstdint>

namespace ui {

enum class TStartupMark : int {
    Entry,             // the program's entry runs
    DescriptionRead,   // the main form's stored description read, its skin decoded
    MainFormMade,      // the main form made and its creation handler run
    SkinnerMade,       // a form skinner made for it, before it shows
    SkinnerStarted,    // the skinner started: controls skinned, frame sized, region built
    FirstActivation,   // the skin manager sees a window activated (the main form showing)
    FirstSkinnedPaint, // the skinner painted the frame for the first time once started
    Count
};

void MarkStartup(TStartupMark mark);

// Microseconds from the process's creation to the mark, or -1 while it is not reached.
std::int64_t StartupMarkMicroseconds(TStartupMark mark);

} // namespace ui
