// The element catalogue built from packed fixture skins: every element with its frame count, the
// loading rules and their edge cases, the colour slots, and the derived combo elements by pixel.
#include "skin/model/skin_catalogue.h"
#include "tests/support/skin_fixture.h"

#include "skin/model/quick_ini.h"
#include "skin/pictures/image_ops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <string>

namespace {

using skin_fixture::FrameColour;
using skin_fixture::Load;
using skin_fixture::Skin;
using skin_fixture::Strip;

constexpr TPixel kKey = PixelFromColor(kKeyColor);

// A skin with every section of the catalogue.
Skin FullSkin() {
    Skin s;
    s.ini = R"([Personality]
Left=left.bmp
LeftFrame=2
LeftTopHeight=30
LeftBotHeight=5
Right=right.bmp
Top=top.bmp
TopFrame=2
TopTopHeight=12
TopBotHeight=13
Bottom=bottom.bmp
TextBack=textback.bmp
menuBar=menubar.bmp
[Buttons]
Bitmap=buttons.bmp
CheckButton=check.bmp
RadioButton=radio.bmp
[BUTTON.CLOSE]
ButtonImage=close.bmp
[Progress]
Bitmap=generic.bmp
[Progress.Chunk]
Image=generic.bmp
Frame=3
[GroupBoxEdge]
Image=generic.bmp
[GroupBox]
Image=generic.bmp
Frame=7
[Tabs]
Image=generic.bmp
Border=generic.bmp
[StatusBarEdges]
Image=generic.bmp
[Tab.Pane]
Image=generic.bmp
[ToolBars]
Image=generic.bmp
[ComboButton]
Image=generic.bmp
[SunkEdge]
Image=generic.bmp
[ExtraImages]
Image=generic.bmp
[Headerbar]
Image=generic.bmp
[MenuItem]
Image=generic.bmp
[MenuBackground]
Image=generic.bmp
[Scrollbar]
Image=generic.bmp
[HorzScroll]
Image=generic.bmp
[VertScroll]
Image=generic.bmp
[HorzScrollThumb]
Image=generic.bmp
FrameCount=2
[VertScrollThumb]
Image=generic.bmp
[Trackbar.ThumbHorz]
Image=generic.bmp
[Trackbar.ThumbVert]
Image=generic.bmp
[Trackbar.ThumbLeft]
Image=generic.bmp
[Trackbar.ThumbRight]
Image=generic.bmp
[Trackbar.ThumbUp]
Image=generic.bmp
[Trackbar.ThumbDown]
Image=generic.bmp
[UpDown.Horz]
Image=generic.bmp
GlyphImage=generic.bmp
[UpDown.Vert]
Image=generic.bmp
[Track]
Image=generic.bmp
Frame=2
[MDICONTROLS]
Image=generic.bmp
)";
    s.Image("left.bmp", Strip(1, 2, 4, 40))
        .Image("right.bmp", Strip(2, 1, 4, 40))
        .Image("top.bmp", Strip(3, 2, 60, 20, true))
        .Image("bottom.bmp", Strip(4, 1, 60, 4, true))
        .Image("textback.bmp", Strip(5, 2, 20, 10, true))
        .Image("menubar.bmp", Strip(6, 2, 10, 10))
        .Image("buttons.bmp", Strip(7, 5, 10, 10))
        .Image("check.bmp", Strip(8, 8, 13, 13))
        .Image("radio.bmp", Strip(9, 6, 16, 16))
        .Image("close.bmp", Strip(10, 3, 19, 19))
        .Image("generic.bmp", Strip(11, 23, 8, 21));
    return s;
}

