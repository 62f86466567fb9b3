// Program entry of Pellico: the application object, the main window from its stored
// description, the message loop.
#include "Unit1.h"
#include "application_window.h"
#include "skin_form.h"
#include "skin_manager.h"
#include "ui/application.h"
#include "ui/resource_data.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    // The skin data component of the main window creates the skin manager when it is read.
    UseFormSkinning();
    try {
        ui::TApplication application;
        collector::SetApplicationWindow(application.Handle());
        application.Initialize();
        try {
            Form1 = new TForm1(&application, ui::RcData(nullptr, L"TFORM1"));
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
