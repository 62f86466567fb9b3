// The skin manager: the window hook, the filters in front of the form skinners, the lists of
// skinners and skin data components, and the deferred actions.
#include "skin/runtime/skin_manager.h"

#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_messages.h"
#include "skin/runtime/skin_platform.h"

#include "ui/application.h"
#include "ui/form.h"
#include "ui/startup_marks.h"

#include <algorithm>

namespace {

// The registry the class library tags its windows under: "ControlOfs" with this module and
// thread. Registered while the module is loaded, as a window message and as a global atom.
class TSkinRegistry {
public:
    TSkinRegistry()
        : message_(RegisterWindowMessageW(ui::ControlAtomName().c_str())),
          atom_(GlobalAddAtomW(ui::ControlAtomName().c_str())) {}
    ~TSkinRegistry() {
        if (atom_) GlobalDeleteAtom(atom_);
    }
    TSkinRegistry(const TSkinRegistry&) = delete;
    TSkinRegistry& operator=(const TSkinRegistry&) = delete;

    ATOM Atom() const { return atom_; }

private:
    UINT message_;
    ATOM atom_;
};

const TSkinRegistry registry;

// The one thread hook, and whether it still works (not once the manager is gone).
HHOOK cbtHook = nullptr;
bool hookDisabled = false;

std::unique_ptr<TSkinManage>& Global() {
    static std::unique_ptr<TSkinManage> manager;
    return manager;
}

LRESULT CALLBACK CbtHookProc(int code, WPARAM wp, LPARAM lp) {
    if (!hookDisabled && code >= 0) {
        if (TSkinManage* manager = SkinManage()) {
            try {
                manager->CbtEvent(code, wp, lp);
            } catch (...) {
                // A window the skin cannot take stays as it is; the hook never fails its caller.
            }
        }
    }
    return CallNextHookEx(cbtHook, code, wp, lp);
}

TSkinData* AsSkinData(TSkinDataCore* core) {
    return dynamic_cast<TSkinData*>(core);
}

} // namespace

TSkinManage::TSkinManage(TFormSkinnerFactory formSkinners, TPopupSkinnerFactory popupSkinners)
    : formSkinners_(std::move(formSkinners)), popupSkinners_(std::move(popupSkinners)),
      timer_(std::make_unique<ui::TTimer>(nullptr)) {
    timer_->SetEnabled(false);
    timer_->SetInterval(100);
    timer_->OnTimer = [this](ui::TPersistent*) { RunPendingAction(); };
    hookDisabled = false;
}

TSkinManage::~TSkinManage() {
    state_ = TSkinManagerState::ShuttingDown;
    SkinningOn = false;
    timer_.reset();
    for (std::size_t i = forms_.size(); i-- > 0;) {
        TFormSkinnerLink* form = forms_[i];
        if (form->ModuleKey() != ModuleKey) continue;
        forms_.erase(forms_.begin() + static_cast<std::ptrdiff_t>(i));
        form->Detach();
        form->FreeSkinner();
    }
    forms_.clear();
    while (!popupMenus_.empty()) {
        TPopupSkinnerLink* popup = popupMenus_.back();
        popupMenus_.pop_back();
        popup->FreeSkinner();
    }
    skinDatas_.clear();
    if (cbtHook) UnhookWindowsHookEx(cbtHook);
    cbtHook = nullptr;
    hookDisabled = true;
}

void TSkinManage::RegisterSkinData(TSkinDataCore& data) {
    if (std::find(skinDatas_.begin(), skinDatas_.end(), &data) != skinDatas_.end()) return;
    skinDatas_.push_back(&data);
    if (!mainSkinData_ && data.SkinFormtype == sfMainform) mainSkinData_ = &data;
}

void TSkinManage::UnregisterSkinData(TSkinDataCore& data) {
    std::erase(skinDatas_, &data);
    if (PendingSkinData == &data) PendingSkinData = nullptr;
    if (mainSkinData_ == &data) {
        mainSkinData_ = nullptr;
        for (TSkinDataCore* d : skinDatas_)
            if (d->SkinFormtype == sfMainform) {
                mainSkinData_ = d;
                break;
            }
    }
    if (state_ == TSkinManagerState::ShuttingDown) return;
    // Nothing may paint with a component that is going: its windows lose their skin.
    for (std::size_t i = forms_.size(); i-- > 0;)
        if (static_cast<TSkinDataCore*>(forms_[i]->SkinData()) == &data) Unskin(forms_[i]);
}

void TSkinManage::InstallHook() {
    if (cbtHook) return;
    cbtHook = SetWindowsHookExW(WH_CBT, CbtHookProc, nullptr, GetCurrentThreadId());
}