TEST(SkinCatalogue, FullSkinBuildsEveryElementWithItsFrameCount) {
    TSkinLoadInputs inputs;
    inputs.TrackVert = Strip(12, 1, 5, 9);
    const TSkinElements e = Load(FullSkin(), inputs);

    const std::map<std::string, int> frames = {{"BorderLeft", 2},
                                               {"BorderRight", 1},
                                               {"BorderTop", 2},
                                               {"BorderBottom", 1},
                                               {"CaptionButtons[0]", 3},
                                               {"CaptionButtons[1]", 4},
                                               {"CaptionButtons[2]", 4},
                                               {"CaptionButtons[3]", 4},
                                               {"Buttons", 5},
                                               {"Title", 2},
                                               {"Progress", 2},
                                               {"ProgressChunk", 3},
                                               {"MenuBar", 2},
                                               {"GroupBoxEdge", 2},
                                               {"GroupBox", 1},
                                               {"Tabs", 5},
                                               {"StatusBarEdges", 3},
                                               {"TabPane", 1},
                                               {"ToolBars", 5},
                                               {"ComboButton", 4},
                                               {"SunkEdge", 4},
                                               {"ExtraImages", 5},
                                               {"Headerbar", 5},
                                               {"MenuItem", 5},
                                               {"MenuBackground", 1},
                                               {"Scrollbar", 23},
                                               {"HorzScroll", 4},
                                               {"VertScroll", 4},
                                               {"HorzScrollThumb", 2},
                                               {"VertScrollThumb", 3},
                                               {"TrackbarThumbHorz", 5},
                                               {"TrackbarThumbVert", 5},
                                               {"TrackbarThumbLeft", 5},
                                               {"TrackbarThumbRight", 5},
                                               {"TrackbarThumbUp", 5},
                                               {"TrackbarThumbDown", 5},
                                               {"UpDownHorz", 8},
                                               {"UpDownVert", 8},
                                               {"Track", 2},
                                               {"TrackVert", 1},
                                               {"ComboArrow", 4},
                                               {"ToolbarBackground", 1}};
    std::map<std::string, int> loaded;
    for (const TNamedElement& n : ListSkinElements(e)) {
        loaded[n.Field] = n.Element->Frame;
        EXPECT_FALSE(n.Element->Image.Pixels.empty()) << n.Field;
    }
    EXPECT_EQ(loaded, frames);

    EXPECT_EQ(e.BorderLeft.TopHeight, 30);
    EXPECT_EQ(e.BorderLeft.BottomHeight, 5);
    EXPECT_EQ(e.BorderTop.LeftWidth, 12);
    EXPECT_EQ(e.BorderTop.RightWidth, 13);
    EXPECT_EQ(e.BorderTop.Trans, 1);
    EXPECT_EQ(e.BorderTop.Tile, 0); // "Stretch" is 1 unless the skin says otherwise
    EXPECT_EQ(e.Buttons.CheckFrames, 8);
    EXPECT_EQ(e.Buttons.RadioFrames, 6);
    EXPECT_EQ(e.MenuBar->LeftWidth, 1);
    EXPECT_EQ(e.MenuBar->RightWidth, 1);
    EXPECT_EQ(e.MenuBar->Tile, 1);
    EXPECT_EQ(e.UpDownHorz->Image2, e.UpDownHorz->Image);
    EXPECT_TRUE(e.UpDownVert->Image2.Pixels.empty());
    EXPECT_EQ(e.Title.FontHeight, 14);
    EXPECT_EQ(e.Title.ActiveTextColour, kNoTitleColour);
    EXPECT_EQ(e.TrackVert->Name, "TRACKVERT");
}

TEST(SkinCatalogue, GenericElementNeedsSectionAndAnImageThatLoads) {
    Skin s;
    s.ini = "[SunkEdge]\nStyle=1\n[MenuItem]\nImage=missing.bmp\n[ToolBars]\nImage=bad.bmp\n"
            "[Scrollbar]\nImage=sb.bmp\n";
    s.Image("bad.bmp", TPixelImage{});
    s.files.back().data = {'B', 'M', 1, 2, 3};
    s.Image("sb.bmp", Strip(1, 23, 4, 4));
    const TSkinElements e = Load(s);
    EXPECT_FALSE(e.SunkEdge);
    EXPECT_FALSE(e.MenuItem);
    EXPECT_FALSE(e.ToolBars);
    EXPECT_FALSE(e.Progress);
    ASSERT_TRUE(e.Scrollbar);
    // Fixed elements always exist, with empty images when the skin has none.
    EXPECT_TRUE(e.BorderTop.Image.Pixels.empty());
    EXPECT_EQ(e.BorderTop.Frame, 1);
    // Combo arrow and toolbar background are always made.
    ASSERT_TRUE(e.ComboArrow);
    EXPECT_TRUE(e.ComboArrow->Image.Pixels.empty());
    ASSERT_TRUE(e.ToolbarBackground);
    EXPECT_EQ(e.ToolbarBackground->Image.Width, 10);
    EXPECT_EQ(e.ToolbarBackground->Image.Height, 40);
}

TEST(SkinCatalogue, ImageNamesKeepTheFileNamePartAndNeedALowerCaseBmpExtension) {
    const struct {
        const char* value;
        bool loads;
    } cases[] = {
        {"sunk.bmp", true},
        {"SUNK.bmp", true},
        {"skins\\blue\\sunk.bmp", true},
        {"c:/skins/sunk.bmp", true},
        {"sunk.BMP", false},
        {"sunk.Bmp", false},
        {"sunk", false},
        {"skins\\", false},
        {"", false},
        {"other.bmp", false},
    };
    for (const auto& c : cases) {
        Skin s;
        s.ini =
            std::string("[SunkEdge]\nImage=") + c.value + "\n[Personality]\nTop=" + c.value + "\n";
        s.Image("sunk.bmp", Strip(1, 4, 3, 3));
        const TSkinElements e = Load(s);
        EXPECT_EQ(e.SunkEdge != nullptr, c.loads) << c.value;
        EXPECT_EQ(e.BorderTop.Image.Pixels.empty(), !c.loads) << c.value;
    }
}

