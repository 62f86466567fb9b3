#include "skin/forms/skinned_program.h"

#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_manager.h"
#include "ui/startup_marks.h"

int RunSkinnedProgram(const std::function<void(ui::TApplication&)>& start) {
    ui::MarkStartup(ui::TStartupMark::Entry);
    // The skin data component of the main form creates the skin manager when it is read.
    UseFormSkinning();
    try {
        ui::TApplication application;
        application.Initialize();
        try {
            start(application);
            ui::MarkStartup(ui::TStartupMark::MainFormMade);
        } catch (...) {
            ui::HandleException(&application);
            return 1;
        }
        // The main form comes up in the skin's frame rather than being dressed after it shows.
        if (TSkinManage* manager = SkinManage(); manager && application.MainForm())
            manager->SkinFormBeforeShow(*application.MainForm());
        application.Run();
    } catch (...) {
        ui::HandleException(nullptr);
        return 1;
    }
    FreeSkinManage();
    return 0;
}
