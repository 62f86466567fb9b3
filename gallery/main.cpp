// Program entry of the skin gallery: the application, the gallery form from its stored
// description, the skin file named on the command line (if any), the message loop.
//
//   SkinGallery.exe [skin file]
#include "gallery_form.h"
#include "skin_form.h"
#include "skin_manager.h"
#include "ui/application.h"
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
    UseFormSkinning();
    try {
        ui::TApplication application;
        application.Initialize();
        try {
            auto* form =
                new gallery::TGalleryForm(&application, ui::RcData(nullptr, L"TGALLERYFORM"));
            application.SetMainForm(form);
            if (const std::wstring file = SkinFileArgument(); !file.empty()) form->OpenSkin(file);
        } catch (...) {
            ui::HandleException(&application);
            return 1;
        }
        application.Run();
    } catch (...) {
        ui::HandleException(nullptr);
        return 1;
    }
    FreeSkinManage();
    return 0;
}