// Caption-button sections, each naming `image`.
std::string ButtonSections(int count, const std::string& image) {
    std::string ini;
    for (int i = 0; i < count; ++i)
        ini += "[Button" + std::to_string(i) + "]\nframe=1\nButtonImage=" + image + "\n";
    return ini;
}

int ButtonsWithImages(const TSkinElements& e) {
    return static_cast<int>(std::count_if(e.CaptionButtons.begin(), e.CaptionButtons.end(),
                                          [](const auto& b) { return !b.Image.Pixels.empty(); }));
}

TEST(SkinCatalogue, EachImageIsDecodedOnceAndAllShareOnePixelBudget) {
    // A bitmap whose header promises 5000 x 5000 pixels but that holds one.
    std::vector<std::uint8_t> huge = EncodeBmp24(TPixelImage(1, 1));
    huge[18] = 0x88, huge[19] = 0x13, huge[22] = 0x88, huge[23] = 0x13;
    const struct {
        const char* image;
        std::int64_t budget;
        int decodes;
        int images;
    } cases[] = {
        {"a.bmp", 100, 1, 6}, // 16 pixels each: six fit, one decode serves them all
        {"a.bmp", 10, 0, 0},  // the header alone tells it cannot fit
        {"huge.bmp", kMaxBmpPixels, 0, 0},
        {"bad.bmp", kMaxBmpPixels, 1, 0}, // tried once, never again
        {"none.bmp", kMaxBmpPixels, 0, 0},
    };
    for (const auto& c : cases) {
        Skin s;
        s.ini = ButtonSections(8, c.image);
        s.Image("a.bmp", TPixelImage(4, 4)).Image("huge.bmp", {}).Image("bad.bmp", {4, 4});
        s.files[1].data = huge;
        s.files[2].data.resize(60); // a sound header, rows cut short
        TSkinReader reader;
        reader.Open(s.Pack());
        TSkinElements e;
        TSkinLoadInputs inputs;
        inputs.PixelBudget = c.budget;
        const TSkinLoadWork work = LoadSkinElements(e, std::make_shared<TSkinReader>(std::move(reader)), inputs);
        EXPECT_EQ(work.ImageDecodes, c.decodes) << c.image << " " << c.budget;
        EXPECT_EQ(ButtonsWithImages(e), c.images) << c.image << " " << c.budget;
    }
}

TEST(SkinCatalogue, IniLookUpsDoNotGrowWithTheNumberOfSections) {
    // Eight times the sections may cost eight times the look-ups, each a little dearer, but not
    // sixty-four times the work of comparing every look-up with every section.
    const auto work = [](const std::string& ini) {
        TQuickIni parsed;
        parsed.LoadFromStream(ini);
        TSkinReader reader;
        reader.Open(Skin{}.Pack());
        TSkinElements e;
        return static_cast<double>(LoadSkinElements(e, std::make_shared<TSkinReader>(std::move(reader)), parsed, {}).IniLinesExamined);
    };
    // Many sections; and many sections of one name after a long first one, whose look-ups all
    // go to that first section.
    const auto distinct = [](int n) { return ButtonSections(n, "x.bmp"); };
    const auto repeated = [](int n) {
        std::string ini = "[ButtonX]\n";
        for (int i = 0; i < n; ++i)
            ini += "Key" + std::to_string(i) + "=1\n";
        for (int i = 0; i < n; ++i)
            ini += "[ButtonX]\n";
        return ini;
    };
    for (const auto& make :
         {std::function<std::string(int)>(distinct), std::function<std::string(int)>(repeated)}) {
        const double small = work(make(1000));
        const double large = work(make(8000));
        EXPECT_GT(small, 0);
        EXPECT_LT(large / small, 16);
    }
}

