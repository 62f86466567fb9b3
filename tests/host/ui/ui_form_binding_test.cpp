// Description binding: a valid description builds the expected components with their
// properties, events and binary data, and malformed ones fail with their line and reason.
#include "tests/host/ui/ui_fixture_components.h"
#include "ui/form_binding.h"
#include "ui/form_text_tree.h"
#include "ui/properties.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace ui;
using fixture::TBoard;
using fixture::TWidget;

class UiFormBinding : public testing::Test {
protected:
    void SetUp() override {
        RegisterComponentClass<TWidget>();
        board_.RegisterMethod(L"Widget1Click",
                              TNotifyEvent([this](TPersistent* sender) { clicked_by_ = sender; }));
        board_.RegisterMethod(L"NotAnEvent", 42);
    }
    TBoard board_{nullptr};
    TPersistent* clicked_by_ = nullptr;
};

TEST_F(UiFormBinding, ValidDescriptionBuildsTheTree) {
    ReadDescription(&board_, R"(object Board1: TBoard
  Size = 263
  Color = clBtnFace
  Caption = 'Pellico'#21098#36148#26495
  object Widget1: TWidget
    Size = 59
    Visible = False
    Shape = stRoundRect
    Edges = [beLeft, beRight]
    Caption = '粘  贴'
    Pen.Width = 2
    OnClick = Widget1Click
    Picture = {0102FF}
    object Inner: TWidget
      Buddy = Widget1
      Items.Strings = (
        'Tab键'
        '回车键')
    end
  end
  object Widget2: TWidget
    Color = 16711935
  end
end
)");
    EXPECT_EQ(board_.Name(), L"Board1");
    EXPECT_EQ(board_.Size(), 263);
    EXPECT_EQ(board_.Color(), clBtnFace);
    EXPECT_EQ(board_.Caption(), L"Pellico剪贴板");
    ASSERT_EQ(board_.ComponentCount(), 3); // every object is owned by the root
    auto* w1 = dynamic_cast<TWidget*>(board_.Components()[0]);
    auto* inner = dynamic_cast<TWidget*>(board_.Components()[1]);
    auto* w2 = dynamic_cast<TWidget*>(board_.Components()[2]);
    ASSERT_TRUE(w1 && inner && w2);
    EXPECT_EQ(w1->Name(), L"Widget1");
    EXPECT_EQ(inner->Name(), L"Inner");
    EXPECT_EQ(w1->parent, &board_);
    EXPECT_EQ(inner->parent, w1); // placed in the object it is written in
    EXPECT_EQ(w1->Size(), 59);
    EXPECT_FALSE(w1->Visible());
    EXPECT_EQ(GetEnumProp(w1, L"Shape"), L"stRoundRect");
    EXPECT_EQ(w1->Edges(), 0b0101u);
    EXPECT_EQ(w1->Caption(), L"粘  贴");
    EXPECT_EQ(w1->Pen()->Width(), 2);
    EXPECT_EQ(w1->picture, (std::vector<std::uint8_t>{1, 2, 0xFF}));
    EXPECT_EQ(inner->Buddy(), w1);
    EXPECT_EQ(inner->Items()->Lines(), (std::vector<std::wstring>{L"Tab键", L"回车键"}));
    EXPECT_EQ(w2->Color(), 0xFF00FF);
    ASSERT_TRUE(w1->OnClick);
    w1->OnClick(w1);
    EXPECT_EQ(clicked_by_, w1);
    // Loaded ran once on every component, after everything was read, with the loading state
    // still set, and cleared it.
    for (TWidget* w : {static_cast<TWidget*>(&board_), w1, inner, w2}) {
        EXPECT_EQ(w->loaded_calls, 1) << testing::PrintToString(w->Name());
        EXPECT_TRUE(w->loading_seen_in_loaded);
        EXPECT_EQ(w->ComponentState() & csLoading, 0u);
    }
}

