// Program entry of Pellico: the application object, the main window from its stored
// description, the message loop.
#include "Unit1.h"
#include "application_window.h"
#include "skin_form.h"
#include "skin_manager.h"
#include "ui/application.h"

#include <windows.h>

#include <string_view>

namespace {

// The main window's description, kept as a text resource of the executable.
std::string_view StoredDescription() {
    HRSRC info = FindResourceW(nullptr, L"TFORM1", MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL data = info ? LoadResource(nullptr, info) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes) return {};
    return {static_cast<const char*>(bytes), SizeofResource(nullptr, info)};
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The skin data component of the main window creates the skin manager when it is read.
    UseFormSkinning();
    try {
        ui::TApplication application;
        collector::SetApplicationWindow(application.Handle());
        application.Initialize();
        try {
            Form1 = new TForm1(&application, StoredDescription());
            application.SetMainForm(Form1);
        } catch (...) {
            ui::HandleException(&application);
            return 1;
        }
        application.Run();
    } catch (...) {
        ui::HandleException(nullptr);
        return 1;
    }
    // Once every window is gone: the hook and whatever skinners are left.
    FreeSkinManage();
    return 0;
}
