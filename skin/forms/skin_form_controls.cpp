// The form skinner's skin controls: one per recognised control of the window, found when the
// skinner starts or when a hidden control's window is made later, made again after a skin change,
// freed with the skinner. The decisions are the discovery rules'; this walks the window,
// gathers what they read and carries them out.
#include "skin/forms/skin_form.h"

#include "skin/controls/base/skin_control.h"
#include "skin/controls/base/skin_control_factory.h"
#include "skin/forms/control_discovery_rules.h"
#include "skin/runtime/skin_data.h"
#include "skin/runtime/skin_messages.h"

#include "ui/form.h"
#include "ui/properties.h"

#include <algorithm>
#include <string>

namespace {

TControlFacts FactsOf(ui::TControl& control) {
    TControlFacts f;
    for (const ui::TClassInfo* c = &control.ClassType(); c; c = c->Parent())
        f.ancestry.push_back(c->Name());
    auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
    f.windowed = windowed != nullptr;
    if (windowed && windowed->HandleAllocated()) {
        const HWND window = windowed->Handle();
        f.style = static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE));
        RECT outer{}, client{};
        GetWindowRect(window, &outer);
        GetClientRect(window, &client);
        f.bordered =
            outer.right - outer.left != client.right || outer.bottom - outer.top != client.bottom;
    }
    f.kindProperty = ui::LowerCase(ui::GetEnumProp(&control, L"Kind"));
    f.styleProperty = ui::LowerCase(ui::GetEnumProp(&control, L"Style"));
    f.dateModeProperty = ui::LowerCase(ui::GetEnumProp(&control, L"DateMode"));
    f.numButtons = ui::GetOrdProp(&control, L"NumButtons");
    return f;
}

// A windowed control whose window is not made yet (hidden, or inside a hidden one): what the
// rules read is its window's, so it is taken up once that is made, and never made for it here.
bool WindowNotMade(const ui::TControl& control) {
    const auto* windowed = dynamic_cast<const ui::TWinControl*>(&control);
    return windowed && !windowed->HandleAllocated();
}

} // namespace

void TWinSkinForm::RegisterSkinControl(TSkinControl& control) {
    if (std::find(skinControls_.begin(), skinControls_.end(), &control) == skinControls_.end())
        skinControls_.push_back(&control);
}

void TWinSkinForm::UnregisterSkinControl(TSkinControl& control) {
    std::erase(skinControls_, &control);
    if (mouseControl_ == &control) mouseControl_ = nullptr;
}

TSkinControlKind TWinSkinForm::AssignedKind(HWND window) const {
    for (const TControlAssignment& a : assignments_)
        if (a.window == window) return a.kind;
    return TSkinControlKind::None;
}

TDiscoverySwitches TWinSkinForm::Switches() const {
    return {skin_->SkinControls, skin_->Elements().Tabs != nullptr};
}

TSkinControl* TWinSkinForm::SkinControlOf(HWND window) const {
    for (TSkinControl* c : skinControls_)
        if (window && c->Handle() == window) return c;
    return nullptr;
}

bool TWinSkinForm::IsSkinned(ui::TControl& control) const {
    // This form's own skin controls first: asking the window is a message for each control.
    if (std::any_of(skinControls_.begin(), skinControls_.end(),
                    [&](const TSkinControl* c) { return c->Control() == &control; }))
        return true;
    auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
    return windowed && windowed->HandleAllocated() &&
           SendMessageW(windowed->Handle(), SM_ISSKINNED, 0, 0) == 1;
}

void TWinSkinForm::Remember(ui::TControl* control, HWND window, TSkinControlKind kind) {
    std::erase_if(assignments_, [&](const TControlAssignment& a) {
        return control ? a.control == control : a.window == window;
    });
    assignments_.push_back({control, window, kind});
}

