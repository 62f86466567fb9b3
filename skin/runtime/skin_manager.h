// TSkinManage: the one skin manager of the process. A thread hook watches windows being created,
// destroyed and activated; each window that passes the filters gets a form skinner, each menu
// window a popup-menu skinner, both owned here. Switching skinning on and off and taking up a
// changed skin are deferred actions, run from a timer. The skin data components reach it through
// TSkinManagerLink.
#pragma once

#include "skin/model/skin_manager_link.h"
#include "skin/runtime/skinner_links.h"

#include "ui/timer.h"

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace ui {
class TControl;
class TForm;
} // namespace ui

class TSkinManage : public TSkinManagerLink {
public:
    TSkinManage(TFormSkinnerFactory formSkinners, TPopupSkinnerFactory popupSkinners);
    ~TSkinManage() override;
    TSkinManage(const TSkinManage&) = delete;
    TSkinManage& operator=(const TSkinManage&) = delete;

    // What the skin data components ask.
    void RegisterSkinData(TSkinDataCore& data) override;
    void UnregisterSkinData(TSkinDataCore& data) override;
    void InstallHook() override;
    void ScheduleAction(TSkinAction action, int delayMs) override;
    void RefreshSkinForms() override;
    void SetPendingSkinData(TSkinDataCore* data) override { PendingSkinData = data; }
    TSkinManagerState State() const override { return state_; }
    void SetState(TSkinManagerState state) override { state_ = state; }
    void SetSkinningOn(bool on) override { SkinningOn = on; }
    bool SkinWindow(TWindowHandle window) override;

    // What the window hook reports (HCBT_CREATEWND, HCBT_DESTROYWND, HCBT_ACTIVATE).
    void CbtEvent(int code, WPARAM wp, LPARAM lp);
    // Gives the window a form skinner when it passes every test; true when one was made.
    bool SkinWindow(HWND window);
    // A visible top-level form is skinned; true for one that is hidden or a child.
    bool SkinVisibleForm(ui::TForm& form);
    // A form not shown yet is skinned and its skinner started at once, so that it comes up in
    // the skin's frame and is painted once, not first in the system's frame; true when it was.
    // Otherwise its first activation skins it, as any window's.
    bool SkinFormBeforeShow(ui::TForm& form);
    bool SkinPopupMenu(HWND window);
    bool ReleasePopupMenu(HWND window);
    bool IsPopupMenuSkinned(HWND window) const;
    TFormSkinnerLink* FindSkinForm(HWND window) const;
    // The class-library control that owns the window, or none.
    ui::TControl* FindControlObject(HWND window) const;
    // Forgets (without freeing) a form skinner; skinners call it as they go.
    void RemoveForm(const TFormSkinnerLink& form);
    // Frees the form skinners whose windows are gone.
    void PurgeForms();
    void ReleaseMarkedForms();
    void SetMdiMaximized(bool maximized);
    // Marks every open popup skinner as opened from the menu bar.
    void MarkPopupMenus();
    // Gives the menu handle to the newest popup skinner that has none.
    void BindPopupMenu(HMENU menu);
    // The popup skinner bound to that menu handle, or none.
    const TPopupSkinnerLink* PopupMenuOf(HMENU menu) const;
    // The timer's handler.
    void RunPendingAction();

    // The skin data component that skins the window, or none.
    TSkinData* ChooseSkinData(HWND window) const;
    // The first registered component for the main form: its options steer the filters.
    TSkinDataCore* MainSkinData() const { return mainSkinData_; }

    const std::vector<TFormSkinnerLink*>& Forms() const { return forms_; }
    const std::vector<TPopupSkinnerLink*>& PopupMenus() const { return popupMenus_; }
    const std::vector<TSkinDataCore*>& SkinDatas() const { return skinDatas_; }
    bool TimerEnabled() const { return timer_->Enabled(); }
    unsigned TimerInterval() const { return timer_->Interval(); }

    // State the skinners read and write.
    bool SkinningOn = false;
    // Action 1 walks the application's forms: plain children are let through.
    bool Sweeping = false;
    // Family of the next popup menu: 0 context menu, 1 menu-bar menu, 2 system menu.
    int PopupKind = 0;
    bool PopupFromMenuBar = false;
    bool MdiMaximized = false;
    HWND MdiClient = nullptr;
    ui::TForm* MdiMainForm = nullptr;
    TSkinAction PendingAction = TSkinAction::SkinOn;
    TSkinDataCore* PendingSkinData = nullptr;
    // Which manager made a form skinner: 0 for the program's own (the only one here).
    HMODULE ModuleKey = nullptr;
    HWND ReskinWindow = nullptr;

private:
    // SkinWindow's tests and the skinner made; the caller starts it. None when a test fails.
    TFormSkinnerLink* MakeFormSkinner(HWND window);
    void RunAction(TSkinAction action, TSkinDataCore& skin);
    // Detaches a form skinner, repaints its window and frees it.
    void Unskin(TFormSkinnerLink* form);
    void FreeForm(TFormSkinnerLink* form);

    TFormSkinnerFactory formSkinners_;
    TPopupSkinnerFactory popupSkinners_;
    std::unique_ptr<ui::TTimer> timer_;
    std::vector<TFormSkinnerLink*> forms_;
    std::vector<TPopupSkinnerLink*> popupMenus_;
    std::vector<TSkinDataCore*> skinDatas_;
    TSkinDataCore* mainSkinData_ = nullptr;
    TSkinManagerState state_ = TSkinManagerState::NotStarted;
};

// The manager of the process, or none yet.
TSkinManage* SkinManage();

// Plugs the manager into the skin data components: the first that needs a manager creates it
// with these factories. It lives until FreeSkinManage or the end of the program.
void UseSkinManage(TFormSkinnerFactory formSkinners, TPopupSkinnerFactory popupSkinners);
// Frees the manager (its hook, its skinners) and unplugs it.
void FreeSkinManage();
