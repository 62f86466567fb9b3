// The main window as the user meets it: topmost, fixed size without minimise or maximise, no
// taskbar button, placed near the corner of a 1920 x 1040 work area, drawn in the skin's frame;
// the viewer chain kept intact; start-up while another program holds the clipboard.
#include "tests/e2e/e2e_fixture.h"
#include "tests/e2e/pellico_on_desktop.h"

#include "skin/runtime/skin_messages.h"
#include "ui/win_handles.h"

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace e2e {
namespace {

TEST(Placement, TwentyPixelsInFromTheCornerOfTheWorkArea) {
    PellicoOnDesktop pellico(L"PellicoPlacement", L"1920x1040");
    const HWND main = pellico.WaitForMain();
    ASSERT_NE(main, nullptr);
    RECT outer{}, client{};
    ASSERT_TRUE(testing_desktop::PumpUntil(
        [&] {
            GetWindowRect(main, &outer);
            return SendMessageW(main, SM_ISSKINNED, 0, 0) == 1 && outer.right - outer.left == 271;
        },
        10s));
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 263);
    EXPECT_EQ(client.bottom, 354);
    // Created with the system's dialog frame, 269 x 379 under Wine, the window goes to
    // (1631, 641): its right and bottom edges 20 pixels in from those of the work area. The
    // skin's frame (4 pixels at the sides and the bottom, a 26-pixel title) then grows it to
    // 271 x 384 where it stands.
    EXPECT_EQ(outer.left, 1631);
    EXPECT_EQ(outer.top, 641);
    EXPECT_EQ(outer.right, 1902);
    EXPECT_EQ(outer.bottom, 1025);
}

TEST_F(PellicoTest, MainWindowIsTopmostFixedAndOffTheTaskbar) {
    const HWND main = pellico_.Main();
    EXPECT_EQ(testing_desktop::WindowText(main), L"Pellico剪贴板");
    const LONG style = GetWindowLongW(main, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(main, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);

    // Skinned once it was first activated: the skin draws the caption and its close button
    // in place of the system's, in the default skin's frame (4 pixels at the sides and the
    // bottom, a 26-pixel title).
    RECT outer{};
    EXPECT_TRUE(testing_desktop::PumpUntil(
        [&] {
            GetWindowRect(main, &outer);
            return SendMessageW(main, SM_ISSKINNED, 0, 0) == 1 && outer.right - outer.left == 271;
        },
        5s));
    EXPECT_FALSE(GetWindowLongW(main, GWL_STYLE) & WS_SYSMENU);
    RECT client{};
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 263);
    EXPECT_EQ(client.bottom, 354);

    // The application window owns the main window and is a tool window: no taskbar button.
    const HWND application = GetWindow(main, GW_OWNER);
    ASSERT_NE(application, nullptr);
    EXPECT_TRUE(GetWindowLongW(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    CopyAll({L"第一条", L"second entry"});
    testing_desktop::Pump(500ms);
    testing_desktop::SaveScreenshot(L"e2e_main_window");
}

// The main window with two entries, as a user sees it once it is skinned, the mouse away.
testing_desktop::WindowLook LookAtMainWindow(const std::wstring& shot) {
    PellicoDriver pellico;
    if (!pellico.WaitUntilUp()) return {};
    const HWND main = pellico.Main();
    EXPECT_TRUE(testing_desktop::PumpUntil(
        [&] { return SendMessageW(main, SM_ISSKINNED, 0, 0) == 1; }, 10s));
    int count = 0;
    for (const auto* text : {L"第一条", L"second entry"}) {
        CopyText(text);
        EXPECT_TRUE(pellico.WaitForCount(++count));
    }
    SetCursorPos(0, 400);
    RedrawWindow(main, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_desktop::Pump(500ms);
    testing_desktop::WindowLook look = testing_desktop::SteadyLook(main);
    testing_desktop::SaveScreenshot(shot);
    EXPECT_EQ(pellico.Close(), std::optional<DWORD>(0));
    collector_test::CleanClipboard::Empty();
    return look;
}

// Users run Windows with a visual style on: the skinned main window looks the same as in the
// classic look, pixel for pixel.
TEST(MainWindow, LooksTheSameWithTheVisualStyleOnAndOff) {
    const testing_desktop::WindowLook themed = LookAtMainWindow(L"e2e_main_window_themed");
    testing_desktop::WindowLook classic;
    {
        const testing_desktop::ClassicLook off;
        classic = LookAtMainWindow(L"e2e_main_window_classic");
    }
    ASSERT_FALSE(themed.pixels.empty());
    EXPECT_EQ(testing_desktop::LookDifference(themed, classic), "");
}

// A program's file and where its PE headers are.
class ProgramFile {
public:
    explicit ProgramFile(const std::string& exe) {
        std::ifstream file(testing_desktop::WindowsPath(exe).c_str(), std::ios::binary);
        bytes_.assign(std::istreambuf_iterator<char>(file), {});
        IMAGE_DOS_HEADER dos{};
        DWORD signature = 0;
        if (Read(0, dos) && dos.e_magic == IMAGE_DOS_SIGNATURE && Read(dos.e_lfanew, signature) &&
            signature == IMAGE_NT_SIGNATURE && Read(dos.e_lfanew + 4, header_))
            optional_ = dos.e_lfanew + 4 + sizeof(header_);
    }

    // The machine it was built for; 0 when unreadable.
    WORD Machine() const { return optional_ ? header_.Machine : 0; }

    // The libraries it imports, in upper case: each is loaded with the program, before its
    // entry runs. Empty when unreadable.
    std::vector<std::string> ImportedLibraries() const {
        WORD magic = 0;
        if (!optional_ || !Read(optional_, magic)) return {};
        const std::size_t directories =
            optional_ + (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC
                             ? offsetof(IMAGE_OPTIONAL_HEADER64, DataDirectory)
                             : offsetof(IMAGE_OPTIONAL_HEADER32, DataDirectory));
        IMAGE_DATA_DIRECTORY imports{};
        if (!Read(directories + IMAGE_DIRECTORY_ENTRY_IMPORT * sizeof(imports), imports)) return {};
        std::vector<std::string> names;
        IMAGE_IMPORT_DESCRIPTOR entry{};
        for (std::size_t at = FileOffset(imports.VirtualAddress);
             Read(at, entry) && entry.Name != 0; at += sizeof(entry)) {
            const std::size_t name = FileOffset(entry.Name);
            if (name >= bytes_.size()) break;
            std::string library(bytes_.c_str() + name);
            for (char& c : library)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            names.push_back(library);
        }
        return names;
    }

private:
    template <class T> bool Read(std::size_t at, T& value) const {
        if (at > bytes_.size() || bytes_.size() - at < sizeof(value)) return false;
        std::memcpy(&value, bytes_.data() + at, sizeof(value));
        return true;
    }

    // Where an address of the loaded image is in the file (past its end when nowhere).
    std::size_t FileOffset(DWORD address) const {
        const std::size_t sections = optional_ + header_.SizeOfOptionalHeader;
        IMAGE_SECTION_HEADER section{};
        for (WORD i = 0; i < header_.NumberOfSections &&
                         Read(sections + i * sizeof(section), section);
             ++i) {
            const DWORD size = std::max(section.Misc.VirtualSize, section.SizeOfRawData);
            if (address >= section.VirtualAddress && address - section.VirtualAddress < size)
                return section.PointerToRawData + (address - section.VirtualAddress);
        }
        return bytes_.size();
    }

    std::string bytes_;
    IMAGE_FILE_HEADER header_{};
    std::size_t optional_ = 0;
};


// The program under test runs as what it was built as: where the tests drive another tree's
// programs (the 32-bit product from 64-bit tests), this is what shows they really did.
TEST_F(PellicoTest, RunsAsTheMachineItsFileWasBuiltFor) {
    const WORD machine = ProgramFile(testing_desktop::PellicoExe()).Machine();
    ASSERT_TRUE(machine == IMAGE_FILE_MACHINE_I386 || machine == IMAGE_FILE_MACHINE_AMD64)
        << testing_desktop::PellicoExe();
    const ui::OwnedHandle process(
        OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pellico_.ProcessId()));
    ASSERT_TRUE(process);
    BOOL wow64 = FALSE;
    ASSERT_TRUE(IsWow64Process(process.get(), &wow64));
    // A 32-bit test program runs beside 32-bit programs only.
    const bool runs32 = sizeof(void*) == 4 || wow64;
    EXPECT_EQ(runs32, machine == IMAGE_FILE_MACHINE_I386);
    std::printf("Pellico.exe under test: %s, running as a %d-bit process\n",
                testing_desktop::PellicoExe().c_str(), runs32 ? 32 : 64);
}

TEST(ViewerChain, AViewerJoinedBeforePellicoKeepsGettingEveryNotification) {
    collector_test::TestWindow viewer;
    const HWND next = SetClipboardViewer(viewer.get());
    {
        PellicoDriver pellico;
        ASSERT_TRUE(pellico.WaitUntilUp());
        viewer.Forget();
        int count = 0;
        for (const auto* text : {L"one", L"two", L"three"}) {
            CopyText(text);
            ASSERT_TRUE(pellico.WaitForCount(++count));
        }
        EXPECT_TRUE(testing_desktop::PumpUntil(
            [&] { return viewer.Received(WM_DRAWCLIPBOARD).size() >= 3; }, 5s));
        const HWND main = pellico.Main();
        EXPECT_EQ(pellico.Close(), std::optional<DWORD>(0));
        const auto changes = viewer.Received(WM_CHANGECBCHAIN);
        EXPECT_TRUE(std::any_of(changes.begin(), changes.end(), [&](const auto& m) {
            return reinterpret_cast<HWND>(m.wparam) == main &&
                   reinterpret_cast<HWND>(m.lparam) == viewer.get();
        }));
    }
    ChangeClipboardChain(viewer.get(), next);
}

// What a program imports is loaded before its entry runs. The first window needs the common
// controls and nothing of the shell's: the tray icon and the home page, which need it after the
// first paint, load it then.
TEST(Startup, LoadsOnlyWhatItsFirstWindowNeeds) {
    const std::vector<std::string> libraries =
        ProgramFile(testing_desktop::PellicoExe()).ImportedLibraries();
    ASSERT_FALSE(libraries.empty()) << testing_desktop::PellicoExe();
    const std::set<std::string> needed{"COMCTL32.DLL", "GDI32.DLL",  "KERNEL32.DLL",
                                       "MSIMG32.DLL",  "MSVCRT.DLL", "USER32.DLL"};
    for (const std::string& library : libraries)
        EXPECT_TRUE(needed.contains(library)) << library;
}

TEST(Startup, ClipboardHeldByAnotherProgramShowsTheErrorAndTheWindowStillComesUp) {
    ASSERT_TRUE(OpenClipboard(DriverWindow()));
    PellicoDriver pellico;
    const auto box = WaitForDialog(pellico.ProcessId());
    CloseClipboard();
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->text, L"无法打开剪贴板");
    Dismiss(*box);
    ASSERT_TRUE(pellico.WaitUntilUp());
    // Without the watcher and the hotkeys: F4 is free and copies add nothing.
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, 0, VK_F4));
    UnregisterHotKey(nullptr, 1);
    CopyText(L"unseen");
    testing_desktop::Pump(500ms);
    EXPECT_TRUE(pellico.Items().empty());
    EXPECT_EQ(pellico.Close(), std::optional<DWORD>(0));
}

} // namespace
} // namespace e2e
