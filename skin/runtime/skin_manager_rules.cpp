// The skin manager's rules.
#include "skin/runtime/skin_manager_rules.h"

#include "skin/model/skin_text.h"

namespace {

// Window style bits the rules read (the values of the Windows headers).
constexpr std::uint32_t kWsChild = 0x40000000;
constexpr std::uint32_t kWsExMdiChild = 0x40;
constexpr std::uint32_t kSbsSizeGrip = 0x10;
// On a dialog: DS_SETFOREGROUND, which marks dialogs the skin leaves alone.
constexpr std::uint32_t kUnskinnedDialogStyle = 0x200;
// The tag that keeps a control's window unskinned, whatever the component's DisableTag says.
constexpr std::int32_t kNeverSkinTag = 99;

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

} // namespace

TCbtCreateAction CbtCreateAction(std::string_view className, std::uint32_t style,
                                 std::uint32_t exStyle) {
    TCbtCreateAction action;
    action.sizeGrip = className == "ScrollBar" && (style & kSbsSizeGrip) != 0;
    action.popupMenu = !(style & kWsChild) && className == "#32768";
    action.mdiChild = (exStyle & kWsExMdiChild) != 0;
    return action;
}

bool IsPlainChildWindow(std::uint32_t style, std::uint32_t exStyle, std::string_view parentClass) {
    return (style & kWsChild) && !(exStyle & kWsExMdiChild) &&
           AsciiLower(parentClass) != "mdiclient";
}

bool IsSkinCandidate(const TSkinWindowFacts& f) {
    if (!f.sweeping && IsPlainChildWindow(f.style, f.exStyle, f.parentClass)) return false;
    if (!f.hasControl && !f.ownModule && f.className != "#32770") return false;
    const bool empty = static_cast<std::int64_t>(f.width) * f.height == 0;
    if (empty && !(f.exStyle & kWsExMdiChild)) return false;
    if (f.hasControl && f.controlTag == kNeverSkinTag) return false;
    return !Contains(f.className, "TcxPopupEditPopupWindow") &&
           !Contains(f.className, "TTERenderWindow") && f.className != "TApplication";
}

bool AcceptWindowClass(TSkinDataCore* mainSkinData, TWindowHandle window,
                       const std::string& className, std::uint32_t style) {
    bool accept = true;
    if (!mainSkinData) return accept;
    const std::string lower = AsciiLower(className);
    if (!InSet(mainSkinData->Options, xoPreview) && Contains(lower, "preview")) accept = false;
    if (className == "#32770" && (style & kUnskinnedDialogStyle)) accept = false;
    if (lower == "tpopupdbtreeview") accept = false;
    mainSkinData->FormFilter(window, className, accept);
    return accept;
}

std::optional<std::size_t> ChooseSkinData(std::span<const TSkinDataChoice> registered,
                                          TWindowHandle window, std::string_view className) {
    auto last = [&](auto matches) -> std::optional<std::size_t> {
        for (std::size_t i = registered.size(); i-- > 0;)
            if (matches(registered[i])) return i;
        return std::nullopt;
    };
    if (auto own = last([&](const TSkinDataChoice& c) {
            return c.formType == sfOnlyThisForm && window != 0 && c.ownerWindow == window;
        })) {
        return own;
    }
    const std::string lower = AsciiLower(className);
    if (lower == "tmessageform" || lower == "#32770") {
        if (auto dialog = last([](const TSkinDataChoice& c) { return c.formType == sfDialog; }))
            return dialog;
    }
    if (auto main = last([](const TSkinDataChoice& c) { return c.formType == sfMainform; }))
        return main;
    if (registered.empty()) return std::nullopt;
    return 0;
}

bool PopupMenuWanted(int popupKind, TSkinControls controls) {
    switch (popupKind) {
    case 0:
        return InSet(controls, xcPopupMenu);
    case 1:
        return InSet(controls, xcMainMenu) || InSet(controls, xcMenuItem);
    case 2:
        return InSet(controls, xcSystemMenu);
    default:
        return true;
    }
}

TActionStep PlanAction(TSkinAction action, TSkinFormType formType) {
    const bool own = formType == sfOnlyThisForm;
    switch (action) {
    case TSkinAction::SkinOn:
        return own ? TActionStep::SkinOwnForm : TActionStep::SkinAllForms;
    case TSkinAction::SkinOff:
        return own ? TActionStep::UnskinOwnForm : TActionStep::UnskinAllForms;
    case TSkinAction::Refresh:
        return own ? TActionStep::RefreshOwnForm : TActionStep::RefreshAllForms;
    case TSkinAction::ReleaseDestroyed:
        return TActionStep::ReleaseDestroyed;
    case TSkinAction::Reskin:
        // A component for one form has no re-skin of its own.
        return own ? TActionStep::Nothing : TActionStep::ReskinWindow;
    }
    return TActionStep::Nothing;
}

bool ActionFiresSkinChanged(TSkinAction action, TSkinFormType formType) {
    return PlanAction(action, formType) != TActionStep::ReskinWindow;
}

std::optional<bool> SkinningSwitchBeforeStart(TSkinAction action) {
    if (action == TSkinAction::SkinOn) return true;
    if (action == TSkinAction::SkinOff) return false;
    return std::nullopt;
}
