// The gallery's form: one of every control kind the skin engine draws, in its usual states,
// under a menu bar, with a standard dialog and a message box a click away, all read from the
// gallery's stored description.
#pragma once

#include "skin/runtime/skin_data.h"
#include "ui/form.h"

#include <windows.h>

#include <filesystem>
#include <string_view>

namespace gallery {

class TGalleryForm : public ui::TForm {
public:
    TGalleryForm(ui::TComponent* owner, std::string_view description);
    static const ui::TClassInfo& StaticClass();
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }

    TSkinData* Skin() const;
    // Loads the skin file at `path`; a skin that cannot be loaded is reported in a message box
    // and the gallery keeps the skin it had. True when the new skin is shown.
    bool OpenSkin(const std::filesystem::path& path);
    // A standard modeless dialog ("#32770") with the usual dialog controls, owned by the
    // gallery; shown again when it is open already.
    HWND ShowDialog();
    // A message box owned by the gallery, until it is closed.
    void ShowMessage();

private:
    void BuildMenu();
    void ChooseSkin();
    HWND dialog_ = nullptr;
};

} // namespace gallery
