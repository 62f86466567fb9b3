// The skinned main window's frame measured in-process: one full frame paint (edges, title with
// caption text and buttons, composed off-screen and copied) and one region build (the edges
// rendered to the window's size, their key colour cut out, the runs made a GDI region), median
// and 95th percentile; and the private memory from showing the window until it has painted,
// with the skin ("skinned") or without it ("bare", the same window and controls); and the
// repaint of the whole window, frame and every control, with 1,000 entries in the list, in
// either case.
#include "app/Unit1.h"
#include "collector/application_window.h"
#include "tests/win32/app/stored_description.h"

#include "bench/mainwindow/measure.h"
#include "skin/forms/frame_region.h"
#include "skin/forms/skin_form.h"
#include "skin/gdi/skin_region.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "ui/application.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kRounds = 200;

template <typename Work> void Row(const char* what, Work work) {
    std::vector<double> samples;
    for (int i = 0; i < kRounds; ++i) {
        const double begin = bench::Now();
        work();
        samples.push_back(bench::Now() - begin);
    }
    std::printf("%-40s %8.3f ms %8.3f ms\n", what, bench::Percentile(samples, 0.5),
                bench::Percentile(samples, 0.95));
}

} // namespace

int main(int argc, char** argv) {
    const bool bare = argc > 1 && std::strcmp(argv[1], "bare") == 0;
    if (!bare) UseFormSkinning();
    SetSkinMessageSink([](const std::string&) {});
    ui::TApplication app;
    collector::SetApplicationWindow(app.Handle());
    const double before = bench::PrivateMiB(GetCurrentProcessId());
    auto* form = new TForm1(&app, StoredDescription());
    form->Show();
    SetForegroundWindow(form->Handle());
    bench::PumpFor(1500);
    const double after = bench::PrivateMiB(GetCurrentProcessId());
    std::printf("%s: private memory of the shown main window %7.2f MiB\n",
                bare ? "bare" : "skinned", after - before);
    for (int i = 1; i <= 1000; ++i) {
        const std::wstring line = L"第 " + std::to_wstring(i) + L" 条复制的文字";
        SendMessageW(form->ListBox1->Handle(), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(line.c_str()));
    }
    bench::PumpFor(300);
    std::printf("%d rounds                                    median      p95\n", kRounds);
    Row(bare ? "whole window repaint, 1000 entries (bare)" : "whole window repaint, 1000 entries",
        [&] {
            RedrawWindow(form->Handle(), nullptr, nullptr,
                         RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        });
    if (!bare) {
        auto* skinner = dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(form->Handle()));
        if (!skinner) return 1;
        RECT r{};
        GetWindowRect(form->Handle(), &r);
        const TFrameSize size{r.right - r.left, r.bottom - r.top};
        const TSkinElements& skin = form->SkinData1->Elements();
        Row("full frame paint", [&] { skinner->PaintFrame(nullptr); });
        Row("region build (rects and GDI region)", [&] {
            const ui::TRegion region = RegionFromRects(
                FrameRegionRects(skin, skinner->FrameSizes(), size, false, true,
                                 form->SkinData1->Bitmaps().Pictures(), skinner->Dpi()));
        });
    }
    ui::TCloseAction action = ui::TCloseAction::caFree;
    form->FormClose(form, action);
    return 0;
}