void TSkinManage::CbtEvent(int code, WPARAM wp, LPARAM lp) {
    const auto window = reinterpret_cast<HWND>(wp);
    switch (code) {
    case HCBT_CREATEWND: {
        const CREATESTRUCTW* create = reinterpret_cast<const CBT_CREATEWNDW*>(lp)->lpcs;
        const TCbtCreateAction action =
            CbtCreateAction(WindowClassName(window), static_cast<std::uint32_t>(create->style),
                            static_cast<std::uint32_t>(create->dwExStyle));
        if (action.sizeGrip) {
            if (TFormSkinnerLink* form = FindSkinForm(create->hwndParent))
                form->SizeGripCreated(window);
        }
        if (action.popupMenu) SkinPopupMenu(window);
        if (action.mdiChild) SkinWindow(window);
        break;
    }
    case HCBT_DESTROYWND:
        ReleasePopupMenu(window);
        break;
    case HCBT_ACTIVATE:
        ui::MarkStartup(ui::TStartupMark::FirstActivation);
        if (state_ == TSkinManagerState::NotStarted) state_ = TSkinManagerState::Running;
        SkinWindow(window);
        break;
    default:
        break;
    }
}

bool TSkinManage::SkinWindow(TWindowHandle window) {
    return SkinWindow(reinterpret_cast<HWND>(window));
}

bool TSkinManage::SkinWindow(HWND window) {
    if (!MakeFormSkinner(window)) return false;
    // Started from the message loop: the window may be in the middle of its activation.
    PostMessageW(window, SM_SKININIT, 0, kSkinInitParam);
    return true;
}

bool TSkinManage::SkinFormBeforeShow(ui::TForm& form) {
    if (!form.HandleAllocated() || form.FormStyle() == ui::TFormStyle::fsMDIChild ||
        form.FormStyle() == ui::TFormStyle::fsMDIForm) {
        return false;
    }
    const HWND window = form.Handle();
    if (IsWindowVisible(window) || !MakeFormSkinner(window)) return false;
    SendMessageW(window, SM_SKININIT, 0, kSkinInitParam);
    return true;
}

TFormSkinnerLink* TSkinManage::MakeFormSkinner(HWND window) {
    if (!SkinningOn || !IsWindow(window)) return nullptr;
    PurgeForms();
    if (SendMessageW(window, SM_ISSKINNED, 0, 0) == 1 || FindSkinForm(window)) return nullptr;
    ui::TControl* control = FindControlObject(window);

    TSkinWindowFacts facts;
    facts.className = WindowClassName(window);
    facts.style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
    facts.exStyle = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_EXSTYLE));
    if (facts.style & WS_CHILD) facts.parentClass = WindowClassName(GetParent(window));
    facts.sweeping = Sweeping;
    facts.hasControl = control != nullptr;
    facts.ownModule = reinterpret_cast<HMODULE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)) ==
                      GetModuleHandleW(nullptr);
    RECT r{};
    GetWindowRect(window, &r);
    facts.width = r.right - r.left;
    facts.height = r.bottom - r.top;
    facts.controlTag = control ? control->Tag() : 0;
    if (!IsSkinCandidate(facts)) return nullptr;
    if (!AcceptWindowClass(mainSkinData_, reinterpret_cast<TWindowHandle>(window), facts.className,
                           facts.style)) {
        return nullptr;
    }
    TSkinData* skin = ChooseSkinData(window);
    if (!skin || !skin->SkinLoaded() || !formSkinners_) return nullptr;

    TFormSkinnerLink* form = formSkinners_(*skin, control, window, ModuleKey, facts.className);
    if (!form) return nullptr;
    forms_.push_back(form);
    ui::MarkStartup(ui::TStartupMark::SkinnerMade);
    return form;
}

bool TSkinManage::SkinVisibleForm(ui::TForm& form) {
    if (!form.HandleAllocated()) return true;
    const HWND window = form.Handle();
    if (!IsWindowVisible(window) || (GetWindowLongW(window, GWL_STYLE) & WS_CHILD)) return true;
    return SkinWindow(window);
}

bool TSkinManage::SkinPopupMenu(HWND window) {
    if (!SkinningOn || SendMessageW(window, SM_ISSKINNED, 0, 0) == 1 ||
        IsPopupMenuSkinned(window)) {
        return false;
    }
    TSkinData* skin = ChooseSkinData(window);
    if (!skin || !skin->SkinLoaded() || !PopupMenuWanted(PopupKind, skin->SkinControls) ||
        !popupSkinners_) {
        return false;
    }
    TPopupSkinnerLink* popup = popupSkinners_(*skin, window);
    if (!popup) return false;
    popupMenus_.push_back(popup);
    if (PopupFromMenuBar) popup->SetFromMenuBar(true);
    return true;
}