TEST(SkinCatalogue, ColourValues) {
    const struct {
        const char* text;
        TColor colour;
    } cases[] = {
        {"10 20 30", RGBColor(10, 20, 30)},
        {"10,20,30", RGBColor(10, 20, 30)},
        {" 10 , 20 ,30 ", RGBColor(10, 20, 30)},
        {"10 20", RGBColor(10, 0, 0)},
        {"255", RGBColor(0, 0, 0)},
        {"256 257 300", RGBColor(0, 1, 44)},
        {"1 2 3 4", RGBColor(1, 2, 3)},
        {"-5,-6,-7", RGBColor(5, 6, 7)},
        {"abc", RGBColor(0, 0, 0)},
        {"1,2,3,", RGBColor(1, 2, 3)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseColourValue(c.text), c.colour) << c.text;
}

TEST(SkinCatalogue, ColourSlotsTakeTheirDefaultsAndMenubarFollowsButtonFace) {
    Skin s;
    TSkinElements e = Load(s);
    const std::map<int, TColor> defaults = {{0, clWindowText},
                                            {1, clCaptionText},
                                            {2, clInactiveCaptionText},
                                            {3, clBtnFace},
                                            {4, clBtnText},
                                            {5, clBtnHighlight},
                                            {6, clBtnHighlight},
                                            {7, clBtnShadow},
                                            {8, cl3DDkShadow},
                                            {9, 0},
                                            {10, 0},
                                            {11, clHighlightText},
                                            {12, clHighlight},
                                            {13, clBtnFace},
                                            {14, clMenuText},
                                            {15, clMenuText},
                                            {16, clMenu},
                                            {17, clBtnFace},
                                            {18, clScrollBar}};
    for (const auto& [slot, colour] : defaults) {
        EXPECT_EQ(e.Colors[static_cast<std::size_t>(slot)], colour) << slot;
        EXPECT_FALSE(e.ColorGiven[static_cast<std::size_t>(slot)]) << slot;
    }

    s.ini = "[Colours]\nButtonFace=1 2 3\nButtonText=4,5,6\n[Buttons]\nNormalColour2=7 8 9\n";
    e = Load(s);
    EXPECT_EQ(e.Colors[kMenubar], RGBColor(1, 2, 3));
    EXPECT_TRUE(e.ColorGiven[kButtonFace]);
    EXPECT_FALSE(e.ColorGiven[kMenubar]);
    // Second text colours default to the skin's button text.
    EXPECT_EQ(e.Buttons.NormalColour2, RGBColor(7, 8, 9));
    EXPECT_TRUE(e.Buttons.HasNormalColour2);
    EXPECT_EQ(e.Buttons.PressedColour2, RGBColor(4, 5, 6));
    EXPECT_FALSE(e.Buttons.HasPressedColour2);

    s.ini = "[Colours]\nButtonFace=1 2 3\nMenubar=9 9 9\n";
    EXPECT_EQ(Load(s).Colors[kMenubar], RGBColor(9, 9, 9));

    // A key written without a value is given; its colour is still the default.
    s.ini = "[Colours]\nButtonFace=\n[Buttons]\nPressedColour2=\n";
    e = Load(s);
    EXPECT_TRUE(e.ColorGiven[kButtonFace]);
    EXPECT_EQ(e.Colors[kButtonFace], clBtnFace);
    EXPECT_TRUE(e.Buttons.HasPressedColour2);
    EXPECT_EQ(e.Buttons.PressedColour2, clBtnText);
}

TEST(SkinCatalogue, SectionAndCustomColoursAndSkinName) {
    Skin s;
    s.ini = "[Colour1]\ncolor=1 2 3\n[COLOURS]\nMenu=1 1 1\n[colourB]\n[Colour]\ncolor=4 5 6\n"
            "[Customcolors]\nColor0=7 8 9\nColor9=1,1,1\n[TitlebarSkin]\nSkinName=Glass\n";
    const TSkinElements e = Load(s);
    EXPECT_EQ(e.SectionColors,
              (std::vector<TColor>{RGBColor(1, 2, 3), clWindowText, RGBColor(4, 5, 6)}));
    EXPECT_EQ(e.CustomColors[0], RGBColor(7, 8, 9));
    EXPECT_EQ(e.CustomColors[5], clWhite);
    EXPECT_EQ(e.CustomColors[9], RGBColor(1, 1, 1));
    EXPECT_EQ(e.SkinName, "Glass");
}

TEST(SkinCatalogue, CaptionButtonFilterFramesAndPositions) {
    Skin s;
    s.ini = "[BUTTONS]\nButtonImage=b57.bmp\n[Button.Radio]\nButtonImage=b57.bmp\n"
            "[BUTTON.CHECKBOX]\n[button]\n"
            "[Button.Hidden]\nAction=-1\nButtonImage=b57.bmp\n"                    // dropped
            "[Button.HiddenShown]\nAction=-1\nVisibility=0\nButtonImage=b57.bmp\n" // 6 frames
            "[ButtonEarly]\nAction=4\nXcoord=1\n" // before any record
            "[Button.Max]\nAction=1\nVisibility=2\nXcoord=40\nYcoord=5\nButtonImage=b57.bmp\n"
            "[Button.Restore]\nAction=4\nXcoord=1\nYcoord=1\nButtonImage=b120.bmp\n"
            "[Button.Help]\nAction=3\nButtonImage=b57.bmp\n"            // image cleared
            "[Button.Help2]\nAction=11\nframe=2\nButtonImage=b57.bmp\n" // kept, 2 frames
            "[Button.NoImage]\nAction=2\n"
            "[MDICONTROLS]\nImage=mdi.bmp\n";
    s.Image("b57.bmp", Strip(1, 3, 19, 19))
        .Image("b120.bmp", Strip(2, 6, 20, 19))
        .Image("mdi.bmp", Strip(3, 12, 10, 9));
    const TSkinElements e = Load(s);
    struct Expected {
        const char* name;
        int action, frame, x, y;
        bool image;
        int visibility1;
    };
    const Expected expected[] = {
        {"BUTTON.HIDDENSHOWN", -1, 6, 0, 0, true, -1}, {"BUTTONEARLY", 4, 6, 1, 0, false, 0},
        {"BUTTON.MAX", 1, 3, 40, 5, true, 0},          {"BUTTON.RESTORE", 4, 6, 40, 5, true, 0},
        {"BUTTON.HELP", 3, 3, 0, 0, false, 0},         {"BUTTON.HELP2", 11, 2, 0, 0, true, 0},
        {"BUTTON.NOIMAGE", 2, 6, 0, 0, false, 0},
    };
    ASSERT_EQ(e.CaptionButtons.size(), std::size(expected) + 3);
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TDataSkinSysButton& b = e.CaptionButtons[i];
        const Expected& x = expected[i];
        EXPECT_EQ(b.Name, x.name);
        EXPECT_EQ(b.Action, x.action) << x.name;
        EXPECT_EQ(b.Frame, x.frame) << x.name;
        EXPECT_EQ(b.Xcoord, x.x) << x.name;
        EXPECT_EQ(b.Ycoord, x.y) << x.name;
        EXPECT_EQ(!b.Image.Pixels.empty(), x.image) << x.name;
        EXPECT_EQ(b.Visibility1, x.visibility1) << x.name;
        EXPECT_EQ(b.CombineOp, -1) << x.name;
    }
    // The MDI child buttons: a = 120 / 12 = 10, each 40 wide, cut side by side.
    const TPixelImage mdi = Strip(3, 12, 10, 9);
    for (int k = 0; k < 3; ++k) {
        const TDataSkinSysButton& b =
            e.CaptionButtons[std::size(expected) + static_cast<std::size_t>(k)];
        EXPECT_EQ(b.Action, 7 + k);
        EXPECT_EQ(b.Align, 100);
        EXPECT_EQ(b.Visibility, 100);
        EXPECT_EQ(b.Visibility1, 100);
        EXPECT_EQ(b.Frame, 4);
        EXPECT_EQ(b.Xcoord, 14 * (3 - k));
        ASSERT_EQ(b.Image.Width, 40);
        ASSERT_EQ(b.Image.Height, 9);
        EXPECT_EQ(b.Image.At(0, 0), mdi.At(40 * k, 0));
        EXPECT_EQ(b.Image.At(39, 8), mdi.At(40 * k + 39, 8));
    }
}

