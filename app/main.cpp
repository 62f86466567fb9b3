// Program entry of Pellico: the main window from its stored description, run as a skinned
// program.
#include "app/Unit1.h"
#include "collector/application_window.h"
#include "skin/forms/skinned_program.h"
#include "ui/resource_data.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    return RunSkinnedProgram([](ui::TApplication& application) {
        collector::SetApplicationWindow(application.Handle());
        Form1 = new TForm1(&application, ui::RcData(nullptr, L"TFORM1"));
        application.SetMainForm(Form1);
    });
}