bool TSkinManage::ReleasePopupMenu(HWND window) {
    const auto it = std::find_if(popupMenus_.begin(), popupMenus_.end(),
                                 [&](TPopupSkinnerLink* p) { return p->Window() == window; });
    const bool found = it != popupMenus_.end();
    if (found) {
        TPopupSkinnerLink* popup = *it;
        popupMenus_.erase(it);
        popup->FreeSkinner();
    }
    // Once the last menu window goes, the next menu is a context menu again, whether the closed
    // ones were skinned or not.
    if (popupMenus_.empty() && (found || WindowClassName(window) == "#32768")) {
        PopupFromMenuBar = false;
        PopupKind = 0;
    }
    return found;
}

bool TSkinManage::IsPopupMenuSkinned(HWND window) const {
    return std::any_of(popupMenus_.begin(), popupMenus_.end(),
                       [&](const TPopupSkinnerLink* p) { return p->Window() == window; });
}

TFormSkinnerLink* TSkinManage::FindSkinForm(HWND window) const {
    const auto it = std::find_if(forms_.begin(), forms_.end(),
                                 [&](const TFormSkinnerLink* f) { return f->Window() == window; });
    return it == forms_.end() ? nullptr : *it;
}

ui::TControl* TSkinManage::FindControlObject(HWND window) const {
    if (ui::Application) {
        for (ui::TForm* form : ui::Application->Forms())
            if (form->HandleAllocated() && form->Handle() == window) return form;
    }
    return static_cast<ui::TControl*>(GetPropW(window, MAKEINTATOM(registry.Atom())));
}

void TSkinManage::RemoveForm(const TFormSkinnerLink& form) {
    if (state_ == TSkinManagerState::ShuttingDown) return;
    const auto it = std::find(forms_.begin(), forms_.end(), &form);
    if (it != forms_.end()) forms_.erase(it);
}

void TSkinManage::PurgeForms() {
    if (state_ == TSkinManagerState::ShuttingDown) return;
    for (std::size_t i = forms_.size(); i-- > 0;) {
        TFormSkinnerLink* form = forms_[i];
        if (form->SkinState() == TFormSkinState::Destroyed && form->ModuleKey() == ModuleKey)
            FreeForm(form);
    }
}

void TSkinManage::ReleaseMarkedForms() {
    if (state_ == TSkinManagerState::ShuttingDown) return;
    for (std::size_t i = forms_.size(); i-- > 0;)
        if (forms_[i]->SkinState() == TFormSkinState::Destroyed) FreeForm(forms_[i]);
}

void TSkinManage::FreeForm(TFormSkinnerLink* form) {
    std::erase(forms_, form);
    form->FreeSkinner();
}

void TSkinManage::Unskin(TFormSkinnerLink* form) {
    form->Detach();
    InvalidateRect(form->Window(), nullptr, TRUE);
    UpdateWindow(form->Window());
    FreeForm(form);
}

void TSkinManage::ScheduleAction(TSkinAction action, int delayMs) {
    PendingAction = action;
    timer_->SetInterval(static_cast<unsigned>(std::max(delayMs, 0)));
    if (state_ != TSkinManagerState::NotStarted) {
        timer_->SetEnabled(true);
    } else if (const std::optional<bool> on = SkinningSwitchBeforeStart(action)) {
        // No window was activated yet: the first activation skins it.
        SkinningOn = *on;
    }
}

void TSkinManage::RefreshSkinForms() {
    for (TFormSkinnerLink* form : forms_)
        if (static_cast<TSkinDataCore*>(form->SkinData()) == PendingSkinData)
            form->FreeCaptionButtons();
}

void TSkinManage::RunPendingAction() {
    timer_->SetEnabled(false);
    TSkinDataCore* skin = PendingSkinData;
    if (!skin) return;
    const TSkinAction action = PendingAction;
    RunAction(action, *skin);
    if (!ActionFiresSkinChanged(action, skin->SkinFormtype)) return;
    // Cleared first, so a handler that schedules the next action keeps its component.
    PendingSkinData = nullptr;
    skin->DoSkinChanged();
}