TEST(SkinCatalogue, CheckAndRadioFramesFromTheImageShape) {
    // The check image is the same but never has a count given.
    const struct {
        int width, height, given, radio, check;
    } cases[] = {
        {52, 13, 0, 4, 4}, {104, 13, 0, 8, 8}, {26, 13, 0, 4, 4},   {160, 16, 0, 10, 10},
        {40, 16, 0, 4, 4}, {104, 13, 3, 3, 8}, {104, 13, -2, 8, 8}, {0, 0, 0, 4, 4},
    };
    for (const auto& c : cases) {
        Skin s;
        s.ini = "[Buttons]\nRadioButton=r.bmp\nCheckButton=r.bmp\nRadioButtonFrame=" +
                std::to_string(c.given) + "\n";
        if (c.width > 0) s.Image("r.bmp", TPixelImage(c.width, c.height));
        const TSkinElements e = Load(s);
        EXPECT_EQ(e.Buttons.RadioFrames, c.radio) << c.width << "x" << c.height;
        EXPECT_EQ(e.Buttons.CheckFrames, c.check) << c.width << "x" << c.height;
    }
}

TEST(SkinCatalogue, MarginAndTileClamps) {
    Skin s;
    s.ini = "[Tab.Pane]\nImage=g.bmp\nLeftWidth=6\nTopHeight=4\nRightWidth=3\nBottomHeight=60\n"
            "Tile=2\n[Progress]\nBitmap=g.bmp\nTile=5\nStyle=1\n"
            "[Personality]\nLeftStretch=7\nTopStretch=0\nmenuBar=g.bmp\nTileMenu=3\n"
            "TileLeftMenu=0\nTopFrame=0\n";
    s.Image("g.bmp", Strip(1, 2, 5, 5));
    const TSkinElements e = Load(s);
    ASSERT_TRUE(e.TabPane);
    EXPECT_EQ(e.TabPane->LeftWidth, 4);
    EXPECT_EQ(e.TabPane->TopHeight, 4);
    EXPECT_EQ(e.TabPane->RightWidth, 3);
    EXPECT_EQ(e.TabPane->BottomHeight, 4);
    EXPECT_EQ(e.TabPane->Tile, 0);
    ASSERT_TRUE(e.Progress);
    EXPECT_EQ(e.Progress->Tile, 1);
    EXPECT_EQ(e.Progress->Frame, 1);
    EXPECT_EQ(e.BorderLeft.Tile, 0); // "Stretch" 7 stretches
    EXPECT_EQ(e.BorderTop.Tile, 1);  // "Stretch" 0 tiles
    // A frame count of 0 from the skin would divide by zero in every painter.
    EXPECT_EQ(e.BorderTop.Frame, 1);
    ASSERT_TRUE(e.MenuBar);
    EXPECT_EQ(e.MenuBar->Tile, 1);
    EXPECT_EQ(e.MenuBar->LeftWidth, 0);
}

