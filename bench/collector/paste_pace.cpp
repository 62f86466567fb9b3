// How fast F5 pastes in turn, and whether the entries land in order: the paste that waits until
// the target took each text, against the plain way (write at once, then sleep 100 ms), on
// targets that paste at once, ask the program something first, or take 300 ms.
#include <windows.h>

#include <cstdio>
#include <string>

#include "collector/KeyMouse.h"
#include "collector/application_window.h"
#include "collector/clipboard.h"
#include "collector/paste.h"
#include "tests/support/desktop.h"
#include "tests/win32/collector/paste_target.h"
#include "tests/win32/collector/test_window.h"

using namespace collector;
using namespace collector_test;

namespace {

constexpr int kEntries = 20;

Collection Numbers() {
    std::vector<std::wstring> texts;
    for (int i = 0; i < kEntries; ++i)
        texts.push_back(std::to_wstring(i));
    return CollectedTexts(texts);
}

std::wstring Expected(const Collection& list) {
    std::wstring all;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        all += list.Entry(i) + L"\r\n";
    }
    return all;
}

// One F5 run of the list into a fresh target; milliseconds per paste, and whether it all landed
// in order without a failed clipboard write.
template <typename PasteOne>
std::pair<double, bool> Run(PasteTarget::Kind kind, HWND app, PasteOne paste_one) {
    PasteTarget target(kind, app);
    Collection list = Numbers();
    const DWORD start = GetTickCount();
    bool failed = false;
    for (std::size_t i = 0; i < list.Size(); ++i) {
        try {
            paste_one(list, i, target.get());
        } catch (const ClipboardError&) {
            failed = true; // the target still held the clipboard open
        }
    }
    const DWORD spent = GetTickCount() - start;
    const bool in_order = testing_desktop::PumpUntil(
        [&] { return target.Text() == Expected(list); }, std::chrono::seconds(3));
    return {static_cast<double>(spent) / kEntries, in_order && !failed};
}

} // namespace

int main() {
    CleanClipboard clean;
    TestWindow app;
    SetApplicationWindow(app.get());
    const struct {
        const char* name;
        PasteTarget::Kind kind;
    } targets[] = {{"pastes at once", PasteTarget::Kind::plain},
                   {"asks the program first", PasteTarget::Kind::asks_first},
                   {"takes 300 ms", PasteTarget::Kind::slow}};

    std::printf("%d entries per run; ms per paste (in order?)\n", kEntries);
    std::printf("%-24s %-22s %-22s %s\n", "target", "wait until taken", "write, sleep 100 ms",
                "ratio");
    for (const auto& t : targets) {
        const auto waited = Run(t.kind, app.get(), [](Collection& l, std::size_t i, HWND target) {
            PasteInTurn(l, i, target, VK_RETURN);
        });
        const auto slept = Run(t.kind, app.get(), [](Collection& l, std::size_t i, HWND target) {
            l.SetSuppressNextCapture();
            RealEffects().WriteClipboard(l.Entry(i));
            RealEffects().BringToFront(target);
            SendCtrlV();
            TypeKey(VK_RETURN);
            Sleep(100);
        });
        std::printf("%-24s %7.1f (%-3s)          %7.1f (%-3s)          %.2f\n", t.name,
                    waited.first, waited.second ? "yes" : "NO", slept.first,
                    slept.second ? "yes" : "NO", waited.first / slept.first);
    }
    SetApplicationWindow(nullptr);
    return 0;
}
