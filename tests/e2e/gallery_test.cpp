// The skin gallery as a skin author meets it: started with its own skin, every control on its
// form dressed by the skin engine, a standard dialog and a message box dressed as well; started
// with a skin file, which replaces the default at once; started with a damaged file, which is
// reported and leaves the default in place. Screenshots of each for review.
#include "tests/support/child_process.h"
#include "tests/support/desktop.h"
#include "tests/support/display_density.h"
#include "tests/support/skin_fixture.h"
#include "skin/runtime/skin_messages.h"
#include "ui/graphics.h"
#include "ui/text_codec.h"

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
using testing_desktop::ClassName;
using testing_desktop::PumpUntil;
using testing_desktop::WindowText;

// The gallery, closed at the end of the test whatever happened.
class Gallery {
public:
    explicit Gallery(const std::wstring& args = {}) : process_(testing_desktop::GalleryExe(), args) {}
    ~Gallery() {
        if (form_) PostMessageW(form_, WM_CLOSE, 0, 0);
        if (!process_.WaitForExit(10s)) {
            const HANDLE p = OpenProcess(PROCESS_TERMINATE, FALSE, process_.Id());
            if (p) {
                TerminateProcess(p, 1);
                CloseHandle(p);
            }
        }
    }
    HWND Form() { return form_ = process_.WaitForWindow(L"TGalleryForm"); }
    DWORD Id() const { return process_.Id(); }

private:
    testing_desktop::Process process_;
    HWND form_ = nullptr;
};

bool Skinned(HWND window) {
    return SendMessageW(window, SM_ISSKINNED, 0, 0) == 1;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM out) {
    reinterpret_cast<std::vector<HWND>*>(out)->push_back(child);
    return TRUE;
}

// Every child window of `parent`, all depths.
std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> found;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&found));
    return found;
}

// The visible child windows of `parent` (all depths) whose class is one of the library's.
std::vector<HWND> LibraryControls(HWND parent) {
    std::vector<HWND> found;
    for (const HWND child : Children(parent)) {
        const std::wstring cls = ClassName(child);
        if (IsWindowVisible(child) && cls.size() > 1 && cls[0] == L'T') found.push_back(child);
    }
    return found;
}

// A top-level window of process `pid` with this class and caption, in time.
HWND WaitForOwnWindow(DWORD pid, const wchar_t* cls, const wchar_t* caption) {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            found = nullptr;
            for (HWND w = FindWindowExW(nullptr, nullptr, cls, caption); w && !found;
                 w = FindWindowExW(nullptr, w, cls, caption)) {
                DWORD owner = 0;
                GetWindowThreadProcessId(w, &owner);
                if (owner == pid && IsWindowVisible(w)) found = w;
            }
            return found != nullptr;
        },
        10s);
    return found;
}

HWND ChildWithText(HWND parent, const wchar_t* text) {
    for (const HWND child : Children(parent))
        if (WindowText(child) == text) return child;
    return nullptr;
}

std::filesystem::path WriteFile(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    const std::filesystem::path path = std::filesystem::temp_directory_path() / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
}

COLORREF ScreenPixel(int x, int y) {
    const HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

// The controls of the page on show are dressed: every library control answers that it is
// skinned, except those with nothing to dress (labels), the panel, whose skinner only gives it
// the skin's colour and hears none of its messages, and the skin's own windows (scroll-bar
// overlays, the picker's arrow, the media player's button strip), which are the dressing.
void ExpectShownControlsDressed(HWND form) {
    const std::set<std::wstring> notAsked = {L"TLabel", L"TPanel", L"TWScrollbar", L"TArrowButton",
                                             L"TWMediaPlayer"};
    const std::vector<HWND> controls = LibraryControls(form);
    ASSERT_GT(controls.size(), 10u);
    for (const HWND control : controls) {
        const std::wstring cls = ClassName(control);
        if (notAsked.count(cls)) continue;
        EXPECT_TRUE(Skinned(control))
            << std::string(cls.begin(), cls.end()) << " " << GetDlgCtrlID(control);
    }
}

// Shows the gallery's second page, as a click on its tab does.
bool ShowSecondPage(HWND form) {
    const HWND pages = FindWindowExW(form, nullptr, L"TPageControl", nullptr);
    if (!pages) return false;
    SendMessageW(pages, TCM_SETCURFOCUS, 1, 0);
    return PumpUntil([&] { return IsWindowVisible(ChildWithText(form, L"Standard dialog...")); },
                     5s);
}

void Repaint(HWND form) {
    RedrawWindow(form, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing_desktop::Pump(300ms);
}

TEST(Gallery, EveryControlOnTheFormIsDressedByTheSkin) {
    Gallery gallery;
    const HWND form = gallery.Form();
    ASSERT_TRUE(form);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(form); }, 10s)) << "the form is never skinned";
    ExpectShownControlsDressed(form);
    Repaint(form);
    testing_desktop::SaveScreenshot(L"gallery");

    ASSERT_TRUE(ShowSecondPage(form));
    ExpectShownControlsDressed(form);
    Repaint(form);
    testing_desktop::SaveScreenshot(L"gallery-page2");
}

