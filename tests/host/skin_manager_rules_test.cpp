// The skin manager's rules: what the hook does with a new window, the filters in front of a form
// skinner, the choice of skin data, popup menus and the deferred actions.
#include "skin/runtime/skin_manager_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::uint32_t kChild = 0x40000000, kPopup = 0x80000000, kMdiChild = 0x40;

TEST(SkinManagerRules, HookActionsForNewWindows) {
    const struct {
        const char* cls;
        std::uint32_t style;
        std::uint32_t exStyle;
        bool grip, popup, mdi;
    } cases[] = {
        {"ScrollBar", kChild | 0x10, 0, true, false, false},
        {"ScrollBar", kChild | 0x08, 0, false, false, false},
        {"scrollbar", kChild | 0x10, 0, false, false, false}, // the name as the system gives it
        {"#32768", kPopup, 0, false, true, false},
        {"#32768", kChild, 0, false, false, false},
        {"#327680", kPopup, 0, false, false, false},
        {"TForm2", 0, kMdiChild, false, false, true},
        {"TForm2", 0, 0, false, false, false},
    };
    for (const auto& c : cases) {
        const TCbtCreateAction a = CbtCreateAction(c.cls, c.style, c.exStyle);
        EXPECT_EQ(a.sizeGrip, c.grip) << c.cls << " " << c.style;
        EXPECT_EQ(a.popupMenu, c.popup) << c.cls << " " << c.style;
        EXPECT_EQ(a.mdiChild, c.mdi) << c.cls << " " << c.style;
    }
}

TEST(SkinManagerRules, SkinCandidates) {
    auto form = [] {
        TSkinWindowFacts f;
        f.className = "TForm1";
        f.style = kPopup;
        f.hasControl = true;
        f.width = 271;
        f.height = 384;
        return f;
    };
    const struct {
        const char* what;
        void (*change)(TSkinWindowFacts&);
        bool candidate;
    } cases[] = {
        {"a form of ours", [](TSkinWindowFacts&) {}, true},
        {"a plain child", [](TSkinWindowFacts& f) { f.style = kChild; }, false},
        {"a plain child while sweeping",
         [](TSkinWindowFacts& f) {
             f.style = kChild;
             f.sweeping = true;
         },
         true},
        {"a child of an MDI client",
         [](TSkinWindowFacts& f) {
             f.style = kChild;
             f.parentClass = "MDICLIENT";
         },
         true},
        {"an MDI child of any parent",
         [](TSkinWindowFacts& f) {
             f.style = kChild;
             f.exStyle = kMdiChild;
         },
         true},
        {"a window of our module without a control",
         [](TSkinWindowFacts& f) {
             f.hasControl = false;
             f.ownModule = true;
         },
         true},
        {"a foreign window", [](TSkinWindowFacts& f) { f.hasControl = false; }, false},
        {"a foreign dialog",
         [](TSkinWindowFacts& f) {
             f.hasControl = false;
             f.className = "#32770";
         },
         true},
        {"an empty window", [](TSkinWindowFacts& f) { f.height = 0; }, false},
        {"an empty MDI child",
         [](TSkinWindowFacts& f) {
             f.width = 0;
             f.exStyle = kMdiChild;
         },
         true},
        {"tag 99", [](TSkinWindowFacts& f) { f.controlTag = 99; }, false},
        {"tag 98", [](TSkinWindowFacts& f) { f.controlTag = 98; }, true},
        {"tag 99 without a control",
         [](TSkinWindowFacts& f) {
             f.hasControl = false;
             f.ownModule = true;
             f.controlTag = 99;
         },
         true},
        {"a popup edit", [](TSkinWindowFacts& f) { f.className = "TcxPopupEditPopupWindowEx"; },
         false},
        {"a render window", [](TSkinWindowFacts& f) { f.className = "XTTERenderWindow"; }, false},
        {"the application window", [](TSkinWindowFacts& f) { f.className = "TApplication"; },
         false},
        {"an application window of its own",
         [](TSkinWindowFacts& f) { f.className = "TApplicationEx"; }, true},
    };
    for (const auto& c : cases) {
        TSkinWindowFacts f = form();
        c.change(f);
        EXPECT_EQ(IsSkinCandidate(f), c.candidate) << c.what;
    }
}

TEST(SkinManagerRules, AcceptWindowClass) {
    const struct {
        const char* cls;
        std::uint32_t style;
        TSkinOptions options;
        TSkinControls controls;
        bool accept;
    } cases[] = {
        {"TForm1", 0, 0, kDefaultSkinControls, true},
        {"TPrintPreviewForm", 0, 0, kDefaultSkinControls, false},
        {"TPrintPreviewForm", 0, SetOf<TSkinOptions>(xoPreview), kDefaultSkinControls, true},
        {"#32770", 0x200, kDefaultSkinOptions, kDefaultSkinControls, false},
        {"#32770", 0x100, kDefaultSkinOptions, kDefaultSkinControls, true},
        {"TOther", 0x200, kDefaultSkinOptions, kDefaultSkinControls, true},
        {"TPopupDBTreeView", 0, kDefaultSkinOptions, kDefaultSkinControls, false},
        {"SysMonthCal32", 0, kDefaultSkinOptions, kDefaultSkinControls, false},
        {"TfrDesignerForm", 0, kDefaultSkinOptions, kDefaultSkinControls, true},
        {"TfrDesignerForm", 0, kDefaultSkinOptions,
         kDefaultSkinControls | SetOf<TSkinControls>(xcFastReport), false},
    };
    for (const auto& c : cases) {
        TSkinDataCore main;
        main.Options = c.options;
        main.SkinControls = c.controls;
        EXPECT_EQ(AcceptWindowClass(&main, 5, c.cls, c.style), c.accept) << c.cls;
        EXPECT_EQ(main.FilterWindow(), 5u);
        // Without a main skin data component every class is welcome.
        EXPECT_TRUE(AcceptWindowClass(nullptr, 5, c.cls, c.style)) << c.cls;
    }
}

