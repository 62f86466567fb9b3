// A child process started by a test; ended by the destructor if it is still running.
#pragma once
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>

namespace testing_desktop {

class Process {
public:
    // Starts `exe` (a Unix or Windows path) with the command-line arguments.
    explicit Process(const std::string& exe, const std::wstring& args = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    bool Started() const { return info_.hProcess != nullptr; }
    DWORD Id() const { return info_.dwProcessId; }
    // The exit code once the process ended within the time, pumping messages meanwhile.
    std::optional<DWORD> WaitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    // The first visible top-level window of this process with the class, in time.
    HWND WaitForWindow(const wchar_t* class_name,
                       std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;

private:
    PROCESS_INFORMATION info_{};
};

// The Pellico.exe and SkinGallery.exe under test: those of the tree PELLICO_PRODUCT_TREE names
// (a build tree's folder) when set, else this build tree's.
std::string PellicoExe();
std::string GalleryExe();

} // namespace testing_desktop