// On a display of 150 %: the form's stored 640 x 480 client is 960 x 720, every control is
// still dressed, and the radio group's three buttons sit one under the other inside it.
TEST(Gallery, AtOneAndAHalfTimesTheLayoutScales) {
    std::optional<testing_desktop::DensityForNewPrograms> density(std::in_place, 144);
    ASSERT_TRUE(density->Set());
    Gallery gallery;
    const HWND form = gallery.Form();
    ASSERT_TRUE(form);
    density.reset();
    ASSERT_TRUE(PumpUntil([&] { return Skinned(form); }, 10s)) << "the form is never skinned";
    RECT client{};
    EXPECT_TRUE(PumpUntil(
        [&] {
            GetClientRect(form, &client);
            return client.right == 960 && client.bottom == 720;
        },
        5s))
        << client.right << " x " << client.bottom;
    ExpectShownControlsDressed(form);
    RECT inside{}, last{};
    const HWND radio = ChildWithText(form, L"Radio group");
    ASSERT_TRUE(radio);
    GetWindowRect(radio, &inside);
    for (const wchar_t* item : {L"One", L"Two", L"Three"}) {
        const HWND button = ChildWithText(radio, item);
        ASSERT_TRUE(button) << ui::WideToUtf8(item);
        RECT r{};
        GetWindowRect(button, &r);
        EXPECT_GE(r.top, last.bottom) << ui::WideToUtf8(item);
        EXPECT_LE(r.bottom, inside.bottom) << ui::WideToUtf8(item);
        last = r;
    }
    Repaint(form);
    testing_desktop::SaveScreenshot(L"gallery-144dpi");
}

TEST(Gallery, AStandardDialogAndAMessageBoxAreDressedToo) {
    Gallery gallery;
    const HWND form = gallery.Form();
    ASSERT_TRUE(form);
    ASSERT_TRUE(ShowSecondPage(form));
    const HWND dialogButton = ChildWithText(form, L"Standard dialog...");
    const HWND messageButton = ChildWithText(form, L"Message box...");
    ASSERT_TRUE(dialogButton && messageButton);

    PostMessageW(dialogButton, BM_CLICK, 0, 0);
    const HWND dialog = WaitForOwnWindow(gallery.Id(), L"#32770", L"Standard dialog");
    ASSERT_TRUE(dialog);
    const HWND ok = GetDlgItem(dialog, IDOK);
    ASSERT_TRUE(PumpUntil([&] { return Skinned(ok); }, 10s)) << "the dialog's buttons stay plain";
    EXPECT_TRUE(Skinned(GetDlgItem(dialog, 101))) << "check box";
    EXPECT_TRUE(Skinned(GetDlgItem(dialog, 103))) << "radio button";
    EXPECT_TRUE(Skinned(GetDlgItem(dialog, 107))) << "list box";
    testing_desktop::Pump(300ms);
    testing_desktop::SaveScreenshot(L"gallery-dialog");

    // The message box runs its own loop inside the gallery: posted, not sent.
    PostMessageW(messageButton, BM_CLICK, 0, 0);
    const HWND box = WaitForOwnWindow(gallery.Id(), L"#32770", L"Skin gallery");
    ASSERT_TRUE(box);
    ASSERT_TRUE(
        PumpUntil([&] { return GetWindowRgn(box, CreateRectRgn(0, 0, 0, 0)) != ERROR; }, 10s))
        << "the message box keeps the system's frame";
    EXPECT_TRUE(PumpUntil([&] { return Skinned(GetDlgItem(box, IDOK)); }, 10s))
        << "the message box's button stays plain";
    testing_desktop::Pump(300ms);
    testing_desktop::SaveScreenshot(L"gallery-dialogs");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(box) && !IsWindow(dialog); }, 10s));
}