TEST(SkinManagerRules, TheFormFilterHandlerHasTheLastWord) {
    TSkinDataCore main;
    std::vector<std::pair<std::string, bool>> asked;
    main.OnFormSkin = [&](TSkinDataCore&, const std::string& name, bool& doSkin) {
        asked.emplace_back(name, doSkin);
        doSkin = name != "TForm1";
    };
    EXPECT_TRUE(AcceptWindowClass(&main, 1, "#32770", 0x200));
    EXPECT_FALSE(AcceptWindowClass(&main, 1, "TForm1", 0));
    EXPECT_TRUE(AcceptWindowClass(&main, 1, "SysMonthCal32", 0));
    const std::vector<std::pair<std::string, bool>> expected = {
        {"#32770", false}, {"TForm1", true}, {"SysMonthCal32", true}};
    EXPECT_EQ(asked, expected);
}

TEST(SkinManagerRules, ChooseSkinData) {
    using C = TSkinDataChoice;
    const std::vector<C> mixed = {{sfDialog, 0},      {sfMainform, 10},     {sfOnlyThisForm, 20},
                                  {sfMainform, 30},   {sfOnlyThisForm, 20}, {sfDialog, 40},
                                  {sfOnlyThisForm, 0}};
    const struct {
        const char* what;
        std::vector<C> registered;
        TWindowHandle window;
        const char* cls;
        std::optional<std::size_t> chosen;
    } cases[] = {
        {"the last one made for that form", mixed, 20, "TForm2", 4},
        {"the last one made for that form, even a dialog", mixed, 20, "#32770", 4},
        {"a dialog: the last dialog one", mixed, 99, "#32770", 5},
        {"a message box: the last dialog one", mixed, 99, "TMessageForm", 5},
        {"anything else: the last main-form one", mixed, 99, "TForm3", 3},
        {"a window 0 is no form's", mixed, 0, "TForm3", 3},
        {"a dialog without dialog ones: the main-form one",
         {{sfMainform, 1}, {sfOnlyThisForm, 2}},
         99,
         "#32770",
         0},
        {"no main-form one: the first", {{sfOnlyThisForm, 2}, {sfDLL, 3}}, 99, "TForm3", 0},
        {"none registered", {}, 99, "TForm3", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseSkinData(c.registered, c.window, c.cls), c.chosen) << c.what;
}

TEST(SkinManagerRules, PopupMenusByFamily) {
    const TSkinControls all = 0x3FFFFF;
    auto without = [&](TSkinControlType t) { return all & ~SetOf<TSkinControls>(t); };
    const struct {
        int kind;
        TSkinControls controls;
        bool wanted;
    } cases[] = {
        {0, all, true},
        {0, without(xcPopupMenu), false},
        {1, SetOf<TSkinControls>(xcMainMenu), true},
        {1, SetOf<TSkinControls>(xcMenuItem), true},
        {1, without(xcMainMenu) & ~SetOf<TSkinControls>(xcMenuItem), false},
        {2, SetOf<TSkinControls>(xcSystemMenu), true},
        {2, without(xcSystemMenu), false},
        {3, 0, true},
        {-1, 0, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PopupMenuWanted(c.kind, c.controls), c.wanted) << c.kind << " " << c.controls;
}

TEST(SkinManagerRules, DeferredActions) {
    using A = TSkinAction;
    using S = TActionStep;
    const struct {
        A action;
        TSkinFormType type;
        S step;
        bool fires;
    } cases[] = {
        {A::SkinOn, sfMainform, S::SkinAllForms, true},
        {A::SkinOn, sfDialog, S::SkinAllForms, true},
        {A::SkinOn, sfOnlyThisForm, S::SkinOwnForm, true},
        {A::SkinOff, sfMainform, S::UnskinAllForms, true},
        {A::SkinOff, sfOnlyThisForm, S::UnskinOwnForm, true},
        {A::Refresh, sfMainform, S::RefreshAllForms, true},
        {A::Refresh, sfOnlyThisForm, S::RefreshOwnForm, true},
        {A::ReleaseDestroyed, sfMainform, S::ReleaseDestroyed, true},
        {A::ReleaseDestroyed, sfOnlyThisForm, S::ReleaseDestroyed, true},
        {A::Reskin, sfMainform, S::ReskinWindow, false},
        {A::Reskin, sfDLL, S::ReskinWindow, false},
        // A component for one form does nothing on a re-skin, and says so.
        {A::Reskin, sfOnlyThisForm, S::Nothing, true},
        {static_cast<A>(4), sfMainform, S::Nothing, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PlanAction(c.action, c.type), c.step) << static_cast<int>(c.action);
        EXPECT_EQ(ActionFiresSkinChanged(c.action, c.type), c.fires) << static_cast<int>(c.action);
    }
}

TEST(SkinManagerRules, BeforeAnyActivationOnlyTheSwitchMoves) {
    EXPECT_EQ(SkinningSwitchBeforeStart(TSkinAction::SkinOn), std::optional<bool>(true));
    EXPECT_EQ(SkinningSwitchBeforeStart(TSkinAction::SkinOff), std::optional<bool>(false));
    for (TSkinAction a : {TSkinAction::Refresh, TSkinAction::ReleaseDestroyed, TSkinAction::Reskin})
        EXPECT_EQ(SkinningSwitchBeforeStart(a), std::nullopt) << static_cast<int>(a);
}

} // namespace
