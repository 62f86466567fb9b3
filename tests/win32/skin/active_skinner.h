// What the tests of skinned forms share: the form skinner of a window once it skins the window,
// the skin control it gave a control, and their fixture.
#pragma once

#include "skin/controls/base/skin_control.h"
#include "skin/forms/skin_form.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_manager.h"
#include "skin/runtime/skin_messages.h"

#include "tests/win32/ui/ui_test_app.h"
#include "ui/form_binding.h"
#include "ui/stdctrls.h"

#include <windows.h>

#include <string>

// The window's skinner when the manager has one for it and it is active; none before that.
inline TWinSkinForm* ActiveSkinner(HWND window) {
    auto* skinner =
        SkinManage() ? dynamic_cast<TWinSkinForm*>(SkinManage()->FindSkinForm(window)) : nullptr;
    return skinner && skinner->SkinState() == TFormSkinState::Active ? skinner : nullptr;
}

// The skin control `skinner` gave `control`, or none.
inline TSkinControl* SkinControlOf(const TWinSkinForm& skinner, const ui::TControl& control) {
    for (TSkinControl* c : skinner.SkinControls())
        if (c->Control() == &control) return c;
    return nullptr;
}

// A test of skinned forms: the class library's classes and the skin data registered, the skin
// engine's messages kept quiet, form skinning on; at the end the manager goes with the forms.
class SkinnedFormTest : public ui_test::AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        ui::RegisterStandardClasses();
        ui::RegisterComponentClass<TSkinData>();
        SetSkinMessageSink([](const std::string&) {});
        UseFormSkinning();
    }
    void TearDown() override {
        AppTest::TearDown(); // the forms go with the application
        FreeSkinManage();
        SetSkinMessageSink(nullptr);
    }
    // Shows `form` in front and waits for its skinner to be active: the skinner, or none in time.
    TWinSkinForm* ShowSkinned(ui::TForm& form) {
        form.Show();
        SetForegroundWindow(form.Handle());
        TWinSkinForm* skinner = nullptr;
        PumpUntil([&] { return (skinner = ActiveSkinner(form.Handle())) != nullptr; });
        return skinner;
    }
};

// The same for a test whose skinned form is of the test's own class `Form`: the form, its
// skinner once shown, the form's components by name and type and the skin controls they got.
template <class Form> class SkinnedFormFixture : public SkinnedFormTest {
protected:
    template <class T> T* Get(const wchar_t* name) const { return form_->template Get<T>(name); }
    // The skin control the form's skinner gave `control`, or none.
    TSkinControl* SkinOf(const ui::TControl& control) const {
        return SkinControlOf(*skinner_, control);
    }

    Form* form_ = nullptr;
    TWinSkinForm* skinner_ = nullptr;
};