// What a user sees of the gallery: its form on both pages and its standard dialog, the mouse
// away from them. Screenshots of each under `shot`.
struct GalleryLooks {
    testing_desktop::WindowLook page1, page2, dialog;
    testing_desktop::WindowLook groupBox; // the dialog's, which the skin leaves to the system
};
GalleryLooks LookAtGallery(const std::wstring& shot) {
    GalleryLooks looks;
    Gallery gallery;
    const HWND form = gallery.Form();
    EXPECT_TRUE(form && PumpUntil([&] { return Skinned(form); }, 10s)) << "never skinned";
    if (!form) return looks;
    SetCursorPos(1279, 400);
    Repaint(form);
    looks.page1 = testing_desktop::SteadyLook(form);
    testing_desktop::SaveScreenshot(shot);
    EXPECT_TRUE(ShowSecondPage(form));
    Repaint(form);
    looks.page2 = testing_desktop::SteadyLook(form);
    testing_desktop::SaveScreenshot(shot + L"-page2");
    PostMessageW(ChildWithText(form, L"Standard dialog..."), BM_CLICK, 0, 0);
    const HWND dialog = WaitForOwnWindow(gallery.Id(), L"#32770", L"Standard dialog");
    EXPECT_TRUE(dialog && PumpUntil([&] { return Skinned(GetDlgItem(dialog, IDOK)); }, 10s));
    if (!dialog) return looks;
    testing_desktop::Pump(300ms);
    looks.dialog = testing_desktop::SteadyLook(dialog);
    looks.groupBox = testing_desktop::SteadyLook(GetDlgItem(dialog, 100));
    // What the skin leaves to the system there (texts, the group box) is not compared.
    for (const HWND child : Children(dialog))
        if (!Skinned(child)) testing_desktop::LeaveOut(looks.dialog, dialog, child);
    testing_desktop::SaveScreenshot(shot + L"-dialog");
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    PumpUntil([&] { return !IsWindow(dialog); }, 10s);
    return looks;
}

// Users run Windows with a visual style on, and every control the skin takes is themed before
// the skin takes it: what the skin dresses looks the same as in the classic look, pixel for
// pixel (a caret blinking meanwhile left out, and in the dialog the controls the skin leaves
// to the system).
TEST(Gallery, TheSkinLooksTheSameWithTheVisualStyleOnAndOff) {
    const GalleryLooks themed = LookAtGallery(L"gallery-themed");
    GalleryLooks classic;
    {
        const testing_desktop::ClassicLook off;
        classic = LookAtGallery(L"gallery-classic");
    }
    EXPECT_EQ(testing_desktop::LookDifference(themed.page1, classic.page1), "") << "first page";
    EXPECT_EQ(testing_desktop::LookDifference(themed.page2, classic.page2), "") << "second page";
    EXPECT_EQ(testing_desktop::LookDifference(themed.dialog, classic.dialog), "") << "dialog";
    EXPECT_NE(testing_desktop::LookDifference(themed.groupBox, classic.groupBox), "")
        << "the system's own group box looks the same: the classic run had the style on";
}

TEST(Gallery, ASkinFileOnTheCommandLineReplacesTheDefault) {
    const skin_fixture::Skin skin =
        skin_fixture::FramedSkin("", "[Colours]\nButtonFace=10 20 30\n");
    const std::filesystem::path file = WriteFile("gallery-test.skn", skin.Pack());
    Gallery gallery(L"\"" + file.wstring() + L"\"");
    const HWND form = gallery.Form();
    ASSERT_TRUE(form);
    SetForegroundWindow(form);
    RECT r{};
    GetWindowRect(form, &r);
    // The title bar comes from the file's top strip, active or not.
    const auto title = [&] { return ScreenPixel(r.left + 30, r.top + 3); };
    const auto frame = [](int k) { return ui::ColorRef(skin_fixture::FrameColour(3, k)); };
    EXPECT_TRUE(PumpUntil([&] { return title() == frame(1) || title() == frame(2); }, 10s))
        << std::hex << title();
    testing_desktop::SaveScreenshot(L"gallery-skin-file");
    std::filesystem::remove(file);
}

TEST(Gallery, ADamagedSkinFileIsReportedAndTheDefaultStays) {
    const std::filesystem::path file = WriteFile("gallery-damaged.skn", {'n', 'o', 't', ' ', 'a'});
    Gallery gallery(L"\"" + file.wstring() + L"\"");
    const HWND box = WaitForOwnWindow(gallery.Id(), L"#32770", L"Skin gallery");
    ASSERT_TRUE(box) << "no word about the damaged file";
    const HWND text = GetDlgItem(box, 0xFFFF);
    EXPECT_NE(WindowText(text).find(L"cannot be shown"), std::wstring::npos) << "message text";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    const HWND form = gallery.Form();
    ASSERT_TRUE(form);
    const std::vector<HWND> controls = LibraryControls(form);
    ASSERT_FALSE(controls.empty());
    EXPECT_TRUE(PumpUntil([&] { return Skinned(controls.front()); }, 10s))
        << "the default skin is gone";
    std::filesystem::remove(file);
}

} // namespace
