#include "ui/startup_marks.h"

#include <windows.h>

#include <array>

namespace ui {
namespace {

constexpr auto kMarks = static_cast<std::size_t>(TStartupMark::Count);

struct Clock {
    // Performance-counter ticks at the first mark, and the microseconds from the process's
    // creation to that moment (from the system clock, which the creation time comes from).
    LARGE_INTEGER base{};
    LARGE_INTEGER frequency{};
    std::int64_t baseMicroseconds = 0;
    std::array<std::int64_t, kMarks> marks = [] {
        std::array<std::int64_t, kMarks> a{};
        a.fill(-1);
        return a;
    }();
    bool started = false;
};

Clock& TheClock() {
    static Clock clock;
    return clock;
}

std::int64_t FileTimeTicks(const FILETIME& t) {
    return static_cast<std::int64_t>(ULARGE_INTEGER{{t.dwLowDateTime, t.dwHighDateTime}}.QuadPart);
}

} // namespace

void MarkStartup(TStartupMark mark) {
    Clock& clock = TheClock();
    const auto index = static_cast<std::size_t>(mark);
    if (index >= kMarks || clock.marks[index] >= 0) return;
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    if (!clock.started) {
        clock.started = true;
        clock.base = now;
        QueryPerformanceFrequency(&clock.frequency);
        FILETIME created{}, exited{}, kernel{}, user{}, system{};
        GetSystemTimeAsFileTime(&system);
        if (GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
            clock.baseMicroseconds = (FileTimeTicks(system) - FileTimeTicks(created)) / 10;
    }
    clock.marks[index] = clock.baseMicroseconds + (now.QuadPart - clock.base.QuadPart) *
                                                      1'000'000 / clock.frequency.QuadPart;
}

std::int64_t StartupMarkMicroseconds(TStartupMark mark) {
    const auto index = static_cast<std::size_t>(mark);
    return index < kMarks ? TheClock().marks[index] : -1;
}

} // namespace ui
