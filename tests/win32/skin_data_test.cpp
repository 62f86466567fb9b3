// The skin data component read from form descriptions under Wine: its properties by name, the
// "SkinStream" binary property, what Loaded does to a stored state, failed loads, the face brush
// and the caption hint.
#include "skin/runtime/skin_data.h"
#include "tests/support/skin_fixture.h"

#include "ui/form_binding.h"
#include "ui/properties.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using skin_fixture::Skin;
using skin_fixture::StreamLine;
using skin_fixture::Strip;

// The root a description is read into.
class TSkinTestRoot : public ui::TComponent {
public:
    TSkinTestRoot() : ui::TComponent(nullptr) {}
    static const ui::TClassInfo& StaticClass() {
        static const ui::TClassInfo info(L"TSkinTestRoot", &ui::TComponent::StaticClass());
        return info;
    }
    const ui::TClassInfo& ClassType() const override { return StaticClass(); }
    TSkinData* Skin() const { return dynamic_cast<TSkinData*>(FindComponent(L"SkinData1")); }
};

std::vector<std::uint8_t> SmallSkin(int version = 20000) {
    Skin s;
    s.ini = "[Colours]\nButtonFace=10 20 30\n[SunkEdge]\nImage=s.bmp\n";
    s.Image("s.bmp", Strip(1, 4, 4, 4));
    if (version == 20000) return s.Pack();
    std::vector<std::uint8_t> archive = PackSkinArchive(std::vector<SkinArchiveEntry>{});
    for (int i = 0; i < 4; ++i)
        archive[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(version >> (8 * i));
    return LzhEncodeContainer(archive);
}

class SkinDataTest : public testing::Test {
protected:
    void SetUp() override {
        ui::RegisterComponentClass<TSkinData>();
        SetSkinMessageSink([this](const std::string& text) { messages.push_back(text); });
    }
    // No message box may stop an unattended run.
    void TearDown() override { SetSkinMessageSink(nullptr); }

    // Reads a root holding one TSkinData with the given property lines.
    std::unique_ptr<TSkinTestRoot> Read(const std::string& lines) {
        auto root = std::make_unique<TSkinTestRoot>();
        ui::ReadDescription(root.get(),
                            "object Root: TSkinTestRoot\n  object SkinData1: TSkinData\n" + lines +
                                "  end\nend\n");
        return root;
    }

    std::vector<std::string> messages;
};

TEST_F(SkinDataTest, DescriptionLoadsTheSkinAndKeepsItActive) {
    const auto root = Read("    Active = True\n    DisableTag = 7\n    Options = [xoPreview]\n" +
                           StreamLine(SmallSkin()));
    TSkinData* d = root->Skin();
    ASSERT_TRUE(d);
    EXPECT_TRUE(d->SkinLoaded());
    EXPECT_TRUE(d->Active());
    EXPECT_EQ(d->DisableTag, 7);
    EXPECT_EQ(d->Options, SetOf<TSkinOptions>(xoPreview));
    EXPECT_EQ(d->Elements().Colors[kButtonFace], RGBColor(10, 20, 30));
    ASSERT_TRUE(d->Elements().SunkEdge);
    // The face brush is the loaded face colour.
    LOGBRUSH brush{};
    ASSERT_TRUE(GetObjectW(d->FaceBrush(), sizeof(brush), &brush));
    EXPECT_EQ(brush.lbColor, RGB(10, 20, 30));
    EXPECT_TRUE(d->CaptionFont.Handle());
    EXPECT_GT(d->MaxWidth, 0);
    EXPECT_TRUE(messages.empty());
}

TEST_F(SkinDataTest, LoadedAdjustsTheStoredSkinControls) {
    const struct {
        const char* stored;
        const wchar_t* loaded;
    } cases[] = {
        {"[xcMainMenu, xcMenuItem, xcSystemMenu]", L"[xcMainMenu,xcSystemMenu]"},
        {"[xcMenuItem, xcSystemMenu, xcCombo]", L"[xcMenuItem,xcCombo]"},
    };
    for (const auto& c : cases) {
        const auto root =
            Read(std::string("    SkinControls = ") + c.stored + "\n" + StreamLine(SmallSkin()));
        EXPECT_EQ(ui::GetSetProp(root->Skin(), L"SkinControls"), c.loaded) << c.stored;
    }
}

TEST_F(SkinDataTest, StoredActiveWithoutASkinComesUpInactive) {
    for (const std::string& stream :
         {std::string(), std::string("    SkinStream = {00000000}\n")}) {
        const auto root = Read("    Active = True\n" + stream);
        EXPECT_FALSE(root->Skin()->Active());
        EXPECT_FALSE(root->Skin()->SkinLoaded());
        EXPECT_FALSE(root->Skin()->Elements().SunkEdge);
        EXPECT_EQ(ui::GetEnumProp(root->Skin(), L"Active"), L"False");
    }
}

TEST_F(SkinDataTest, ArchiveOfAnotherVersionShowsTheMessageAndKeepsTheOldElements) {
    const auto root = Read(StreamLine(SmallSkin()));
    TSkinData* d = root->Skin();
    ASSERT_TRUE(d->SkinLoaded());
    d->SetSkinStream(SmallSkin(19999));
    EXPECT_FALSE(d->LoadSkin());
    EXPECT_EQ(messages,
              std::vector<std::string>{"This is Older Skin File\rPlease update to new version !"});
    EXPECT_TRUE(d->Elements().SunkEdge);
    EXPECT_EQ(d->Elements().Colors[kButtonFace], RGBColor(10, 20, 30));

    const auto stored = Read("    Active = True\n" + StreamLine(SmallSkin(30001)));
    EXPECT_EQ(messages.size(), 2u);
    EXPECT_FALSE(stored->Skin()->Active());
}

TEST_F(SkinDataTest, PropertiesByName) {
    const auto root = Read(StreamLine(SmallSkin()));
    TSkinData* d = root->Skin();
    EXPECT_EQ(ui::GetStrProp(d, L"SkinStore"), L"(none)");
    EXPECT_TRUE(ui::SetStrProp(d, L"SkinStore", L"(Good)"));
    EXPECT_EQ(ui::GetStrProp(d, L"SkinStore"), L"(none)");
    EXPECT_TRUE(ui::SetStrProp(d, L"Version", L"1.0"));
    EXPECT_EQ(ui::GetStrProp(d, L"Version"), L"5.40.07.15");
    EXPECT_EQ(ui::GetEnumProp(d, L"SkinFormtype"), L"sfMainform");
    EXPECT_EQ(ui::GetOrdProp(d, L"DisableTag"), 99);
    EXPECT_EQ(ui::GetEnumProp(d, L"MenuUpdate"), L"True");
    EXPECT_EQ(ui::GetEnumProp(d, L"MenuMerge"), L"False");
    EXPECT_EQ(d->Skin3rd().size(), 118u);

    // A skin file that is not there changes nothing but the loaded flag.
    EXPECT_TRUE(ui::SetStrProp(d, L"SkinFile", L"C:\\no\\such\\skin.skn"));
    EXPECT_EQ(ui::GetStrProp(d, L"SkinFile"), L"C:\\no\\such\\skin.skn");
    EXPECT_FALSE(d->SkinLoaded());
    EXPECT_EQ(d->SkinStream(), SmallSkin());
    EXPECT_TRUE(d->Elements().SunkEdge);
}

TEST_F(SkinDataTest, StoredSkin3rdReplacesTheDefault) {
    const auto root = Read("    Skin3rd.Strings = (\n      'TFoo=Edit'\n      'TBar=combobox')\n");
    EXPECT_EQ(root->Skin()->Skin3rd(), (std::vector<std::string>{"TFoo=Edit", "TBar=combobox"}));
}

TEST_F(SkinDataTest, CaptionHintOnlyWithTheOption) {
    const auto root = Read("");
    TSkinData* d = root->Skin();
    d->ShowCaptionHint(RECT{100, 120, 140, 140}, L"Close");
    ASSERT_TRUE(d->CaptionHintShowing());
    RECT shown{};
    GetWindowRect(d->CaptionHintWindow(), &shown);
    EXPECT_TRUE(IsWindowVisible(d->CaptionHintWindow()));
    EXPECT_EQ(shown.left, 100);
    EXPECT_EQ(shown.top, 120);
    EXPECT_LE(shown.right - shown.left, 500);
    d->HideCaptionHint();
    EXPECT_FALSE(IsWindowVisible(d->CaptionHintWindow()));

    d->Options &= static_cast<TSkinOptions>(~SetOf<TSkinOptions>(xoCaptionButtonHint));
    d->ShowCaptionHint(RECT{100, 120, 140, 140}, L"Close");
    EXPECT_FALSE(d->CaptionHintShowing());
}

} // namespace
