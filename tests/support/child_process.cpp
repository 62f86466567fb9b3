#include "tests/support/child_process.h"

#include "tests/support/desktop.h"

#include <cstdlib>

namespace testing_desktop {

Process::Process(const std::string& exe, const std::wstring& args) {
    std::wstring line = L"\"" + WindowsPath(exe) + L"\"";
    if (!args.empty()) line += L" " + args;
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &info_)) {
        info_ = {};
    }
}

Process::~Process() {
    if (!info_.hProcess) return;
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(info_.hProcess, 1);
        WaitForSingleObject(info_.hProcess, 5000);
    }
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

std::optional<DWORD> Process::WaitForExit(std::chrono::milliseconds timeout) {
    if (!info_.hProcess) return std::nullopt;
    const bool ended = PumpUntil(
        [&] { return WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; }, timeout);
    if (!ended) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(info_.hProcess, &code);
    return code;
}

namespace {

struct Search {
    DWORD pid;
    const wchar_t* cls;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND wnd, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(wnd, &pid);
    if (pid == s->pid && IsWindowVisible(wnd) && ClassName(wnd) == s->cls) {
        s->found = wnd;
        return FALSE;
    }
    return TRUE;
}

} // namespace

HWND Process::WaitForWindow(const wchar_t* class_name, std::chrono::milliseconds timeout) const {
    Search search{info_.dwProcessId, class_name, nullptr};
    PumpUntil(
        [&] {
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeout);
    return search.found;
}

namespace {

// A program of the tree under test: PELLICO_PRODUCT_TREE when set (the product tree, whose
// programs this tree's drivers run), else this tree.
std::string ProgramOfTree(const char* path_in_tree, const char* own) {
    const char* tree = std::getenv("PELLICO_PRODUCT_TREE");
    return tree && *tree ? std::string(tree) + "/" + path_in_tree : own;
}

} // namespace

std::string PellicoExe() { return ProgramOfTree("app/Pellico.exe", PELLICO_EXE); }
std::string GalleryExe() { return ProgramOfTree("gallery/SkinGallery.exe", GALLERY_EXE); }

} // namespace testing_desktop