TEST_F(UiFormBinding, ACollectionsStoredItemsReplaceWhatItHeld) {
    board_.Bands()->Add().SetCaption(L"left over");
    ReadDescription(&board_, R"(object Board1: TBoard
  Bands = <
    item
      Caption = 'Name'
      Width = 120
    end
    item
      Caption = 'Size'
    end>
end
)");
    ASSERT_EQ(board_.Bands()->Count(), 2);
    EXPECT_EQ((*board_.Bands())[0].Caption(), L"Name");
    EXPECT_EQ((*board_.Bands())[0].Width(), 120);
    EXPECT_EQ((*board_.Bands())[1].Caption(), L"Size");
    EXPECT_EQ((*board_.Bands())[1].Width(), 50) << "a property the item does not store";
    // The owner heard of the edits of an item too, not only of items coming and going.
    const int before = board_.band_changes;
    (*board_.Bands())[1].SetWidth(70);
    EXPECT_EQ(board_.band_changes, before + 1);
    EXPECT_THROW((*board_.Bands())[2], std::out_of_range);
}

TEST_F(UiFormBinding, MalformedDescriptionsFailWithLineAndReason) {
    struct Case {
        const char* text;
        const char* message;
    };
    const Case table[] = {
        {"object B: TWidget\nend\n", "line 1: expected an object of class TBoard, found TWidget"},
        {"object B: TBoard\n  Colour = 1\nend\n",
         "line 2: property Colour: no such property in TBoard"},
        {"object B: TBoard\n  Size = 'big'\nend\n", "line 2: property Size: expected an integer"},
        {"object B: TBoard\n  Size = -1\nend\n", "line 2: property Size: negative size"},
        {"object B: TBoard\n  Size = 4294967296\nend\n",
         "line 2: property Size: value out of range"},
        {"object B: TBoard\n  Shape = stOval\nend\n",
         "line 2: property Shape: invalid value stOval"},
        {"object B: TBoard\n  Edges = [beLeft, beUp]\nend\n",
         "line 2: property Edges: invalid set member beUp"},
        {"object B: TBoard\n  Caption = 12\nend\n", "line 2: property Caption: expected a string"},
        {"object B: TBoard\n  OnClick = Missing\nend\n",
         "line 2: property OnClick: handler Missing not found"},
        {"object B: TBoard\n  OnClick = NotAnEvent\nend\n",
         "line 2: property OnClick: handler NotAnEvent does not fit the event"},
        {"object B: TBoard\n  Buddy = Nobody\nend\n",
         "line 2: property Buddy: component Nobody not found"},
        {"object B: TBoard\n  Items.Strings = ('a' 1)\nend\n",
         "line 2: property Items.Strings: expected a list of strings"},
        {"object B: TBoard\n  Icon.Data = {00}\nend\n",
         "line 2: property Icon.Data: no binary data of this name in TBoard"},
        {"object B: TBoard\n  Picture = {}\nend\n", "line 2: property Picture: empty picture"},
        {"object B: TBoard\n  Pen = <item end>\nend\n", "line 2: property Pen: not a collection"},
        {"object B: TBoard\n  Bands = <\n    item\n      Colour = 1\n    end>\nend\n",
         "line 4: property Colour: no such property in TBand"},
        {"object B: TBoard\n\n  object X: TGadget\n  end\nend\n",
         "line 3: class TGadget not found"},
        {"object B: TBoard\n  object X: TWidget\n  end\n  object X: TWidget\n  end\nend\n",
         "line 4: a component named X already exists"},
        {"object B: TBoard\n  Size = 1\n",
         "line 3: expected 'end' of 'B' (line 1), found end of text"},
    };
    for (const auto& c : table) {
        TBoard board(nullptr);
        board.RegisterMethod(L"NotAnEvent", 42);
        try {
            ReadDescription(&board, c.text);
            ADD_FAILURE() << "accepted: " << c.text;
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), c.message) << c.text;
        }
    }
}

} // namespace