void TWinSkinForm::AssignControls() {
    if (!skin_) return;
    // Skin controls of windows that went (a control made its window again) make way for new ones.
    const std::vector<TSkinControl*> all = skinControls_;
    for (TSkinControl* c : all)
        if (c->LifeState() == TSkinControl::kWindowDestroyed) ui::Free(c);
    std::erase_if(assignments_,
                  [](const TControlAssignment& a) { return a.window && !IsWindow(a.window); });
    if (!form_) {
        AssignWindowChildren(window_);
        return;
    }
    const std::vector<ui::TComponent*> components = form_->Components();
    for (ui::TComponent* component : components)
        if (auto* control = dynamic_cast<ui::TControl*>(component)) AssignControl(*control);
    // Controls placed on the form without belonging to it.
    std::vector<ui::TWinControl*> tabOrder;
    form_->GetTabOrderList(tabOrder);
    for (ui::TWinControl* control : tabOrder) {
        if (control->HandleAllocated() && control->Tag() != skin_->DisableTag)
            AssignControl(*control);
    }
    // The form's popup menus are drawn from the skin whatever the main menus are: a skin data
    // component with xcMainMenu never keeps xcMenuItem.
    OwnerDrawMenus(true, true);
}

void TWinSkinForm::AssignControl(ui::TControl& control) {
    auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
    if (control.Tag() == skin_->DisableTag) {
        if (windowed && DisableTagReachesChildren(control.ClassName()))
            for (ui::TControl* child : windowed->Controls())
                child->SetTag(skin_->DisableTag);
        return;
    }
    if (!control.Parent() || WindowNotMade(control) || IsSkinned(control)) return;
    if (skin_->OnSkinControl) {
        ui::TComponent* chosen = nullptr;
        skin_->OnSkinControl(this, skin_, form_, &control, UpperClassName(control.ClassName()),
                             chosen);
        if (auto* skinControl = dynamic_cast<TSkinControl*>(chosen)) {
            if (std::find(skinControls_.begin(), skinControls_.end(), skinControl) ==
                skinControls_.end())
                skinControl->AttachControl(this, skin_, skinControl->Variant() != 0,
                                           &controlCanvas_);
            if (windowed && FactsOf(control).Is(L"TCustomPanel")) AssignChildren(*windowed);
            return;
        }
    }
    CarryOut(DecideControl(FactsOf(control), skin_->Skin3rd(), Switches()), control);
}

void TWinSkinForm::AssignChildren(ui::TWinControl& parent) {
    const std::vector<ui::TControl*> children = parent.Controls();
    for (ui::TControl* child : children)
        AssignControl(*child);
}

void TWinSkinForm::CarryOut(const TControlDecision& decision, ui::TControl& control) {
    auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
    for (const TDiscoveryStep& step : decision.steps) {
        switch (step.action) {
        case TDiscoveryAction::Skin:
            SkinControl(step.order, control);
            break;
        case TDiscoveryAction::AssignChildren:
            if (windowed) AssignChildren(*windowed);
            break;
        case TDiscoveryAction::SkinChildren:
            if (!windowed) break;
            for (ui::TControl* child : std::vector<ui::TControl*>(windowed->Controls())) {
                if (child->Tag() == skin_->DisableTag || WindowNotMade(*child) ||
                    IsSkinned(*child))
                    continue;
                const TSkinControlOrder order = ChildOrder(step.childRule, FactsOf(*child));
                if (order.kind != TSkinControlKind::None) SkinControl(order, *child);
            }
            break;
        case TDiscoveryAction::AssignComponents:
            for (ui::TComponent* component : std::vector<ui::TComponent*>(control.Components()))
                if (auto* owned = dynamic_cast<ui::TControl*>(component)) AssignControl(*owned);
            break;
        case TDiscoveryAction::SetProperty:
            ui::SetPropValue(&control, step.property, step.value);
            break;
        case TDiscoveryAction::ButtonFaceColour:
            control.SetColor(ColorToRGB(skin_->Elements().Colors[kButtonFace]));
            break;
        default:
            // Tool bars, cool bars and tool buttons: the class library has none.
            break;
        }
    }
}

