// What skinning costs of the process's GDI handles: the skin gallery (every control kind the
// skin engine draws) shown in this process, both of its pages painted, then its standard dialog
// opened, with the GDI objects counted after each step: the system's own count
// (GetGuiResources, which Wine does not report), and the count the skin engine's GDI bridge
// keeps of its surfaces, of which those that hold the skin's pictures.
#include "gallery/gallery_form.h"

#include "skin/gdi/dib.h"
#include "bench/mainwindow/measure.h"
#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_manager.h"
#include "skin/gdi/strip_bitmap.h"
#include "ui/application.h"
#include "ui/resource_data.h"

#include <commctrl.h>
#include <windows.h>

#include <cstdio>

namespace {

struct TCount {
    int skinControls = 0;
    DWORD system = 0; // GetGuiResources; 0 where the system does not report it
    int surfaces = 0; // every DIB section and memory DC of the bridge
    int pictures = 0; // of which the skin's pictures and their masks
};

int SkinControlsOf(HWND window) {
    auto* skinner = dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window));
    return skinner ? static_cast<int>(skinner->SkinControls().size()) : 0;
}

TCount Count(int skinControls) {
    return {skinControls, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS),
            TDibSurface::LiveGdiObjects(), TStripBitmap::LiveGdiObjects()};
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    bench::PumpFor(500);
}

void Row(const char* what, const TCount& c, const TCount& start) {
    char system[32] = "not reported";
    if (c.system) std::snprintf(system, sizeof system, "%lu", static_cast<unsigned long>(c.system));
    std::printf("%-38s %8d %14s %10d %10d\n", what, c.skinControls, system,
                c.surfaces - start.surfaces, c.pictures - start.pictures);
}

} // namespace

int main() {
    UseFormSkinning();
    SetSkinMessageSink([](const std::string&) {});
    ui::TApplication app;
    const TCount start = Count(0);
    auto* form = new gallery::TGalleryForm(&app, ui::RcData(nullptr, L"TGALLERYFORM"));
    app.SetMainForm(form);
    form->Show();
    SetForegroundWindow(form->Handle());
    bench::PumpFor(1500);
    Repaint(form->Handle());
    const TCount firstPage = Count(SkinControlsOf(form->Handle()));

    const HWND pages = FindWindowExW(form->Handle(), nullptr, L"TPageControl", nullptr);
    if (!pages) return 1;
    SendMessageW(pages, TCM_SETCURFOCUS, 1, 0);
    bench::PumpFor(500);
    Repaint(form->Handle());
    const TCount bothPages = Count(SkinControlsOf(form->Handle()));

    const HWND dialog = form->ShowDialog();
    bench::PumpFor(1500);
    Repaint(dialog);
    const TCount withDialog = Count(SkinControlsOf(form->Handle()) + SkinControlsOf(dialog));

    std::printf("GDI objects of the skinned gallery (the bridge's counted from the start)\n");
    std::printf("%-38s %8s %14s %10s %10s\n", "", "skinned", "GetGuiRes.", "surfaces",
                "pictures");
    std::printf("%-38s %8s %14s %10s %10s\n", "", "controls", "GDI objects", "objects",
                "objects");
    Row("first page shown and painted", firstPage, start);
    Row("second page painted too", bothPages, start);
    Row("and the standard dialog", withDialog, start);
    DestroyWindow(dialog);
    return 0;
}
