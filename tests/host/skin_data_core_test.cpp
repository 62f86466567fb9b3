// The skin data component's rules without Windows: defaults, setters, the skin stream, loading
// and its failures, Loaded's adjustments and what it asks of the manager.
#include "skin/model/skin_data_core.h"
#include "tests/support/skin_fixture.h"

#include "skin/model/skin_archive.h"
#include "ui/le_bytes.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <type_traits>
#include <vector>

#include <unistd.h>

namespace {

using skin_fixture::Skin;
using skin_fixture::Strip;

// Records what the component asks of the manager.
class RecordingManager : public TSkinManagerLink {
public:
    std::vector<std::string> calls;
    TSkinManagerState state = TSkinManagerState::NotStarted;

    void RegisterSkinData(TSkinDataCore&) override { calls.push_back("Register"); }
    void UnregisterSkinData(TSkinDataCore&) override { calls.push_back("Unregister"); }
    void InstallHook() override { calls.push_back("InstallHook"); }
    void ScheduleAction(TSkinAction action, int delay) override {
        calls.push_back("Schedule " + std::to_string(static_cast<int>(action)) + " " +
                        std::to_string(delay));
    }
    void RefreshSkinForms() override { calls.push_back("Refresh"); }
    void SetPendingSkinData(TSkinDataCore* d) override {
        calls.push_back(d ? "Pending" : "Pending none");
    }
    TSkinManagerState State() const override { return state; }
    void SetState(TSkinManagerState s) override {
        state = s;
        calls.push_back("State " + std::to_string(static_cast<int>(s)));
    }
    void SetSkinningOn(bool on) override { calls.push_back(on ? "On" : "Off"); }
    bool SkinWindow(TWindowHandle w) override {
        calls.push_back("SkinWindow " + std::to_string(w));
        return true;
    }
};

class SkinDataCoreTest : public testing::Test {
protected:
    void SetUp() override {
        SetSkinMessageSink([this](const std::string& text) { messages.push_back(text); });
    }
    void TearDown() override {
        SetSkinMessageSink(nullptr);
        SetSkinManagerProvider(nullptr);
    }
    // Plugs in a manager that exists from the start (or only once something creates it).
    void UseManager(bool exists = true) {
        created = exists;
        SetSkinManagerProvider([this](bool create) -> TSkinManagerLink* {
            if (create) created = true;
            return created ? &manager : nullptr;
        });
    }

