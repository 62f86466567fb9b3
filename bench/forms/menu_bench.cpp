// A popup menu of 30 items opened on the skinned main window, from the call that shows it to the
// end of its window's first paint (every item drawn): skinned (its window painted from the skin's
// menu background, its items by the menu item painter) and the same menu left to the system, in
// turn in one run, with medians, 95th percentiles and the ratio of the medians.
#include "app/Unit1.h"
#include "collector/application_window.h"
#include "tests/win32/app/stored_description.h"

#include "bench/mainwindow/measure.h"
#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "ui/application.h"
#include "ui/menus.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 60;
constexpr int kItems = 30;

double painted = 0;

// The end of the menu window's first paint: the time, and the menu goes.
LRESULT CALLBACK AfterPaint(int code, WPARAM wp, LPARAM lp) {
    const auto* ret = reinterpret_cast<const CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && ret->message == WM_PAINT && painted == 0) {
        wchar_t name[16] = {};
        GetClassNameW(ret->hwnd, name, 16);
        if (std::wstring(name) == L"#32768") {
            painted = bench::Now();
            EndMenu();
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

ui::TPopupMenu* Menu(ui::TComponent* owner, int tag) {
    auto* menu = new ui::TPopupMenu(owner);
    menu->SetTag(tag);
    for (int i = 0; i < kItems; ++i) {
        ui::TMenuItem item;
        item.Caption = i % 10 == 9 ? L"-" : L"Item &" + std::to_wstring(i);
        item.ShortCut = i % 3 == 0 ? L"Ctrl+" + std::to_wstring(i % 10) : L"";
        item.Checked = i % 7 == 0;
        item.Enabled = i % 5 != 4;
        menu->Items.push_back(std::move(item));
    }
    return menu;
}

// One opening: from the call to the end of the first paint, in ms.
double Open(ui::TPopupMenu& menu) {
    painted = 0;
    const double begin = bench::Now();
    menu.Popup(120, 40);
    return painted - begin;
}

} // namespace

int main() {
    UseFormSkinning();
    SetSkinMessageSink([](const std::string&) {});
    ui::TApplication app;
    collector::SetApplicationWindow(app.Handle());
    auto* form = new TForm1(&app, StoredDescription());
    // The form's popup menus drawn by the skin (tag 99 stays the system's).
    form->SkinData1->SkinControls |= SetOf<TSkinControls>(xcMenuItem);
    ui::TPopupMenu* skinned = Menu(form, 0);
    ui::TPopupMenu* plain = Menu(form, 99);
    form->Show();
    SetForegroundWindow(form->Handle());
    bench::PumpFor(1500);
    TSkinManage* manager = SkinManage();
    if (!manager || !manager->FindSkinForm(form->Handle()) || !skinned->OwnerDraw) {
        std::printf("the main window was not skinned\n");
        return 1;
    }
    const HHOOK hook =
        SetWindowsHookExW(WH_CALLWNDPROCRET, AfterPaint, nullptr, GetCurrentThreadId());
    std::vector<double> withSkin, withoutSkin;
    for (int i = 0; i < kRounds; ++i) {
        withSkin.push_back(Open(*skinned));
        bench::PumpFor(20);
        // The same menu without the skin: no popup skinner, items drawn by the system.
        manager->SkinningOn = false;
        withoutSkin.push_back(Open(*plain));
        manager->SkinningOn = true;
        bench::PumpFor(20);
    }
    UnhookWindowsHookEx(hook);
    const double skinnedMedian = bench::Percentile(withSkin, 0.5);
    const double plainMedian = bench::Percentile(withoutSkin, 0.5);
    std::printf("popup menu of %d items, open to first complete paint, %d rounds\n", kItems,
                kRounds);
    std::printf("%-12s median %8.3f ms   p95 %8.3f ms\n", "skinned", skinnedMedian,
                bench::Percentile(withSkin, 0.95));
    std::printf("%-12s median %8.3f ms   p95 %8.3f ms\n", "unskinned", plainMedian,
                bench::Percentile(withoutSkin, 0.95));
    std::printf("ratio skinned / unskinned (medians) %.2f\n", skinnedMedian / plainMedian);
    ui::TCloseAction action = ui::TCloseAction::caFree;
    form->FormClose(form, action);
    return 0;
}
