// The form skinner's rules: frame and form kinds, KeepStyle and the caption-button flags, the
// window state, the skin's frame sizes, the client area and window sizes around it, the frame
// around a client area, the hit test, the system commands of menu items, the stages of the
// window procedure, and which window position changes owe the frame the system's paint.
#include "skin/forms/skin_form_rules.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kDlgFrame = 0x00400000,
                        kSysMenu = 0x00080000, kThickFrame = 0x00040000, kMinBox = 0x00020000,
                        kMaxBox = 0x00010000, kModalFrame = 0x80, kPopup = 0x80000000;
constexpr std::uint32_t kExDlgModalFrame = 1, kExContextHelp = 0x400, kExAppWindow = 0x40000;

TEST(SkinFormRules, FrameKinds) {
    const struct {
        std::uint32_t style;
        std::uint32_t exStyle;
        const char* cls;
        TFrameKind kind;
    } cases[] = {
        // The main window: a dialog frame with a caption.
        {kPopup | kCaption | kModalFrame | kSysMenu, kExDlgModalFrame, "TForm1",
         TFrameKind::Dialog},
        {kCaption | kThickFrame, 0, "TForm2", TFrameKind::Sizeable},
        {kCaption | kThickFrame | kModalFrame, 0, "TForm2", TFrameKind::Sizeable},
        {kCaption, 0, "TForm2", TFrameKind::Single},
        {kCaption, kExDlgModalFrame, "TForm2", TFrameKind::Dialog},
        {kCaption, 0, "#32770", TFrameKind::Dialog},
        {kCaption, 0, "TMessageForm", TFrameKind::Dialog},
        {kCaption, 0, "TMessageForm2", TFrameKind::Single},
        {kBorder | kThickFrame, 0, "TForm2", TFrameKind::Captionless},
        {kDlgFrame | kModalFrame, kExDlgModalFrame, "#32770", TFrameKind::Captionless},
        {kPopup, 0, "TForm2", TFrameKind::Captionless},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FrameKindOf(c.style, c.exStyle, c.cls), c.kind) << c.cls << " " << c.style;
    EXPECT_TRUE(IsDialogClass("#32770"));
    EXPECT_TRUE(IsDialogClass("TMessageForm"));
    EXPECT_FALSE(IsDialogClass("tmessageform"));
}

TEST(SkinFormRules, KeepStyle) {
    const TPlatformVersion nt50{true, 5, 0}, xp{true, 5, 1}, win10{true, 10, 0}, nt4{true, 4, 0},
        me{false, 4, 90}, nineX5{false, 5, 0};
    const struct {
        std::uint32_t exStyle;
        bool owner;
        bool mdi;
        TPlatformVersion version;
        bool keep;
    } cases[] = {
        {kExAppWindow, true, false, nt50, true}, {kExAppWindow, true, true, nt50, true},
        {kExAppWindow, true, false, xp, false},  {kExAppWindow, true, false, nineX5, false},
        {0, true, false, nt50, false},           {0, false, false, nt50, true},
        {0, false, false, win10, true},          {0, false, false, nineX5, true},
        {0, false, true, nt50, false},           {0, false, false, xp, false},
        {0, false, false, nt4, false},           {kExAppWindow, false, false, me, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeepsStyle(c.exStyle, c.owner, c.mdi, c.version), c.keep)
            << c.exStyle << " " << c.owner << " " << c.mdi << " " << c.version.major << "."
            << c.version.minor;
    }
}