    std::vector<std::string> messages;
    RecordingManager manager;
    bool created = false;
};

Skin SmallSkin(TColor face) {
    Skin s;
    s.ini = "[Colours]\nButtonFace=" + std::to_string(ColorRed(face)) + " " +
            std::to_string(ColorGreen(face)) + " " + std::to_string(ColorBlue(face)) +
            "\n[SunkEdge]\nImage=s.bmp\n";
    s.Image("s.bmp", Strip(1, 4, 4, 4));
    return s;
}

// The "SkinStream" property value of a compressed skin: its length, then its bytes.
std::vector<std::uint8_t> Property(const std::vector<std::uint8_t>& stream) {
    const auto n = static_cast<std::uint32_t>(stream.size());
    std::vector<std::uint8_t> out;
    ui::PutU32(out, n);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

TEST_F(SkinDataCoreTest, Defaults) {
    TSkinDataCore d;
    EXPECT_FALSE(d.Active());
    EXPECT_EQ(d.DisableTag, 99);
    EXPECT_EQ(d.SkinControls, 0x1FFFFBu);
    EXPECT_EQ(d.Options, 0x448);
    EXPECT_TRUE(InSet(d.Options, xoPreview) && InSet(d.Options, xoToolbarBK) &&
                InSet(d.Options, xoCaptionButtonHint));
    EXPECT_FALSE(InSet(d.SkinControls, xcMenuItem) || InSet(d.SkinControls, xcFastReport));
    EXPECT_EQ(d.SkinFormtype, sfMainform);
    EXPECT_TRUE(d.MenuUpdate);
    EXPECT_FALSE(d.MenuMerge);
    EXPECT_FALSE(d.SkinLoaded());
    ASSERT_EQ(d.Skin3rd().size(), 118u);
    EXPECT_EQ(d.Skin3rd().front(), "TCategoryButtons=scrollbar");
    EXPECT_EQ(d.Skin3rd()[1], "TPngSpeedbutton=pngspeedbutton");
    EXPECT_EQ(d.Skin3rd().back(), "TOVCDBNUMERICFIELD=Edit");
}

TEST_F(SkinDataCoreTest, SkinStoreAndVersionIgnoreWrites) {
    TSkinDataCore d;
    d.SetSkinStream(SmallSkin(0).Pack());
    EXPECT_EQ(d.SkinStore(), "(none)"); // at run time always
    d.SetSkinStore("(Good)");
    EXPECT_EQ(d.SkinStore(), "(none)");
    d.Designing = true;
    EXPECT_EQ(d.SkinStore(), "(Good)");
    d.SetSkinStream({});
    EXPECT_EQ(d.SkinStore(), "(none)");
    d.SetVersion("1.0");
    EXPECT_EQ(d.Version(), "5.40.07.15");
}

TEST_F(SkinDataCoreTest, SkinStreamPropertyRoundTripsAndLoads) {
    const std::vector<std::uint8_t> stream = SmallSkin(RGBColor(1, 2, 3)).Pack();
    const std::vector<std::uint8_t> property = Property(stream);
    ASSERT_EQ(property.size(), stream.size() + 4);
    EXPECT_EQ(property[0], static_cast<std::uint8_t>(stream.size()));

    TSkinDataCore d;
    d.ReadSkinStream(property);
    EXPECT_TRUE(d.SkinLoaded());
    EXPECT_EQ(d.SkinStream(), stream);
    EXPECT_EQ(d.Elements().Colors[kButtonFace], RGBColor(1, 2, 3));
    EXPECT_TRUE(d.Elements().SunkEdge);
    EXPECT_EQ(d.WriteSkinStream(), property);

    TSkinDataCore empty;
    EXPECT_EQ(empty.WriteSkinStream(), (std::vector<std::uint8_t>{0, 0, 0, 0}));
}

TEST_F(SkinDataCoreTest, EmptyOrDamagedStreamPropertyLeavesNoSkin) {
    const std::vector<std::uint8_t> good = Property(SmallSkin(0).Pack());
    std::vector<std::uint8_t> longer = good;
    longer[0] = static_cast<std::uint8_t>(longer[0] + 1); // one byte more than stored
    std::vector<std::uint8_t> corrupt = good;
    for (std::size_t i = 8; i < corrupt.size(); i += 3)
        corrupt[i] ^= 0x5A;
    const std::vector<std::vector<std::uint8_t>> cases = {
        {0, 0, 0, 0}, {0xFF, 0xFF, 0xFF, 0xFF}, {}, {1, 0}, longer, corrupt};
    for (const auto& property : cases) {
        TSkinDataCore d;
        d.ReadSkinStream(property);
        EXPECT_FALSE(d.SkinLoaded());
        EXPECT_FALSE(d.Elements().SunkEdge);
    }
}

TEST_F(SkinDataCoreTest, ArchiveOfAnotherVersionShowsTheMessageAndKeepsTheOldElements) {
    TSkinDataCore d;
    d.ReadSkinStream(Property(SmallSkin(RGBColor(1, 2, 3)).Pack()));
    ASSERT_TRUE(d.SkinLoaded());

    std::vector<std::uint8_t> archive = PackSkinArchive(std::vector<SkinArchiveEntry>{});
    archive[0] = 0x10; // version 20000 becomes 19984
    d.SetSkinStream(LzhEncodeContainer(archive));
    EXPECT_FALSE(d.LoadSkin());
    EXPECT_FALSE(d.SkinLoaded());
    EXPECT_EQ(messages,
              std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
    EXPECT_EQ(d.Elements().Colors[kButtonFace], RGBColor(1, 2, 3));
    EXPECT_TRUE(d.Elements().SunkEdge);
}

TEST_F(SkinDataCoreTest, DesignModeNeverLoads) {
    TSkinDataCore d;
    d.Designing = true;
    d.ReadSkinStream(Property(SmallSkin(0).Pack()));
    EXPECT_FALSE(d.SkinLoaded());
    EXPECT_FALSE(d.LoadSkin());
    // A file name replaces the embedded skin while designing.
    d.SetSkinFile("any.skn");
    EXPECT_TRUE(d.SkinStream().empty());
    EXPECT_EQ(d.SkinFile(), "any.skn");
}

TEST_F(SkinDataCoreTest, SkinFileLoadsAnExistingFileAndAMissingOneChangesNothing) {
    UseManager();
    TSkinDataCore d;
    const std::vector<std::uint8_t> embedded = SmallSkin(RGBColor(1, 2, 3)).Pack();
    d.ReadSkinStream(Property(embedded));

    d.SetSkinFile("/nonexistent/skin.skn");
    EXPECT_FALSE(d.SkinLoaded());
    EXPECT_EQ(d.SkinStream(), embedded);
    EXPECT_EQ(d.Elements().Colors[kButtonFace], RGBColor(1, 2, 3));
    EXPECT_TRUE(manager.calls.empty());

    const std::filesystem::path file =
        std::filesystem::temp_directory_path() /
        ("skin_data_core_test_" + std::to_string(::getpid()) + ".skn");
    const std::vector<std::uint8_t> other = SmallSkin(RGBColor(7, 8, 9)).Pack();
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(other.data()),
               static_cast<std::streamsize>(other.size()));
    manager.state = TSkinManagerState::Running;
    d.SetSkinFile(file.string());
    std::filesystem::remove(file);
    EXPECT_TRUE(d.SkinLoaded());
    EXPECT_EQ(d.SkinStream(), other);
    EXPECT_EQ(d.Elements().Colors[kButtonFace], RGBColor(7, 8, 9));
    EXPECT_EQ(manager.calls, (std::vector<std::string>{"Pending", "Refresh", "Schedule 3 250"}));
}

TEST_F(SkinDataCoreTest, LoadedAdjustsSkinControlsAndComesUpInactiveWithoutASkin) {
    const struct {
        TSkinControls given;
        TSkinControls after;
    } cases[] = {
        {SetOf<TSkinControls>(xcMainMenu) | SetOf<TSkinControls>(xcMenuItem) |
             SetOf<TSkinControls>(xcSystemMenu),
         SetOf<TSkinControls>(xcMainMenu) | SetOf<TSkinControls>(xcSystemMenu)},
        {SetOf<TSkinControls>(xcMenuItem) | SetOf<TSkinControls>(xcSystemMenu),
         SetOf<TSkinControls>(xcMenuItem)},
    };
    for (const auto& c : cases) {
        TSkinDataCore d;
        d.SkinControls = c.given;
        d.SetActive(true); // stored without a skin, as a form description would
        d.Loaded();
        EXPECT_EQ(d.SkinControls, c.after);
        EXPECT_FALSE(d.Active());
    }
}

TEST_F(SkinDataCoreTest, LoadedRegistersHooksAndSchedulesTheFirstSwitchOn) {
    UseManager(false);
    TSkinDataCore d;
    d.ReadSkinStream(Property(SmallSkin(0).Pack()));
    d.Reading = true;
    d.SetActive(true);
    d.Reading = false;
    EXPECT_TRUE(manager.calls.empty());
    d.Loaded();
    EXPECT_TRUE(d.Active());
    EXPECT_EQ(manager.calls,
              (std::vector<std::string>{"Register", "InstallHook", "Schedule 1 250"}));
}

class OwnedByForm : public TSkinDataCore {
protected:
    TWindowHandle OwnerFormWindow() const override { return 42; }
    bool HasScrollBarInfo() const override { return false; }
};

TEST_F(SkinDataCoreTest, LoadedOfAComponentForOneFormSkinsItsFormAtOnce) {
    UseManager();
    manager.state = TSkinManagerState::Running;
    OwnedByForm d;
    d.SkinFormtype = sfOnlyThisForm;
    d.Reading = true;
    d.SetActive(true);
    d.Reading = false;
    d.Loaded();
    EXPECT_EQ(manager.calls,
              (std::vector<std::string>{"Register", "On", "State 2", "SkinWindow 42"}));
    EXPECT_FALSE(InSet(d.SkinControls, xcScrollbar));
    // Menu adjustments belong to the main form's component only.
    EXPECT_EQ(d.SkinControls, kDefaultSkinControls & ~SetOf<TSkinControls>(xcScrollbar));
}

TEST_F(SkinDataCoreTest, ComponentsForOneFormCountThemselvesInShortOfShuttingDown) {
    UseManager();
    const struct {
        int before;
        int after;
    } cases[] = {{0, 1}, {1, 2}, {2, 3}, {3, 3}, {4, 4}};
    for (const auto& c : cases) {
        manager.state = static_cast<TSkinManagerState>(c.before);
        TSkinDataCore d;
        d.SkinFormtype = sfDialog;
        d.Loaded();
        EXPECT_EQ(static_cast<int>(manager.state), c.after) << c.before;
    }
}

// Nobody changes a loaded skin's elements but the component itself: everyone sees them read-only.
static_assert(
    std::is_const_v<std::remove_reference_t<decltype(std::declval<TSkinDataCore&>().Elements())>>);

// The window's icon goes on a caption button only where the skin gave it no picture; either way
// the button shows one frame, and only a changed picture gives the elements a new serial.
TEST_F(SkinDataCoreTest, CaptionButtonTakesTheIconOnlyWithoutAPictureOfItsOwn) {
    Skin skin;
    skin.ini = "[Button0]\nAction=3\n[Button1]\nAction=0\nButtonImage=b.bmp\nframe=2\n";
    skin.Image("b.bmp", Strip(1, 2, 4, 4));
    TSkinDataCore d;
    d.SetSkinStream(skin.Pack());
    ASSERT_TRUE(d.LoadSkin());
    ASSERT_GE(d.Elements().CaptionButtons.size(), 2u); // the MDI child's three follow
    ASSERT_TRUE(d.Elements().CaptionButtons[0].Image.Empty());
    const TPixelImage own = d.Elements().CaptionButtons[1].Image;
    const std::uint64_t serial = d.Elements().Serial;
    const TPixelImage icon(16, 16, 0x445566);

    EXPECT_FALSE(d.ShowIconOnCaptionButton(1, icon));
    EXPECT_EQ(d.Elements().CaptionButtons[1].Image, own);
    EXPECT_EQ(d.Elements().CaptionButtons[1].Frame, 1);
    EXPECT_EQ(d.Elements().Serial, serial);

    EXPECT_TRUE(d.ShowIconOnCaptionButton(0, icon));
    EXPECT_EQ(d.Elements().CaptionButtons[0].Image, icon);
    EXPECT_EQ(d.Elements().CaptionButtons[0].Frame, 1);
    EXPECT_NE(d.Elements().Serial, serial);

    EXPECT_FALSE(d.ShowIconOnCaptionButton(d.Elements().CaptionButtons.size(), icon));
}

TEST_F(SkinDataCoreTest, ActiveSetterAsksTheManager) {
    UseManager();
    const struct {
        TSkinFormType type;
        bool loaded;
        bool value;
        std::vector<std::string> calls;
    } cases[] = {
        {sfMainform, true, true, {"Pending", "Schedule 1 250", "State 1"}},
        {sfMainform, false, true, {}}, // not even pending without a skin
        {sfMainform, true, false, {"Pending", "Schedule 2 250"}},
        {sfOnlyThisForm, true, true, {"Pending", "Schedule 1 250"}},
        {sfOnlyThisForm, false, true, {"Pending"}},
        {sfOnlyThisForm, false, false, {"Pending", "Schedule 2 250"}},
        {sfDialog, true, true, {}},
    };
    const std::vector<std::uint8_t> property = Property(SmallSkin(0).Pack());
    for (const auto& c : cases) {
        TSkinDataCore d;
        d.SkinFormtype = c.type;
        if (c.loaded) d.ReadSkinStream(property);
        if (!c.value) {
            d.Reading = true;
            d.SetActive(true);
            d.Reading = false;
        }
        manager.calls.clear();
        d.SetActive(c.value);
        d.SetActive(c.value); // no change: nothing more
        EXPECT_EQ(manager.calls, c.calls) << c.type << c.loaded << c.value;
        EXPECT_EQ(d.Active(), c.value);
    }
}

TEST_F(SkinDataCoreTest, FormFilter) {
    const struct {
        const char* cls;
        bool fastReport;
        bool accept;
    } cases[] = {
        {"SysMonthCal32", false, false}, {"TfrDesigner", true, false},
        {"TfrDesigner", false, true},    {"TForm2", true, true},
        {"sysmonthcal32", false, true},
    };
    for (const auto& c : cases) {
        TSkinDataCore d;
        if (c.fastReport) d.SkinControls |= SetOf<TSkinControls>(xcFastReport);
        bool accept = true;
        d.FormFilter(7, c.cls, accept);
        EXPECT_EQ(accept, c.accept) << c.cls;
        EXPECT_EQ(d.FilterWindow(), 7u);
    }
    // A handler decides alone.
    TSkinDataCore d;
    std::string asked;
    d.OnFormSkin = [&](TSkinDataCore&, const std::string& name, bool& doSkin) {
        asked = name;
        doSkin = true;
    };
    bool accept = false;
    d.FormFilter(1, "SysMonthCal32", accept);
    EXPECT_TRUE(accept);
    EXPECT_EQ(asked, "SysMonthCal32");
}

TEST_F(SkinDataCoreTest, DestructionUnregisters) {
    UseManager();
    { TSkinDataCore d; }
    EXPECT_EQ(manager.calls, std::vector<std::string>{"Unregister"});
}

} // namespace