// Whatever number a skin gives for "Tile", "Stretch" and "Trans", every kind of element holds 0
// or 1 with one meaning (Tile 1: the middle tiles; Trans 1: the key colour is left out), so the
// same element draws the same on every control that paints it.
TEST(SkinCatalogue, TileAndTransHoldOneMeaningForEveryKind) {
    struct Case {
        int given;
        int tile;        // a generic element's or Buttons' "Tile"
        int tileFromOne; // "Tile" of Progress, "TileMenu" of the menu bar
        int borderTile;  // from a border's "Stretch"
        int trans;       // "Trans" of any element
    };
    const Case cases[] = {
        {-7, 0, 0, 1, 1}, {-1, 0, 0, 1, 1}, {0, 0, 0, 1, 0},
        {1, 1, 1, 0, 1},  {2, 0, 1, 0, 1},  {9, 0, 1, 0, 1},
    };
    for (const Case& c : cases) {
        const std::string v = std::to_string(c.given);
        Skin s;
        s.ini = "[Buttons]\nBitmap=g.bmp\nTile=" + v + "\nTrans=" + v +
                "\n[Headerbar]\nImage=g.bmp\nTile=" + v + "\nTrans=" + v +
                "\n[Tabs]\nImage=g.bmp\nTile=" + v + "\nTrans=" + v +
                "\n[Progress]\nBitmap=g.bmp\nTile=" + v + "\nTrans=" + v +
                "\n[Personality]\nmenuBar=g.bmp\nTileMenu=" + v + "\nLeft=g.bmp\nLeftStretch=" + v +
                "\nLeftTrans=" + v + "\n";
        s.Image("g.bmp", Strip(1, 5, 8, 8));
        const TSkinElements e = Load(s);
        ASSERT_TRUE(e.Headerbar && e.Tabs && e.Progress && e.MenuBar) << v;
        const std::pair<const TDataSkinObject*, int> tiles[] = {{&e.Buttons, c.tile},
                                                                {e.Headerbar.get(), c.tile},
                                                                {e.Tabs.get(), c.tile},
                                                                {e.Progress.get(), c.tileFromOne},
                                                                {e.MenuBar.get(), c.tileFromOne},
                                                                {&e.BorderLeft, c.borderTile}};
        for (const auto& [element, tile] : tiles)
            EXPECT_EQ(element->Tile, tile) << element->Name << " given " << v;
        const TDataSkinObject* const keyed[] = {&e.Buttons, e.Headerbar.get(), e.Tabs.get(),
                                                e.Progress.get(), &e.BorderLeft};
        for (const TDataSkinObject* element : keyed)
            EXPECT_EQ(element->Trans, c.trans) << element->Name << " given " << v;
    }
}

TEST(SkinCatalogue, TitleFromPersonalityAndFonts) {
    Skin s;
    s.ini = "[Personality]\nTextBack=t.bmp\nTextShift=5\nTextShiftVert=2\nTextRightClip=30\n"
            "TextAlignment=1\nTextbackground=1\nTXTBackleft=3\nTXTBackRight=4\n"
            "ActiveTextR=255\nActiveTextG=0x10\nActiveTextB=1\nInActiveTextG=300\n"
            "[Fonts]\nFontHeight=0x0C\n";
    s.Image("t.bmp", Strip(1, 2, 8, 4, true));
    const TSkinElements e = Load(s);
    const TDataSkinTitle& t = e.Title;
    EXPECT_EQ(t.LeftWidth, 5);
    EXPECT_EQ(t.TopHeight, 2);
    EXPECT_EQ(t.RightWidth, 30);
    EXPECT_EQ(t.BottomHeight, 0);
    EXPECT_EQ(t.TextAlignment, 1);
    EXPECT_EQ(t.TextBackground, 1);
    EXPECT_EQ(t.TextBackLeft, 3);
    EXPECT_EQ(t.TextBackRight, 4);
    EXPECT_EQ(t.ActiveTextColour, RGBColor(255, 16, 1));
    EXPECT_EQ(t.InactiveTextColour, RGBColor(0, 44, 0));
    EXPECT_EQ(t.FontHeight, 12);
    EXPECT_EQ(t.Frame, 2);
    EXPECT_EQ(t.Image.Height, 8);
}

TEST(SkinCatalogue, TrackFallsBackToTheProgramsBitmap) {
    TSkinLoadInputs inputs;
    inputs.Track = Strip(5, 1, 30, 6);
    const TSkinElements e = Load(Skin{}, inputs);
    ASSERT_TRUE(e.Track);
    EXPECT_EQ(e.Track->Image, inputs.Track);
    EXPECT_EQ(e.Track->LeftWidth, 3);
    EXPECT_EQ(e.Track->TopHeight, 3);
    EXPECT_EQ(e.Track->RightWidth, 3);
    EXPECT_EQ(e.Track->BottomHeight, 3);
    EXPECT_EQ(e.Track->Tile, 0);
    EXPECT_EQ(e.Track->Frame, 1);
    // No bitmap for the vertical one here: absent.
    EXPECT_FALSE(e.TrackVert);
}

