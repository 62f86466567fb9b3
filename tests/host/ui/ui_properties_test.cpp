// Properties by name: one table over every kind, paths through object properties, and the
// missing cases that must give -1, the empty text or no object.
#include "tests/host/ui/ui_fixture_components.h"
#include "ui/properties.h"

#include <gtest/gtest.h>

namespace {

using namespace ui;
using fixture::TWidget;

struct Write {
    const wchar_t* path;
    const wchar_t* text; // through SetPropValue
    bool accepted;
};

TEST(UiProperties, WriteByTextAcrossKinds) {
    const Write table[] = {
        {L"Size", L"42", true},
        {L"size", L"+7", true},  // names ignore case
        {L"Size", L"-3", false}, // the setter refuses it: a failed write, not an exception
        {L"Size", L"12abc", false},
        {L"Color", L"clBtnFace", true}, // integer with named constants
        {L"Color", L"CLRED", true},
        {L"Color", L"clNoSuchColour", false},
        {L"Visible", L"FALSE", true}, // boolean identifiers compared lower-cased
        {L"Visible", L"maybe", false},
        {L"Shape", L"stRoundRect", true},
        {L"Shape", L"stTriangle", false},
        {L"Edges", L"[beLeft, beBottom]", true},
        {L"Edges", L"[]", true},
        {L"Edges", L"[beMiddle]", false},
        {L"Caption", L"粘  贴", true},
        {L"Pen.Width", L"3", true}, // nested path
        {L"Pen.Colour", L"3", false},
        {L"NoSuchProp", L"1", false},
        {L"Pen", L"1", false},        // objects are not written from text
        {L"Size.Width", L"1", false}, // a path through a non-object
    };
    for (const auto& w : table) {
        TWidget widget(nullptr);
        EXPECT_EQ(SetPropValue(&widget, w.path, w.text), w.accepted)
            << testing::PrintToString(std::wstring(w.path) + L" = " + w.text);
    }
}

TEST(UiProperties, ReadBackAcrossKinds) {
    TWidget w(nullptr);
    ASSERT_TRUE(SetPropValue(&w, L"Size", L"42"));
    ASSERT_TRUE(SetPropValue(&w, L"Color", L"clBtnFace"));
    ASSERT_TRUE(SetPropValue(&w, L"Visible", L"false"));
    ASSERT_TRUE(SetPropValue(&w, L"Shape", L"STSQUARE"));
    ASSERT_TRUE(SetPropValue(&w, L"Edges", L"[beTop,beBottom]"));
    ASSERT_TRUE(SetStrProp(&w, L"Caption", L"全部粘贴"));
    ASSERT_TRUE(SetOrdProp(&w, L"Pen.Width", 5));

    EXPECT_EQ(GetOrdProp(&w, L"Size"), 42);
    EXPECT_EQ(GetOrdProp(&w, L"Color"), static_cast<std::int32_t>(0x8000000F)); // as skins store it
    EXPECT_EQ(GetOrdProp(&w, L"Visible"), 0);
    EXPECT_EQ(GetEnumProp(&w, L"Visible"), L"False");
    EXPECT_EQ(GetEnumProp(&w, L"Shape"), L"stSquare");
    EXPECT_EQ(GetOrdProp(&w, L"Shape"), 1);
    EXPECT_EQ(GetOrdProp(&w, L"Edges"), 0b1010);
    EXPECT_EQ(GetSetProp(&w, L"Edges"), L"[beTop,beBottom]");
    EXPECT_EQ(GetStrProp(&w, L"Caption"), L"全部粘贴");
    EXPECT_EQ(GetOrdProp(&w, L"Pen.Width"), 5);
    EXPECT_EQ(GetObjectProp(&w, L"Pen"), w.Pen());
    EXPECT_EQ(GetObjectProp<fixture::TPen>(&w, L"Pen"), w.Pen());
    EXPECT_EQ(GetObjectProp(&w, L"Pen", &fixture::TPen::StaticClass()), w.Pen());
    EXPECT_EQ(GetObjectProp(&w, L"Items", &TStringList::StaticClass()), w.Items());
}

TEST(UiProperties, MissingGivesMinusOneEmptyOrNothing) {
    TWidget w(nullptr);
    struct Missing {
        TPersistent* object;
        const wchar_t* path;
    };
    const Missing table[] = {
        {nullptr, L"Size"},          {&w, L"NoSuchProp"}, {&w, L"Pen.NoSuchProp"},
        {&w, L"NoSuchObject.Width"}, {&w, L""},           {&w, L"Pen."},
    };
    for (const auto& m : table) {
        const auto where = testing::PrintToString(std::wstring(m.path));
        EXPECT_EQ(GetOrdProp(m.object, m.path), -1) << where;
        EXPECT_EQ(GetEnumProp(m.object, m.path), L"") << where;
        EXPECT_EQ(GetStrProp(m.object, m.path), L"") << where;
        EXPECT_EQ(GetObjectProp(m.object, m.path), nullptr) << where;
        EXPECT_FALSE(SetOrdProp(m.object, m.path, 1)) << where;
        EXPECT_FALSE(SetStrProp(m.object, m.path, L"x")) << where;
    }
    // The wrong kind reads as missing too.
    EXPECT_EQ(GetOrdProp(&w, L"Caption"), -1);
    EXPECT_EQ(GetEnumProp(&w, L"Size"), L"");
    EXPECT_EQ(GetStrProp(&w, L"Size"), L"");
    EXPECT_EQ(GetObjectProp(&w, L"Size"), nullptr);
    // An object of another class is no object.
    EXPECT_EQ(GetObjectProp(&w, L"Pen", &TStringList::StaticClass()), nullptr);
    EXPECT_FALSE(SetOrdProp(&w, L"Shape", 3)); // out of the enumeration
}

TEST(UiProperties, ReferenceOfAnotherClassIsRefused) {
    TWidget w(nullptr), buddy(nullptr);
    fixture::TPen pen;
    EXPECT_TRUE(SetObjectProp(&w, L"Buddy", &buddy));
    EXPECT_EQ(w.Buddy(), &buddy);
    EXPECT_FALSE(SetObjectProp(&w, L"Buddy", &pen));
    EXPECT_EQ(w.Buddy(), &buddy);
    EXPECT_TRUE(SetObjectProp(&w, L"Buddy", nullptr));
    EXPECT_FALSE(SetObjectProp(&w, L"Pen", &pen)); // read-only object property
}

} // namespace