void TWinSkinForm::SkinControl(const TSkinControlOrder& order, ui::TControl& control) {
    auto* windowed = dynamic_cast<ui::TWinControl*>(&control);
    const HWND window = windowed ? windowed->Handle() : nullptr;
    Remember(&control, window, order.kind);
    TSkinControlPtr made = MakeSkinControl(order, &control);
    if (!made) return;
    made->SetVariant(order.variant);
    switch (order.attach) {
    case TSkinAttach::Control:
        made->AttachControl(this, skin_, order.ownsColor, &controlCanvas_);
        break;
    case TSkinAttach::ScrollHost:
        made->AttachScrollHost(&control, skin_, this, &controlCanvas_);
        break;
    case TSkinAttach::Window:
        if (window) made->AttachWindow(window, skin_, this, &controlCanvas_);
        break;
    }
    Keep(std::move(made));
}

void TWinSkinForm::SkinChildWindow(const TSkinControlOrder& order, HWND window) {
    Remember(nullptr, window, order.kind);
    TSkinControlPtr made = MakeSkinControl(order, nullptr);
    if (!made) return;
    made->AttachWindow(window, skin_, this, &controlCanvas_);
    Keep(std::move(made));
}

void TWinSkinForm::Keep(TSkinControlPtr made) {
    // Registered, it is in the list and freed from there; otherwise it goes now.
    if (std::find(skinControls_.begin(), skinControls_.end(), made.get()) != skinControls_.end())
        (void)made.release();
}

void TWinSkinForm::AssignWindowChildren(HWND parent) {
    for (HWND child = GetTopWindow(parent); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (SkinControlOf(child)) continue;
        const auto style = static_cast<std::uint32_t>(GetWindowLongW(child, GWL_STYLE));
        const TControlDecision decision =
            DecideForeignWindow(ui::WindowClassName(child), style, Switches());
        for (const TDiscoveryStep& step : decision.steps) {
            switch (step.action) {
            case TDiscoveryAction::Skin:
                SkinChildWindow(step.order, child);
                break;
            case TDiscoveryAction::SkinFirstChild:
                if (const HWND first = GetWindow(child, GW_CHILD))
                    SkinChildWindow(step.order, first);
                break;
            case TDiscoveryAction::AssignChildren:
                AssignWindowChildren(child);
                break;
            case TDiscoveryAction::ButtonFaceColour:
                if (ui::TControl* control = ui::FindControl(child))
                    control->SetColor(ColorToRGB(skin_->Elements().Colors[kButtonFace]));
                break;
            default:
                break;
            }
        }
    }
}

void TWinSkinForm::ControlRecreated(HWND control) {
    TSkinControl* old = SkinControlOf(control);
    if (!old || !old->Control() || !skin_) return;
    ui::TControl& wrapped = *old->Control();
    const bool listView = AssignedKind(control) == TSkinControlKind::ListView;
    ui::Free(old);
    TSkinControlOrder order;
    order.kind = listView ? TSkinControlKind::ListView : TSkinControlKind::Scrollbar;
    order.attach = TSkinAttach::ScrollHost;
    SkinControl(order, wrapped);
}

void TWinSkinForm::DeferredWindowMade(HWND window) {
    if (!form_ || !skin_ || !started_) return; // the start's walk will find it
    auto* control = dynamic_cast<ui::TWinControl*>(ui::FindControl(window));
    if (!control || control->ParentForm() != form_) return;
    AssignControl(*control);
    std::vector<ui::TWinControl*> inside;
    control->GetTabOrderList(inside);
    for (ui::TWinControl* c : inside)
        AssignControl(*c);
}

void TWinSkinForm::ReloadSkinControls() {
    const std::vector<TSkinControl*> all = skinControls_;
    for (TSkinControl* c : all)
        c->SkinChanged();
    AssignControls();
}

void TWinSkinForm::FreeSkinControls(bool restore) {
    // Skinning ends while the controls live on: they get their own colours back.
    if (restore)
        for (TSkinControl* c : std::vector<TSkinControl*>(skinControls_))
            c->Detach();
    // Each one unregisters as it goes.
    while (!skinControls_.empty())
        ui::Free(skinControls_.back());
    assignments_.clear();
    mouseControl_ = nullptr;
}

void TWinSkinForm::SizeGripCreated(HWND grip) {
    if (!skin_ || SkinControlOf(grip)) return;
    TSkinControlOrder order;
    order.kind = TSkinControlKind::Sizer;
    order.attach = TSkinAttach::Window;
    SkinChildWindow(order, grip);
}