// Sunken edge, combo button and arrow glyphs of solid frame colours, combined for a scroll
// bar 17 pixels wide: the button takes the right 19 pixels of each 50 x 21 cell.
TEST(SkinCatalogue, ComboCompositeByPixels) {
    Skin s;
    s.ini = "[SunkEdge]\nImage=sunk.bmp\nTopHeight=3\nBottomHeight=4\n[ComboButton]\n"
            "Image=button.bmp\n[ExtraImages]\nImage=arrows.bmp\n";
    s.Image("sunk.bmp", Strip(1, 4, 8, 21))
        .Image("button.bmp", Strip(2, 4, 17, 21))
        .Image("arrows.bmp", Strip(3, 5, 5, 5));
    TSkinLoadInputs inputs;
    inputs.HScrollWidth = 17;
    const TSkinElements e = Load(s, inputs);
    ASSERT_TRUE(e.ComboButton && e.SunkEdge && e.ComboArrow);
    const TPixelImage& strip = e.ComboButton->Image;
    ASSERT_EQ(strip.Width, 200);
    ASSERT_EQ(strip.Height, 21);
    for (int i = 1; i <= 4; ++i) {
        const int x0 = 50 * (i - 1);
        const TPixel sunk = PixelFromColor(FrameColour(1, i));
        const TPixel button = PixelFromColor(FrameColour(2, i));
        const TPixel arrow = PixelFromColor(FrameColour(3, i));
        const struct {
            int x, y;
            TPixel p;
        } probes[] = {
            {0, 0, sunk},   {1, 10, sunk},   {2, 2, kKey},     {29, 17, kKey},
            {30, 2, sunk},  {2, 18, sunk},   {31, 0, button},  {37, 8, button},
            {38, 8, arrow}, {42, 12, arrow}, {43, 12, button}, {49, 20, button},
        };
        for (const auto& p : probes) {
            EXPECT_EQ(strip.At(x0 + p.x, p.y), p.p) << "frame " << i << " at " << p.x << "," << p.y;
            EXPECT_EQ(e.SunkEdge->Image.At(199 - x0 - p.x, p.y), p.p) << "mirrored frame " << i;
        }
        // The arrow cell is the button part of the strip, 2 pixels in from the top and right.
        ASSERT_EQ(e.ComboArrow->Image.Width, 68);
        EXPECT_EQ(e.ComboArrow->Image.At(17 * (i - 1), 0), button);
        EXPECT_EQ(e.ComboArrow->Image.At(17 * (i - 1) + 7, 6), arrow);
    }
    EXPECT_EQ(e.ComboButton->Style, 2);
    EXPECT_EQ(e.ComboButton->LeftWidth, 2);
    EXPECT_EQ(e.ComboButton->RightWidth, 21);
    EXPECT_EQ(e.ComboButton->TopHeight, 3);
    EXPECT_EQ(e.ComboButton->BottomHeight, 4);
    EXPECT_EQ(e.SunkEdge->LeftWidth, 21);
    EXPECT_EQ(e.SunkEdge->RightWidth, 2);
    EXPECT_EQ(e.ComboArrow->Frame, 4);
    EXPECT_EQ(e.ComboArrow->Name, "ComboxArrow");
    // The second image stays the mirrored original button.
    EXPECT_EQ(e.ComboButton->Image2, MirrorHorizontal(Strip(2, 4, 17, 21)));
}

TEST(SkinCatalogue, ComboArrowWithoutSunkEdgeIsTheButtonOnTheFaceColour) {
    Skin s;
    s.ini = "[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=button.bmp\n";
    TPixelImage button = Strip(2, 4, 6, 6);
    button.At(0, 0) = kKey;
    button.At(1, 0) = PixelFromColor(RGBColor(254, 0, 255));
    s.Image("button.bmp", button);
    const TSkinElements e = Load(s);
    ASSERT_TRUE(e.ComboArrow);
    EXPECT_EQ(e.ComboArrow->Frame, 4);
    EXPECT_EQ(e.ComboArrow->Image.At(0, 0), PixelFromColor(RGBColor(10, 20, 30)));
    EXPECT_EQ(e.ComboArrow->Image.At(1, 0), PixelFromColor(RGBColor(254, 0, 255)));
    EXPECT_EQ(e.ComboArrow->Image.At(2, 0), button.At(2, 0));
}

// System colours as a test machine might have them: every one light grey.
std::uint32_t GreySystemColours(int) {
    return 0xC0C0C0;
}

