// Forms: top-level windows owned by the application window, with a frame style, an active
// control, dialog-key handling (tab order, default and cancel buttons), closing and release.
#pragma once
#include "ui/scale_measure.h"
#include "ui/win_control.h"

#include <string_view>

namespace ui {

class TMainMenu;

enum class TFormBorderStyle { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : std::uint32_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
enum class TFormStyle { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };
enum class TPosition { poDesigned, poDefault, poDefaultPosOnly, poDefaultSizeOnly, poScreenCenter };
enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TPersistent* sender, TCloseAction& action)>;

class TForm : public TWinControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    static const TClassInfo& StaticClass();
    const TClassInfo& ClassType() const override { return StaticClass(); }
    void BeforeDestruction() override;
    void Notification(TComponent* component, TOperation operation) override;

    TFormBorderStyle BorderStyle() const { return border_style_; }
    void SetBorderStyle(TFormBorderStyle v);
    std::uint32_t BorderIcons() const { return border_icons_; }
    void SetBorderIcons(std::uint32_t v);
    TFormStyle FormStyle() const { return form_style_; }
    void SetFormStyle(TFormStyle v);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition v) { position_ = v; }
    int ClientWidth() override;
    int ClientHeight() override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    // The stored client size as the description reads it.
    int ClientWidthValue() const { return const_cast<TForm*>(this)->ClientWidth(); }
    int ClientHeightValue() const { return const_cast<TForm*>(this)->ClientHeight(); }
    // The density the form's layout is at: while a description is read, the one it was
    // designed at (its "PixelsPerInch", kBaseDpi where it names none); once it is read, that
    // of the monitor the form shows on.
    int PixelsPerInch() const { return dpi_; }
    // Read from a description only: the density the stored layout was designed at.
    void SetPixelsPerInch(int v);
    // Lays the form out at `dpi` from the density it is at: every control's bounds by their
    // edges, the fonts, the lists' item heights and columns; tells whoever hooks the form
    // (CM_DPICHANGED); then sets the client size. Nothing changes when the form is at `dpi`.
    void ScaleForDpi(int dpi);
    int TextHeight() const { return text_height_; }
    void SetTextHeight(int v) { text_height_ = v; }
    bool OldCreateOrder() const { return false; }
    void SetOldCreateOrder(bool) {}
    TIcon* Icon() const { return icon_.get(); }
    bool KeyPreview() const { return key_preview_; }
    void SetKeyPreview(bool v) { key_preview_ = v; }

    TWinControl* ActiveControl() const { return active_control_; }
    void SetActiveControl(TWinControl* c);
    // Called when a control on the form receives the focus: exit/enter notifications and
    // the focus-changed broadcast.
    void FocusControl(TWinControl* c);
    void SelectNext(TWinControl* current, bool forward, bool check_tab_stop);
    bool Active() const { return active_; }

    void Close();
    // Frees the form once the messages in flight are handled.
    void Release();
    // The form's menu bar, or none; its commands and owner-drawn items go to it.
    TMainMenu* Menu() const { return menu_; }
    void SetMenu(TMainMenu* menu);
    // Tells the form (and whoever hooks it) that its menu changed.
    void MenuChanged() { Perform(CM_MENUCHANGED); }

    // Reads the form's description (the text form of a stored form), creates its members,
    // calls Loaded on every component read, then runs OnCreate (an exception escaping it goes
    // to the application's error box; a malformed description throws).
    void LoadDescription(std::string_view text);

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TCloseEvent OnClose;

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWnd() override;
    void WndProc(TMessage& msg) override;
    void VisibleChanging() override;
    // Gives the window the icon's big and small images.
    void ApplyIcon();

private:
    bool DialogKey(WPARAM key);
    // A command or an owner-drawn item of the menu bar; false for anything else.
    bool MenuMessage(TMessage& msg);
    TControl* FindButton(bool default_button);
    // What the frame adds to the client size: from the window once it exists, else from
    // the styles it will have at the form's density.
    SIZE FrameExtra();
    // The density of the monitor the form shows on: its window's, else that of the monitor
    // at its designed place (the primary one for a form the system places).
    int DisplayDpi() const;
    // ScaleForDpi, the window taking `window` (screen coordinates) before its client size
    // is set, where one is given.
    void ChangeDpi(int dpi, const RECT* window);
    // WM_DPICHANGED: the new density and the rectangle the system suggests at it.
    void DpiChanged(TMessage& msg);

    TFormBorderStyle border_style_ = TFormBorderStyle::bsSizeable;
    std::uint32_t border_icons_ = biSystemMenu | biMinimize | biMaximize;
    TFormStyle form_style_ = TFormStyle::fsNormal;
    TPosition position_ = TPosition::poDesigned;
    int text_height_ = 13;
    bool key_preview_ = false;
    std::unique_ptr<TIcon> icon_;
    TWinControl* active_control_ = nullptr;
    TMainMenu* menu_ = nullptr;
    bool active_ = false;
    bool destroying_fired_ = false;
    OwnedIcon small_icon_;
    int client_width_ = -1;
    int client_height_ = -1;
    int dpi_ = kBaseDpi;
    bool changing_dpi_ = false;
};

} // namespace ui
