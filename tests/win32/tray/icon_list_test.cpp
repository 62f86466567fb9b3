// The animation icon list: owned copies, one change report per outermost update, the list
// operations, icons from resources and the stored "Icons" property.
#include "tests/win32/tray/tray_fixture.h"
#include "tray/RXShell.h"
#include "tray/icon_list_stream.h"
#include "tray/rxIcoList.h"
#include "ui/form_binding.h"
#include "ui/form_text_binary.h"
#include "ui/image_format.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace {

using namespace tray;
using tray_test::MakeTestIco;
using Bytes = std::vector<std::uint8_t>;

class IconList : public testing::Test {
protected:
    void SetUp() override {
        for (std::uint32_t colour : {0xFF0000u, 0x00FF00u, 0x0000FFu}) {
            ico_.push_back(MakeTestIco(colour));
            icons_[ico_.size() - 1].LoadFromBytes(ico_.back());
        }
        list_.OnChange = [this] { ++changes_; };
    }
    // Which test icon each slot holds (-1 for an empty one).
    std::vector<int> Order() const {
        std::vector<int> order;
        for (int i = 0; i < list_.Count(); ++i) {
            const ui::TIcon* icon = list_.Icons(i);
            int which = -1;
            for (std::size_t k = 0; k < ico_.size(); ++k)
                if (icon && Bytes(icon->Data().begin(), icon->Data().end()) == ico_[k])
                    which = static_cast<int>(k);
            order.push_back(which);
        }
        return order;
    }

    std::vector<Bytes> ico_;
    ui::TIcon icons_[3];
    TIconList list_;
    int changes_ = 0;
};

TEST_F(IconList, OperationsKeepOwnedCopiesAndReportEachChange) {
    EXPECT_EQ(list_.Add(&icons_[0]), 0);
    EXPECT_EQ(list_.Add(&icons_[1]), 1);
    list_.Insert(0, &icons_[2]);
    EXPECT_EQ(Order(), (std::vector<int>{2, 0, 1}));
    EXPECT_NE(list_.Icons(0), &icons_[2]); // a copy
    EXPECT_EQ(list_.IndexOf(list_.Icons(1)), 1);
    EXPECT_EQ(list_.IndexOf(&icons_[0]), -1);
    list_.Exchange(0, 2);
    EXPECT_EQ(Order(), (std::vector<int>{1, 0, 2}));
    list_.Move(0, 2);
    EXPECT_EQ(Order(), (std::vector<int>{0, 2, 1}));
    list_.Put(1, &icons_[0]);
    list_.Put(3, &icons_[2]); // Count: appends
    EXPECT_EQ(Order(), (std::vector<int>{0, 0, 1, 2}));
    list_.Delete(0);
    EXPECT_EQ(Order(), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(changes_, 8);
    // Changing an owned icon is a change of the list.
    list_.Icons(0)->LoadFromBytes(ico_[2]);
    EXPECT_EQ(changes_, 9);
    list_.Clear();
    EXPECT_EQ(list_.Count(), 0);

    for (auto bad : {-1, 1}) {
        EXPECT_THROW(list_.Icons(bad), std::out_of_range);
        EXPECT_THROW(list_.Put(bad + 1 == 0 ? -1 : 2, &icons_[0]), std::out_of_range);
        EXPECT_THROW(list_.Delete(bad), std::out_of_range);
    }
    EXPECT_THROW(list_.Insert(1, &icons_[0]), std::out_of_range);
}

TEST_F(IconList, NestedUpdatesReportOnceAtTheOutermostEnd) {
    list_.BeginUpdate();
    list_.Add(&icons_[0]);
    list_.BeginUpdate();
    list_.Add(&icons_[1]);
    list_.EndUpdate();
    EXPECT_EQ(changes_, 0);
    list_.Delete(0);
    list_.EndUpdate();
    EXPECT_EQ(changes_, 1);

    // Assigning is one change, from a list or from a single icon.
    TIconList other;
    other.Add(&icons_[2]);
    other.Add(&icons_[0]);
    list_.Assign(other);
    EXPECT_EQ(changes_, 2);
    EXPECT_EQ(Order(), (std::vector<int>{2, 0}));
    list_.Assign(icons_[1]);
    EXPECT_EQ(changes_, 3);
    EXPECT_EQ(Order(), (std::vector<int>{1}));
}

TEST_F(IconList, IconsFromResources) {
    // The system's application icon lives in user32 as a group icon resource.
    HINSTANCE user32 = GetModuleHandleW(L"user32.dll");
    EXPECT_EQ(list_.AddResource(user32, MAKEINTRESOURCEW(32512)), 0);
    list_.InsertResource(0, user32, MAKEINTRESOURCEW(32512));
    ASSERT_EQ(list_.Count(), 2);
    EXPECT_FALSE(list_.Icons(0)->Empty());
    EXPECT_FALSE(ui::ReadIcoDirectory(list_.Icons(0)->Data()).empty());
    EXPECT_THROW(list_.AddResource(user32, L"NO_SUCH_ICON"), ui::EInvalidGraphic);
    EXPECT_EQ(list_.Count(), 2);
}

std::string IconsDescription(const Bytes& stored) {
    return "object Host: TTrayHost\n"
           "  object RxTrayIcon1: TRxTrayIcon\n"
           "    Active = False\n"
           "    Icons = " +
           form_text::FormatBinary(stored, "      ") +
           "\n"
           "  end\n"
           "end\n";
}

TEST_F(IconList, StoredIconsProperty) {
    ui::RegisterComponentClass<TRxTrayIcon>();
    // Two icons with an empty slot between them.
    const Bytes stored = EncodeIconList({ico_[1], {}, ico_[2]});
    {
        tray_test::TTrayHost host(nullptr);
        ui::ReadDescription(&host, IconsDescription(stored));
        auto* tray = dynamic_cast<TRxTrayIcon*>(host.FindComponent(L"RxTrayIcon1"));
        ASSERT_NE(tray, nullptr);
        EXPECT_FALSE(tray->Added());
        list_.Assign(*tray->Icons());
        EXPECT_EQ(Order(), (std::vector<int>{1, -1, 2}));
        EXPECT_EQ(tray->Icons()->SaveToBytes(), stored);
        // Putting an icon into the empty slot makes one there.
        tray->Icons()->Put(1, &icons_[0]);
        EXPECT_FALSE(tray->Icons()->Icons(1)->Empty());
    }
    // Outside data: a stream that lies about its sizes or holds no icon fails the read.
    Bytes cut = stored;
    cut.resize(cut.size() - 10);
    const Bytes not_an_icon = EncodeIconList({{1, 2, 3, 4, 5, 6}});
    for (const Bytes& bad : {cut, not_an_icon}) {
        tray_test::TTrayHost host(nullptr);
        EXPECT_THROW(ui::ReadDescription(&host, IconsDescription(bad)), ui::EDescriptionError);
    }
}

} // namespace