TEST(SkinCatalogue, SystemFaceColourIsResolvedForTheComboArrowOnly) {
    SetSysColorSource(GreySystemColours);
    Skin s;
    s.ini = "[ComboButton]\nImage=button.bmp\n";
    TPixelImage button = Strip(2, 4, 6, 6);
    button.At(0, 0) = kKey;
    s.Image("button.bmp", button);
    const TSkinElements e = Load(s);
    SetSysColorSource(nullptr);
    ASSERT_EQ(e.Colors[kButtonFace], clBtnFace);
    // The key pixels show the face colour, not the bytes of its system colour index.
    EXPECT_EQ(e.ComboArrow->Image.At(0, 0), 0xC0C0C0u);
    // The toolbar's saturation test reads the frame colour's own bytes: a system colour
    // measures as dark (200), so the bottom is the face lightened, not 15 % grey on it.
    ASSERT_EQ(Saturation(clBtnFace), 200);
    const TColor grey = RGBColor(0xC0, 0xC0, 0xC0);
    const TColor top = Blend(grey, clWhite, 150);
    const TColor bottom = Blend(grey, clWhite, (5625 - 25 * 200) / 140 + 50);
    EXPECT_EQ(e.ToolbarBackground->Image.At(0, 39),
              PixelFromColor(ComputeRamp(40, top, bottom).back()));
}

TEST(SkinCatalogue, FrameColourAndToolbarBackground) {
    Skin s;
    s.ini = "[Colours]\nButtonFace=100 100 100\n[Personality]\nTop=top.bmp\nTopFrame=2\n";
    TPixelImage top = Strip(1, 2, 30, 12, true); // two frames 12 high, stacked
    top.At(10, 4) = PixelFromColor(RGBColor(200, 40, 40));
    s.Image("top.bmp", top);
    const TSkinElements e = Load(s);
    const TColor frame = RGBColor(200, 40, 40);
    EXPECT_EQ(e.Colors[kFrameColor], frame);
    // Strongly coloured frame (saturation 204): the bottom is the frame colour lightened.
    ASSERT_EQ(Saturation(frame), 204);
    const TColor topColour = Blend(RGBColor(100, 100, 100), clWhite, 150);
    EXPECT_EQ(topColour, RGBColor(232, 232, 232));
    const TColor bottom = Blend(frame, clWhite, (5625 - 25 * 204) / 140 + 50);
    const TPixelImage& g = e.ToolbarBackground->Image;
    EXPECT_EQ(g.At(0, 0), PixelFromColor(topColour));
    EXPECT_EQ(g.At(9, 39), PixelFromColor(ComputeRamp(40, topColour, bottom).back()));

    // Without a top border the frame colour is the face colour; a pale one gets 15 % grey.
    s.ini = "[Colours]\nButtonFace=200 180 180\n";
    s.files.clear();
    const TSkinElements pale = Load(s);
    const TColor face = RGBColor(200, 180, 180);
    EXPECT_EQ(pale.Colors[kFrameColor], face);
    ASSERT_LE(Saturation(face), 110);
    const TColor paleTop = Blend(face, clWhite, 150);
    const TColor paleBottom = Blend(RGBColor(128, 128, 128), face, 150);
    EXPECT_EQ(pale.ToolbarBackground->Image.At(0, 0), PixelFromColor(paleTop));
    EXPECT_EQ(pale.ToolbarBackground->Image.At(0, 39),
              PixelFromColor(ComputeRamp(40, paleTop, paleBottom).back()));
}

TEST(SkinCatalogue, ReloadReplacesAbsentElements) {
    Skin with;
    with.ini = "[SunkEdge]\nImage=g.bmp\n";
    with.Image("g.bmp", Strip(1, 4, 3, 3));
    TSkinElements e = Load(with);
    ASSERT_TRUE(e.SunkEdge);
    TSkinReader reader;
    reader.Open(Skin{}.Pack());
    LoadSkinElements(e, std::make_shared<TSkinReader>(std::move(reader)), TQuickIni{}, {});
    EXPECT_FALSE(e.SunkEdge);
}

// What the engine paints in a system colour comes from the skin's slot for it, which is the
// system's own only where the skin leaves the slot out.
TEST(SkinCatalogue, SystemColoursTheEnginePaintsInAreTheSkinsWhereItHasThem) {
    Skin skin;
    skin.ini = "[Colours]\nButtonFace=1 2 3\nButtonShadow=4 5 6\nHilight=7 8 9\n";
    const TSkinElements e = Load(skin);
    const struct {
        TColor system, expected;
    } cases[] = {
        {ui::clBtnFace, RGBColor(1, 2, 3)},
        {ui::clBtnShadow, RGBColor(4, 5, 6)},
        {ui::clHighlight, RGBColor(7, 8, 9)},
        {ui::clHighlightText, ui::clHighlightText}, // left to the system by this skin
        {ui::clWindow, ui::clWindow},               // no slot for it
        {RGBColor(1, 2, 3), RGBColor(1, 2, 3)},     // not a system colour
        {TColor{0}, TColor{0}},                     // black, not Menubar's "none given"
    };
    for (const auto& c : cases)
        EXPECT_EQ(SkinColourFor(e, c.system), c.expected) << std::hex << c.system;
}

} // namespace
