// Program entry of the skin gallery: the gallery form from its stored description and the skin
// file named on the command line (if any), run as a skinned program.
//
//   SkinGallery.exe [skin file]
#include "gallery/gallery_form.h"
#include "skin/forms/skinned_program.h"
#include "ui/resource_data.h"

#include <shellapi.h>
#include <windows.h>

namespace {

// The first argument after the program's name, or nothing.
std::wstring SkinFileArgument() {
    int count = 0;
    LPWSTR* args = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring file = args && count > 1 ? args[1] : L"";
    LocalFree(args);
    return file;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return RunSkinnedProgram([](ui::TApplication& application) {
        auto* form = new gallery::TGalleryForm(&application, ui::RcData(nullptr, L"TGALLERYFORM"));
        application.SetMainForm(form);
        if (const std::wstring file = SkinFileArgument(); !file.empty()) form->OpenSkin(file);
    });
}