TEST(SkinFormRules, CaptionButtonFlags) {
    const struct {
        std::uint32_t style;
        std::uint32_t exStyle;
        bool menuKnown;
        bool keep;
        std::uint8_t flags;
    } cases[] = {
        {kCaption | kSysMenu, 0, false, false, cbHasSystemMenu},
        {kCaption | kSysMenu | kMinBox | kMaxBox, kExContextHelp, false, true,
         cbHasSystemMenu | cbHasMinimiseBox | cbHasMaximiseBox | cbHasHelp | cbKeepStyle},
        {kCaption, 0, true, false, cbHasSystemMenu},
        {kCaption | kMaxBox, 0, false, false, cbHasMaximiseBox},
        {kCaption | kMinBox, 0, false, false, cbHasMinimiseBox},
        {kCaption, 0, false, false, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CaptionButtonFlags(c.style, c.exStyle, c.menuKnown, c.keep), c.flags) << c.style;
}

TEST(SkinFormRules, WindowState) {
    using W = TWindowState;
    const struct {
        unsigned show;
        W state;
    } shows[] = {{0, W::Normal}, {1, W::Normal}, {2, W::Minimised}, {3, W::Maximised},
                 {4, W::Normal}, {5, W::Normal}, {6, W::Minimised}, {7, W::Minimised},
                 {8, W::Normal}, {9, W::Normal}};
    for (const auto& c : shows)
        EXPECT_EQ(StateFromShowCommand(c.show), c.state) << c.show;

    const struct {
        unsigned size;
        W before, after;
    } sizes[] = {{0, W::Maximised, W::Normal},
                 {1, W::Normal, W::Minimised},
                 {2, W::Normal, W::Maximised},
                 {3, W::Minimised, W::Minimised},
                 {4, W::Maximised, W::Maximised}};
    for (const auto& c : sizes)
        EXPECT_EQ(StateAfterSize(c.size, c.before), c.after) << c.size;

    const struct {
        unsigned command;
        W before, after;
    } commands[] = {{0xF020, W::Normal, W::Minimised},    {0xF030, W::Normal, W::Maximised},
                    {0xF032, W::Normal, W::Maximised},    {0xF120, W::Maximised, W::Normal},
                    {0xF060, W::Maximised, W::Maximised}, {0xF100, W::Minimised, W::Minimised}};
    for (const auto& c : commands)
        EXPECT_EQ(StateAfterSysCommand(c.command, c.before), c.after) << c.command;
}

TEST(SkinFormRules, FrameSizesFromOneFrameOfEachPicture) {
    TSkinElements skin;
    // Side pictures with two frames side by side, top and bottom ones with two stacked.
    skin.BorderLeft.Image = TPixelImage(10, 300);
    skin.BorderLeft.Frame = 2;
    skin.BorderRight.Image = TPixelImage(12, 300);
    skin.BorderRight.Frame = 2;
    skin.BorderTop.Image = TPixelImage(100, 48);
    skin.BorderTop.Frame = 2;
    skin.BorderBottom.Image = TPixelImage(100, 21);
    skin.BorderBottom.Frame = 3;
    EXPECT_EQ(FrameSizesOf(skin, TFrameKind::Dialog), (TFrameSizes{5, 24, 6, 7}));
    EXPECT_EQ(FrameSizesOf(skin, TFrameKind::Sizeable), (TFrameSizes{5, 24, 6, 7}));
    EXPECT_EQ(FrameSizesOf(skin, TFrameKind::Captionless), TFrameSizes{});
    // A skin without frame pictures has no frame.
    EXPECT_EQ(FrameSizesOf(TSkinElements{}, TFrameKind::Single), TFrameSizes{});

    // At a display density each is the size of a cell of the picture there: the one-frame sizes
    // scaled as measures (halves away from zero), the same at 96 dpi.
    const struct {
        int dpi;
        TFrameSizes sizes;
    } densities[] = {
        {96, {5, 24, 6, 7}},
        {120, {6, 30, 8, 9}},  // 6.25, 30, 7.5, 8.75
        {144, {8, 36, 9, 11}}, // 7.5, 36, 9, 10.5
        {192, {10, 48, 12, 14}},
    };
    for (const auto& d : densities) {
        EXPECT_EQ(FrameSizesOf(skin, TFrameKind::Sizeable, d.dpi), d.sizes) << d.dpi;
        EXPECT_EQ(FrameSizesOf(skin, TFrameKind::Captionless, d.dpi), TFrameSizes{}) << d.dpi;
    }
}

TEST(SkinFormRules, TheClientAreaScalesWhenTheWindowMovesToAnotherDensity) {
    // 263 x 354 in the default skin's frame at 96 dpi, with a 19-row menu bar.
    const TFrameSizes at96{4, 26, 4, 4};
    const TFrameSize window = SkinnedWindowSize({263, 354}, at96, 19);
    const struct {
        int dpi;
        TFrameSizes frame;
        int menuBar;
        TFrameSize want;
    } moves[] = {
        {96, at96, 19, window},
        {120, {5, 33, 5, 5}, 24, {329 + 10, 443 + 33 + 5 + 24}},   // 328.75, 442.5
        {144, {6, 39, 6, 6}, 29, {395 + 12, 531 + 39 + 6 + 29}},   // 394.5, 531
        {192, {8, 52, 8, 8}, 38, {526 + 16, 708 + 52 + 8 + 38}},
    };
    for (const auto& m : moves) {
        EXPECT_EQ(DpiScaledWindowSize(window, at96, 19, 96, m.frame, m.menuBar, m.dpi), m.want)
            << m.dpi;
        // And back to where it came from: the same window.
        EXPECT_EQ(DpiScaledWindowSize(m.want, m.frame, m.menuBar, m.dpi, at96, 19, 96), window)
            << m.dpi;
    }
}

TEST(SkinFormRules, ClientAreaAndWindowSizesAroundIt) {
    // The main window on the default skin's frame.
    const TFrameSizes frame{4, 26, 4, 4};
    const TFrameSize window = SkinnedWindowSize({263, 354}, frame, 0);
    EXPECT_EQ(window, (TFrameSize{271, 384}));
    EXPECT_EQ(SkinClientRect({100, 50, 100 + 271, 50 + 384}, frame, 0),
              (TPixelRect{104, 76, 104 + 263, 76 + 354}));
    // A menu bar sits between the title and the client area.
    const TFrameSizes odd{5, 24, 6, 7};
    EXPECT_EQ(SkinnedWindowSize({200, 100}, odd, 19), (TFrameSize{211, 150}));
    EXPECT_EQ(SkinClientRect({0, 0, 211, 150}, odd, 19), (TPixelRect{5, 43, 205, 143}));
    // Back on the system's frame the client area is the one the skin had.
    const TFrameSize systemExtra{6, 25};
    EXPECT_EQ(SystemFrameWindowSize(window, systemExtra, frame, 0), (TFrameSize{269, 379}));
    EXPECT_EQ(SystemFrameWindowSize({211, 150}, systemExtra, odd, 19), (TFrameSize{206, 125}));

    using F = TFrameKind;
    using K = TFormKind;
    using W = TWindowState;
    EXPECT_TRUE(KeepsSystemClientArea(F::Captionless, K::Normal, W::Normal));
    EXPECT_FALSE(KeepsSystemClientArea(F::Dialog, K::Normal, W::Maximised));
    EXPECT_FALSE(KeepsSystemClientArea(F::Sizeable, K::MdiChild, W::Normal));
    EXPECT_TRUE(KeepsSystemClientArea(F::Sizeable, K::MdiChild, W::Maximised));
    EXPECT_TRUE(KeepsSystemClientArea(F::Sizeable, K::MdiChild, W::Minimised));
}

TEST(SkinFormRules, TheFrameIsTheWindowLessItsClientArea) {
    using R = TPixelRect;
    using V = std::vector<TPixelRect>;
    const struct {
        TPixelRect window, client;
        std::vector<TPixelRect> strips;
    } cases[] = {
        // The main window on the screen: title, bottom, left and right.
        {{991, 381, 1262, 765},
         {995, 407, 1258, 761},
         V{R{991, 381, 1262, 407}, R{991, 761, 1262, 765}, R{991, 407, 995, 761},
           R{1258, 407, 1262, 761}}},
        {{0, 0, 100, 80}, {0, 0, 100, 70}, V{R{0, 70, 100, 80}}}, // a bottom edge alone
        {{0, 0, 100, 80}, {0, 0, 100, 80}, V{}},                 // no frame at all
        // Minimised: the client area is empty, and the window all frame.
        {{10, 10, 170, 40}, {10, 10, 10, 10}, V{R{10, 10, 170, 40}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FrameStrips(c.window, c.client), c.strips) << c.window.Left << " " << c.client.Top;
}

TEST(SkinFormRules, HitTestOverTheSkinnedCaption) {
    constexpr int nowhere = 0, client = 1, caption = 2, sysMenu = 3, menu = 5, left = 10, top = 12,
                  close = 20;
    const struct {
        int system;
        int y;
        int menuBar;
        int result;
    } cases[] = {
        {nowhere, 4, 0, caption},  {caption, 4, 0, caption},   {nowhere, 3, 0, nowhere},
        {caption, 0, 0, caption},  {nowhere, 25, 0, caption},  {nowhere, 30, 19, menu},
        {caption, 27, 19, menu},   {nowhere, 26, 19, caption}, {nowhere, 2, 19, nowhere},
        {client, 30, 0, client},   {left, 10, 0, left},        {top, 1, 0, top},
        {sysMenu, 10, 0, sysMenu}, {close, 10, 0, close},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SkinHitTest(c.system, c.y, 26, c.menuBar), c.result)
            << c.system << " at " << c.y << " menu bar " << c.menuBar;
    }
    // The top rows left to the system are as many as 3 rows at 96 dpi make at the density.
    const struct {
        int dpi;
        int lastSystemRow;
    } densities[] = {{96, 3}, {120, 4}, {144, 5}, {192, 6}};
    for (const auto& d : densities) {
        EXPECT_EQ(SkinHitTest(nowhere, d.lastSystemRow, 52, 0, d.dpi), nowhere) << d.dpi;
        EXPECT_EQ(SkinHitTest(nowhere, d.lastSystemRow + 1, 52, 0, d.dpi), caption) << d.dpi;
    }
}

TEST(SkinFormRules, DialogCaptionWidening) {
    // TextShift 24, TextRightClip 84.
    EXPECT_EQ(DialogCaptionWidening(271, 24, 100, 84), 0);
    EXPECT_EQ(DialogCaptionWidening(208, 24, 100, 84), 0);
    EXPECT_EQ(DialogCaptionWidening(207, 24, 100, 84), 1);
    EXPECT_EQ(DialogCaptionWidening(150, 24, 200, 84), 158);
}

TEST(SkinFormRules, SystemCommandsOfMenuItems) {
    for (unsigned id : {0xF000u, 0xF010u, 0xF020u, 0xF030u, 0xF040u, 0xF050u, 0xF060u, 0xF120u})
        EXPECT_EQ(SystemCommandOfMenuId(id), std::optional<unsigned>(id)) << id;
    for (unsigned id : {0u, 1u, 0xF061u, 0xF100u, 0xF130u, 0xF180u, 0xFF00u})
        EXPECT_EQ(SystemCommandOfMenuId(id), std::nullopt) << id;
}

TEST(SkinFormRules, StagesOfTheWindowProcedure) {
    using K = TFormKind;
    using W = TWindowState;
    using S = TFormSkinState;
    EXPECT_TRUE(UsesSecondStage(K::Normal, false));
    EXPECT_TRUE(UsesSecondStage(K::MdiFrame, false));
    EXPECT_FALSE(UsesSecondStage(K::Normal, true));
    EXPECT_TRUE(UsesSecondStage(K::MdiChild, true));

    EXPECT_TRUE(UsesThirdStage(K::Normal, W::Maximised, S::Active));
    EXPECT_TRUE(UsesThirdStage(K::Normal, W::Normal, S::Resizing));
    EXPECT_FALSE(UsesThirdStage(K::Normal, W::Normal, S::NotStarted));
    EXPECT_TRUE(UsesThirdStage(K::MdiChild, W::Normal, S::Active));
    EXPECT_TRUE(UsesThirdStage(K::MdiChild, W::Minimised, S::Active));
    EXPECT_FALSE(UsesThirdStage(K::MdiChild, W::Maximised, S::Active));
}

TEST(SkinFormRules, OnlyAWindowShownFromHiddenIsOwedAFramePaint) {
    constexpr std::uint32_t kShow = 0x0040, kHide = 0x0080, kNoRedraw = 0x0008,
                            kNoSize = 0x0001, kNoMove = 0x0002, kFrameChanged = 0x0020;
    const struct {
        std::uint32_t flags;
        bool visible, owed;
    } cases[] = {
        {kShow | kNoSize | kNoMove, false, true}, // ShowWindow of a hidden window
        {kShow | kFrameChanged, false, true},
        {kShow | kNoSize | kNoMove, true, false},  // shown already: nothing is repainted
        {kShow | kNoRedraw, false, false},         // its drawing held back: nothing comes
        {kNoSize | kNoMove | kFrameChanged, false, false},
        {kHide, true, false},
        {0, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShowOwesFramePaint(c.flags, c.visible), c.owed) << c.flags << " " << c.visible;
}

} // namespace

TEST(SkinFormRules, WhatTheCompositorIsAskedToLeaveToTheSkin) {
    using F = TFrameKind;
    const struct {
        bool frameSkinning, child;
        TFrameKind frame;
        TCompositorFrame expected;
    } cases[] = {
        {true, false, F::Dialog, {true, true}},
        {true, false, F::Sizeable, {true, true}},
        {true, false, F::Captionless, {true, false}}, // the system's corners: the skin draws none
        {true, true, F::Single, {false, false}},      // MDI children and other child windows
        {false, false, F::Single, {false, false}},    // only the controls are skinned
    };
    for (const auto& c : cases)
        EXPECT_EQ(CompositorFrameOf(c.frameSkinning, c.child, c.frame), c.expected)
            << c.frameSkinning << c.child << int(c.frame);
}
