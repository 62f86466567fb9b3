// The main window made from the description Pellico.exe stores, with the skin engine on: what
// the tests of the skinned window share.
#pragma once

#include "app/Unit1.h"
#include "collector/application_window.h"
#include "tests/win32/app/stored_description.h"

#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_manager.h"
#include "tests/win32/ui/ui_test_app.h"

#include <gtest/gtest.h>

#include <string>

class SkinnedMainWindowTest : public ui_test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        // The mouse away from where the window comes up: a test before may have left it over a
        // caption button or a control, which would then come up hot.
        MoveTo({10, 10});
        SetSkinMessageSink([](const std::string&) {});
        UseFormSkinning();
        collector::SetApplicationWindow(app_->Handle());
        description_ = StoredDescription();
        ASSERT_FALSE(description_.empty());
    }
    void TearDown() override {
        if (form_) {
            ui::TCloseAction action = ui::TCloseAction::caFree;
            form_->FormClose(form_, action);
        }
        AppTest::TearDown();
        FreeSkinManage();
        SetSkinMessageSink(nullptr);
    }

    // Makes the window from `description_`, shows it in front and waits until its skinner has
    // started and the window is active.
    void ShowSkinned() {
        form_ = new TForm1(app_.get(), description_);
        window_ = form_->Handle();
        form_->Show();
        SetForegroundWindow(window_);
        ASSERT_TRUE(PumpUntil([&] {
            skinner_ = SkinManage()
                           ? dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window_))
                           : nullptr;
            return skinner_ && skinner_->SkinState() == TFormSkinState::Active &&
                   skinner_->ActiveFlag();
        }));
    }

    std::string description_;
    TForm1* form_ = nullptr;
    HWND window_ = nullptr;
    TWinSkinForm* skinner_ = nullptr;
};
