// Test-side view of the test desktop: waiting while messages flow, finding windows,
// and screenshots saved for people to look at.
#pragma once
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

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

// A Unix path as Wine sees it (Z:\...); a Windows path is returned unchanged.
std::wstring WindowsPath(const std::string& path);

// Window caption and class name, for assertions.
std::wstring WindowText(HWND wnd);
std::wstring ClassName(HWND wnd);

} // namespace testing_desktop
