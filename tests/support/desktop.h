// Test-side view of the test desktop: waiting while messages flow, finding windows,
// and screenshots saved for people to look at.
#pragma once
#include <windows.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testing_desktop {

// How many times longer than usual every wait of a test lasts: PELLICO_WAIT_FACTOR, read once
// (set where the programs under test run emulated, many times slower than natively); 1 unset.
int WaitFactor();

// Runs this thread's messages (sent and posted) for the given time, times the wait factor.
void Pump(std::chrono::milliseconds time);

// Pumps until `done` holds or the time (times the wait factor) runs out; returns whether it
// held.
bool PumpUntil(const std::function<bool()>& done,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));

// The first top-level window of the class (and caption, when given) that appears in time.
HWND WaitForWindow(const wchar_t* class_name, const wchar_t* caption = nullptr,
                   std::chrono::milliseconds timeout = std::chrono::seconds(20));

// Saves the whole screen as NAME.bmp in the folder named by PELLICO_SHOTS (the build tree's
// screenshots folder); does nothing when that is not set. Returns the path written.
std::wstring SaveScreenshot(const std::wstring& name);

// The programs started while this lives get the classic look: the visual style is switched off
// for them (the ThemeManager's ThemeActive "0", which each program reads as it starts). The test
// desktop runs with the style on, which comes back at the end.
class ClassicLook {
public:
    ClassicLook();
    ~ClassicLook();
    ClassicLook(const ClassicLook&) = delete;
    ClassicLook& operator=(const ClassicLook&) = delete;

private:
    std::wstring before_;
};

// What the screen shows of a window, row by row (0x00RRGGBB). Looked at twice a moment apart:
// a pixel that changed on its own in between (a blinking caret) is kUnsteady.
struct WindowLook {
    static constexpr std::uint32_t kUnsteady = 0xFF000000;
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
};
WindowLook SteadyLook(HWND window);
// Leaves what `part` (a child window of the window looked at) shows out of the look, as unsteady.
void LeaveOut(WindowLook& look, HWND window, HWND part);
// Where two looks differ, as "(x, y) a b", or "" when they agree; unsteady pixels of either
// are left out, different sizes are a difference.
std::string LookDifference(const WindowLook& a, const WindowLook& b);

// A Unix path as Wine sees it (Z:\...); a Windows path is returned unchanged.
std::wstring WindowsPath(const std::string& path);

// The bytes of a file named by its Unix path (a fixture, the packed default skin); none when it
// cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);

// Window caption and class name, for assertions.
std::wstring WindowText(HWND wnd);
std::wstring ClassName(HWND wnd);

} // namespace testing_desktop