void TSkinManage::RunAction(TSkinAction action, TSkinDataCore& skin) {
    auto usesSkin = [&](const TFormSkinnerLink* f) {
        return static_cast<TSkinDataCore*>(f->SkinData()) == &skin;
    };
    // Walked from the newest; a copy, since skinning may create forms.
    std::vector<ui::TForm*> appForms;
    if (ui::Application) appForms = ui::Application->Forms();

    switch (PlanAction(action, skin.SkinFormtype)) {
    case TActionStep::SkinOwnForm: {
        SkinningOn = true;
        Sweeping = true;
        TSkinData* data = AsSkinData(&skin);
        for (auto it = appForms.rbegin(); it != appForms.rend(); ++it) {
            if (data && data->Owner() == *it) {
                SkinVisibleForm(**it);
                break;
            }
        }
        Sweeping = false;
        break;
    }
    case TActionStep::SkinAllForms:
        SkinningOn = true;
        Sweeping = true;
        PurgeForms();
        for (auto it = appForms.rbegin(); it != appForms.rend(); ++it)
            SkinVisibleForm(**it);
        Sweeping = false;
        break;
    case TActionStep::UnskinOwnForm: {
        SkinningOn = false;
        PurgeForms();
        const auto it = std::find_if(forms_.rbegin(), forms_.rend(), usesSkin);
        if (it != forms_.rend()) Unskin(*it);
        break;
    }
    case TActionStep::UnskinAllForms:
        SkinningOn = false;
        PurgeForms();
        while (!forms_.empty())
            Unskin(forms_.front());
        break;
    case TActionStep::RefreshOwnForm: {
        PurgeForms();
        const auto it = std::find_if(forms_.begin(), forms_.end(), usesSkin);
        if (it != forms_.end()) {
            TFormSkinnerLink* form = *it;
            form->FreeCaptionButtons();
            form->UpdateFrameSizes();
            form->Refresh();
        }
        break;
    }
    case TActionStep::RefreshAllForms: {
        PurgeForms();
        std::vector<TFormSkinnerLink*> using_;
        std::copy_if(forms_.begin(), forms_.end(), std::back_inserter(using_), usesSkin);
        for (TFormSkinnerLink* form : using_) {
            form->FreeCaptionButtons();
            form->UpdateFrameSizes();
        }
        for (TFormSkinnerLink* form : using_)
            form->Refresh();
        break;
    }
    case TActionStep::ReleaseDestroyed:
        ReleaseMarkedForms();
        break;
    case TActionStep::ReskinWindow:
        if (TFormSkinnerLink* form = FindSkinForm(ReskinWindow)) {
            form->Detach();
            form->SetSkinState(TFormSkinState::Destroyed);
            PurgeForms();
            SkinWindow(ReskinWindow);
        }
        break;
    case TActionStep::Nothing:
        break;
    }
}

TSkinData* TSkinManage::ChooseSkinData(HWND window) const {
    std::vector<TSkinDataChoice> choices;
    for (TSkinDataCore* core : skinDatas_) {
        TSkinDataChoice choice;
        choice.formType = core->SkinFormtype;
        const TSkinData* data = AsSkinData(core);
        auto* form = data ? dynamic_cast<ui::TForm*>(data->Owner()) : nullptr;
        if (form && form->HandleAllocated())
            choice.ownerWindow = reinterpret_cast<TWindowHandle>(form->Handle());
        choices.push_back(choice);
    }
    const std::optional<std::size_t> chosen =
        ::ChooseSkinData(choices, reinterpret_cast<TWindowHandle>(window), WindowClassName(window));
    return chosen ? AsSkinData(skinDatas_[*chosen]) : nullptr;
}

void TSkinManage::SetMdiMaximized(bool maximized) {
    if (maximized == MdiMaximized) return;
    MdiMaximized = maximized;
    if (mainSkinData_ && InSet(mainSkinData_->Options, xoMDIChildBorder)) return;
    for (TFormSkinnerLink* form : std::vector<TFormSkinnerLink*>(forms_))
        if (form->IsMdiChild()) form->MdiMaximizedChanged(maximized);
}

void TSkinManage::MarkPopupMenus() {
    for (TPopupSkinnerLink* popup : popupMenus_)
        popup->SetFromMenuBar(true);
}

void TSkinManage::BindPopupMenu(HMENU menu) {
    // A menu already bound stays with its window.
    if (!menu || PopupMenuOf(menu)) return;
    for (auto it = popupMenus_.rbegin(); it != popupMenus_.rend(); ++it) {
        if (!(*it)->Menu()) {
            (*it)->SetMenu(menu);
            return;
        }
    }
}

const TPopupSkinnerLink* TSkinManage::PopupMenuOf(HMENU menu) const {
    if (!menu) return nullptr;
    for (const TPopupSkinnerLink* popup : popupMenus_)
        if (popup->Menu() == menu) return popup;
    return nullptr;
}

TSkinManage* SkinManage() {
    return Global().get();
}

void UseSkinManage(TFormSkinnerFactory formSkinners, TPopupSkinnerFactory popupSkinners) {
    SetSkinManagerProvider([formSkinners = std::move(formSkinners),
                            popupSkinners = std::move(popupSkinners)](bool create) {
        std::unique_ptr<TSkinManage>& manager = Global();
        if (!manager && create)
            manager = std::make_unique<TSkinManage>(formSkinners, popupSkinners);
        return static_cast<TSkinManagerLink*>(manager.get());
    });
}

void FreeSkinManage() {
    SetSkinManagerProvider(nullptr);
    Global().reset();
}
