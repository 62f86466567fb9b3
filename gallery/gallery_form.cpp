#include "gallery/gallery_form.h"

#include "gallery/dialog_template.h"
#include "gallery/skin_file.h"
#include "ui/form_binding.h"
#include "ui/menus.h"
#include "ui/status_bar.h"

#include <commdlg.h>

#include <array>

namespace gallery {

namespace {

constexpr const wchar_t* kTitle = L"Skin gallery";

// The dialog's controls: what a standard dialog of an older program holds.
enum : std::uint16_t { kGroup = 100, kCheck1, kCheck2, kRadio1, kRadio2, kEdit, kCombo, kList };

TDialogTemplate StandardDialog() {
    constexpr std::uint32_t kPopupDialog =
        0x80000000 | 0x00C00000 | 0x00080000 |
        0x80; // WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME
    return {kPopupDialog,
            0,
            0,
            220,
            150,
            L"Standard dialog",
            8,
            L"MS Shell Dlg",
            {
                {TDialogItemClass::Button, BS_GROUPBOX, 7, 7, 100, 62, kGroup, L"Options"},
                {TDialogItemClass::Button, BS_AUTOCHECKBOX | WS_TABSTOP, 14, 20, 86, 10, kCheck1,
                 L"Check box"},
                {TDialogItemClass::Button, BS_AUTOCHECKBOX | WS_TABSTOP, 14, 33, 86, 10, kCheck2,
                 L"Another"},
                {TDialogItemClass::Button, BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 14, 46, 86,
                 10, kRadio1, L"Radio button"},
                {TDialogItemClass::Button, BS_AUTORADIOBUTTON, 14, 57, 86, 10, kRadio2, L"Another"},
                {TDialogItemClass::Edit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 114, 7, 99, 13,
                 kEdit, L"Edit field"},
                {TDialogItemClass::ComboBox, CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 114, 25,
                 99, 80, kCombo, L""},
                {TDialogItemClass::ListBox, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 114,
                 44, 99, 78, kList, L""},
                {TDialogItemClass::Static, SS_LEFT, 7, 76, 100, 40, 0xFFFF,
                 L"A dialog of the system's own class, dressed by the skin."},
                {TDialogItemClass::Button, BS_DEFPUSHBUTTON | WS_TABSTOP, 109, 129, 50, 14, IDOK,
                 L"OK"},
                {TDialogItemClass::Button, BS_PUSHBUTTON | WS_TABSTOP, 163, 129, 50, 14, IDCANCEL,
                 L"Cancel"},
            }};
}

INT_PTR CALLBACK StandardDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        for (const wchar_t* item : {L"First choice", L"Second choice", L"Third choice"})
            SendDlgItemMessageW(dialog, kCombo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        SendDlgItemMessageW(dialog, kCombo, CB_SETCURSEL, 0, 0);
        for (int i = 1; i <= 12; ++i) {
            const std::wstring item = L"Dialog item " + std::to_wstring(i);
            SendDlgItemMessageW(dialog, kList, LB_ADDSTRING, 0,
                                reinterpret_cast<LPARAM>(item.c_str()));
        }
        CheckDlgButton(dialog, kCheck1, BST_CHECKED);
        CheckRadioButton(dialog, kRadio1, kRadio2, kRadio1);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
            DestroyWindow(dialog);
            return TRUE;
        }
        return FALSE;
    default:
        return FALSE;
    }
}

ui::TMenuItem Item(const std::wstring& caption, std::function<void(ui::TMenuItem&)> click = {},
                   std::vector<ui::TMenuItem> items = {}) {
    ui::TMenuItem item;
    item.Caption = caption;
    item.OnClick = std::move(click);
    item.Items = std::move(items);
    return item;
}

} // namespace

TGalleryForm::TGalleryForm(ui::TComponent* owner, std::string_view description) : TForm(owner) {
    RegisterMethod(L"DialogButtonClick",
                   ui::TNotifyEvent([this](ui::TPersistent*) { ShowDialog(); }));
    RegisterMethod(L"MessageButtonClick",
                   ui::TNotifyEvent([this](ui::TPersistent*) { ShowMessage(); }));
    ui::RegisterComponentClass<TSkinData>();
    LoadDescription(description);
    BuildMenu();
}

const ui::TClassInfo& TGalleryForm::StaticClass() {
    static const ui::TClassInfo info(L"TGalleryForm", &ui::TForm::StaticClass());
    return info;
}

TSkinData* TGalleryForm::Skin() const {
    return dynamic_cast<TSkinData*>(FindComponent(L"SkinData1"));
}

void TGalleryForm::BuildMenu() {
    auto* menu = new ui::TMainMenu(this);
    ui::TMenuItem checked = Item(L"&Checked item");
    checked.Checked = true;
    ui::TMenuItem disabled = Item(L"&Disabled item");
    disabled.Enabled = false;
    ui::TMenuItem open = Item(L"&Open skin...", [this](ui::TMenuItem&) { ChooseSkin(); });
    open.ShortCut = L"Ctrl+O";
    menu->Items = {
        Item(L"&File", {}, {open, Item(L"-"), Item(L"E&xit", [this](ui::TMenuItem&) { Close(); })}),
        Item(L"&View", {},
             {checked, disabled, Item(L"-"),
              Item(L"&More", {},
                   {Item(L"Standard &dialog...", [this](ui::TMenuItem&) { ShowDialog(); }),
                    Item(L"&Message box...", [this](ui::TMenuItem&) { ShowMessage(); })})}),
        Item(L"&Help", {}, {Item(L"&About", [this](ui::TMenuItem&) { ShowMessage(); })}),
    };
    SetMenu(menu);
}

bool TGalleryForm::OpenSkin(const std::filesystem::path& path) {
    TSkinData* skin = Skin();
    if (!skin) return false;
    const std::optional<std::wstring> failure = LoadSkinFile(*skin, path);
    if (!failure) {
        // The status bar names the skin on show.
        if (auto* bar = dynamic_cast<ui::TStatusBar*>(FindComponent(L"StatusBar1")))
            if (ui::TStatusPanel* panel = bar->Panels()->Item(1))
                panel->SetText(path.filename().wstring());
        return true;
    }
    const std::wstring text = L"The skin " + path.wstring() + L" cannot be shown: " + *failure;
    MessageBoxW(HandleAllocated() ? Handle() : nullptr, text.c_str(), kTitle,
                MB_OK | MB_ICONWARNING);
    return false;
}

void TGalleryForm::ChooseSkin() {
    std::array<wchar_t, MAX_PATH> name{};
    OPENFILENAMEW open{};
    open.lStructSize = sizeof(open);
    open.hwndOwner = Handle();
    open.lpstrFilter = L"Skins (*.skn;*.skin)\0*.skn;*.skin\0All files\0*.*\0";
    open.lpstrFile = name.data();
    open.nMaxFile = static_cast<DWORD>(name.size());
    open.Flags = OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (GetOpenFileNameW(&open)) OpenSkin(name.data());
}

HWND TGalleryForm::ShowDialog() {
    if (!IsWindow(dialog_)) {
        const std::vector<std::uint16_t> words = BuildDialogTemplate(StandardDialog());
        dialog_ = CreateDialogIndirectParamW(GetModuleHandleW(nullptr),
                                             reinterpret_cast<const DLGTEMPLATE*>(words.data()),
                                             Handle(), StandardDialogProc, 0);
        if (!dialog_) return nullptr;
        // Beside the gallery where the screen has room, so the gallery, the dialog and a
        // message box over the gallery are all in view together.
        RECT form{}, dialog{};
        GetWindowRect(Handle(), &form);
        GetWindowRect(dialog_, &dialog);
        const int width = dialog.right - dialog.left;
        const int gap = Scaled(8);
        const int x = form.right + gap + width <= GetSystemMetrics(SM_CXSCREEN)
                          ? form.right + gap
                          : form.right - width;
        SetWindowPos(dialog_, nullptr, x, form.top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ShowWindow(dialog_, SW_SHOW);
    SetActiveWindow(dialog_);
    return dialog_;
}

void TGalleryForm::ShowMessage() {
    MessageBoxW(Handle(), L"A message box of the system, dressed by the skin.", kTitle,
                MB_OK | MB_ICONINFORMATION);
}

} // namespace gallery
