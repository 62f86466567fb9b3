// The form description reader: a realistic main window with every kind of value, line numbers,
// and the messages malformed descriptions fail with.
#include "ui/form_text_parser.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace form_text;

// Wide text as UTF-8 for readable expectations; control characters and unpaired surrogates
// are spelled out.
std::string Utf8(const std::u16string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        } else if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF)) {
            std::ostringstream code;
            code << "\\u" << std::hex << std::uppercase << static_cast<unsigned>(c);
            out += code.str();
            continue;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | c >> 6);
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | c >> 12);
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | c >> 18);
            out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
            out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string Dump(const Value& value);

std::string Dump(const std::vector<Property>& properties, const std::string& indent) {
    std::string out;
    for (const Property& p : properties)
        out += indent + p.name + " = " + Dump(p.value) + "\n";
    return out;
}

// A compact rendering of a value with its kind visible: 5, 0.75, id, "text", (a b), [a, b],
// {0A1B}, <item ... end>.
std::string Dump(const Value& value) {
    std::ostringstream out;
    if (auto i = std::get_if<std::int64_t>(&value.data)) {
        out << *i;
    } else if (auto d = std::get_if<double>(&value.data)) {
        out << "float " << *d;
    } else if (auto id = std::get_if<Identifier>(&value.data)) {
        out << id->name;
    } else if (auto s = std::get_if<std::u16string>(&value.data)) {
        out << '"' << Utf8(*s) << '"';
    } else if (auto list = std::get_if<List>(&value.data)) {
        out << '(';
        for (std::size_t k = 0; k < list->items.size(); ++k)
            out << (k ? " " : "") << Dump(list->items[k]);
        out << ')';
    } else if (auto set = std::get_if<Set>(&value.data)) {
        out << '[';
        for (std::size_t k = 0; k < set->members.size(); ++k)
            out << (k ? ", " : "") << set->members[k];
        out << ']';
    } else if (auto bin = std::get_if<Binary>(&value.data)) {
        out << '{' << std::hex << std::uppercase;
        for (std::uint8_t b : bin->bytes)
            out << (b >> 4) << (b & 15);
        out << '}';
    } else if (auto coll = std::get_if<Collection>(&value.data)) {
        out << '<';
        for (const CollectionItem& item : coll->items) {
            out << "item";
            for (const Property& p : item.properties)
                out << ' ' << p.name << '=' << Dump(p.value);
            out << " end ";
        }
        out << '>';
    }
    return out.str();
}

std::string Dump(const Object& object, const std::string& indent = "") {
    static const char* const headers[] = {"object", "inherited", "inline"};
    std::string out = indent + headers[static_cast<int>(object.header)] + " " + object.name + ": " +
                      object.class_name + "\n";
    out += Dump(object.properties, indent + "  ");
    for (const Object& child : object.children)
        out += Dump(child, indent + "  ");
    return out + indent + "end\n";
}

// The main window much as it is stored, captions both as UTF-8 and as character codes, plus an
// inline frame with the kinds the main window does not use.
constexpr std::string_view kMainWindow = R"form(object Form1: TForm1
  Left = 808
  Top = 265
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = 'Pellico'#21098#36148#26495
  ClientHeight = 354
  ClientWidth = 263
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -16
  Font.Name = #23435#20307
  Font.Style = []
  FormStyle = fsStayOnTop
  Position = poDesigned
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 16
  object Label1: TLabel
    Left = 1
    Top = 333
    Cursor = crHandPoint
    Caption = 'Korvane软件工作室 出品'
    Font.Color = clFuchsia
    Font.Height = -14
    Font.Name = '宋体'
    ParentFont = False
    OnClick = Label1Click
  end
  object Label2: TLabel
    Caption = '下载更多免费软件'
    Font.Color = clBlue
    Font.Style = [fsUnderline]
    OnClick = Label2Click
  end
  object Memo1: TMemo
    ScrollBars = ssBoth
    TabOrder = 3
    Visible = False
  end
  object Button1: TButton
    Caption = '粘  贴'
    TabOrder = 0
    OnClick = Button1Click
  end
  object ComboBox1: TComboBox
    ItemHeight = 16
    ItemIndex = 0
    Text = 'Tab'#38190
    Items.Strings = (
      'Tab键'
      #22238#36710#38190
      '空格键')
  end
  object Timer1: TTimer
    Interval = 100
    OnTimer = Timer1Timer
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar,
      xcSystemMenu]
    Options = [xoPreview, xoToolbarBK]
    Skin3rd.Strings = (
      'TCategoryButtons=scrollbar'
      'TPngBitBtn=pngbitbtn')
    SkinStore = '(Good)'
    SkinFormtype = sfMainform
    Version = '5.40.07.15'
    SkinStream = {
      0800000001020304
      05060708}
  end
  object RxTrayIcon1: TRxTrayIcon
    Hint = #22810#27425#22797#21046#21098#36148#26495
    Icon.Data = {0000010001001010 00000000}
    OnClick = RxTrayIcon1Click
  end
  inline Frame1: TFrame1
    Color = $00FF00FF
    Tag = -$10
    Opacity = 0.75
    Scale = -1.5E+2
    Hint = 'It''s ' +
      'joined'#13#10'over lines'#$41#$1F600
    Values = (1 $FF Ident 'text' [a] {AB} (nested 'list'))
    Target = Form2.Button1
    Panels = <
      item
        Width = 50
      end
      item
        Text = '状态'
        Style = psOwnerDraw
      end>
    Columns = <>
    Empty = ''
    inherited Inner: TPanel
    end
  end
end
)form";

TEST(FormTextParser, ReadsTheMainWindowWithEveryKindOfValue) {
    EXPECT_EQ(Dump(Parse(kMainWindow)), R"dump(object Form1: TForm1
  Left = 808
  Top = 265
  BorderIcons = [biSystemMenu]
  BorderStyle = bsDialog
  Caption = "Pellico剪贴板"
  ClientHeight = 354
  ClientWidth = 263
  Color = clBtnFace
  Font.Charset = DEFAULT_CHARSET
  Font.Color = clWindowText
  Font.Height = -16
  Font.Name = "宋体"
  Font.Style = []
  FormStyle = fsStayOnTop
  Position = poDesigned
  OnClose = FormClose
  OnCreate = FormCreate
  PixelsPerInch = 96
  TextHeight = 16
  object Label1: TLabel
    Left = 1
    Top = 333
    Cursor = crHandPoint
    Caption = "Korvane软件工作室 出品"
    Font.Color = clFuchsia
    Font.Height = -14
    Font.Name = "宋体"
    ParentFont = False
    OnClick = Label1Click
  end
  object Label2: TLabel
    Caption = "下载更多免费软件"
    Font.Color = clBlue
    Font.Style = [fsUnderline]
    OnClick = Label2Click
  end
  object Memo1: TMemo
    ScrollBars = ssBoth
    TabOrder = 3
    Visible = False
  end
  object Button1: TButton
    Caption = "粘  贴"
    TabOrder = 0
    OnClick = Button1Click
  end
  object ComboBox1: TComboBox
    ItemHeight = 16
    ItemIndex = 0
    Text = "Tab键"
    Items.Strings = ("Tab键" "回车键" "空格键")
  end
  object Timer1: TTimer
    Interval = 100
    OnTimer = Timer1Timer
  end
  object SkinData1: TSkinData
    Active = True
    DisableTag = 99
    SkinControls = [xcMainMenu, xcPopupMenu, xcToolbar, xcSystemMenu]
    Options = [xoPreview, xoToolbarBK]
    Skin3rd.Strings = ("TCategoryButtons=scrollbar" "TPngBitBtn=pngbitbtn")
    SkinStore = "(Good)"
    SkinFormtype = sfMainform
    Version = "5.40.07.15"
    SkinStream = {080000000102030405060708}
  end
  object RxTrayIcon1: TRxTrayIcon
    Hint = "多次复制剪贴板"
    Icon.Data = {000001000100101000000000}
    OnClick = RxTrayIcon1Click
  end
  inline Frame1: TFrame1
    Color = 16711935
    Tag = -16
    Opacity = float 0.75
    Scale = float -150
    Hint = "It's joined\uD\uAover linesA😀"
    Values = (1 255 Ident "text" [a] {AB} (nested "list"))
    Target = Form2.Button1
    Panels = <item Width=50 end item Text="状态" Style=psOwnerDraw end >
    Columns = <>
    Empty = ""
    inherited Inner: TPanel
    end
  end
end
)dump");
}

// Lines count from 1 whatever ends them (\n, \r\n, a lone \r), and multi-line values move the
// count on for what follows them.
TEST(FormTextParser, RecordsTheLineOfEveryObjectAndProperty) {
    const Object form = Parse("object A: TA\r\n"
                              "  B = {00\r\n"
                              "    11}\r"
                              "  C = 'x' +\n"
                              "    'y'\n"
                              "  D = (\n"
                              "    1)\n"
                              "  object E: TE\n"
                              "    F = <\n"
                              "      item\n"
                              "      end>\n"
                              "  end\n"
                              "end");
    EXPECT_EQ(form.line, 1u);
    ASSERT_EQ(form.properties.size(), 3u);
    EXPECT_EQ(form.properties[0].line, 2u);
    EXPECT_EQ(form.properties[1].line, 4u);
    EXPECT_EQ(form.properties[2].line, 6u);
    ASSERT_EQ(form.children.size(), 1u);
    EXPECT_EQ(form.children[0].line, 8u);
    EXPECT_EQ(form.children[0].properties.at(0).line, 9u);
    EXPECT_EQ(std::get<Collection>(form.children[0].properties.at(0).value.data).items.at(0).line,
              10u);
}

TEST(FormTextParser, KeywordsIgnoreCaseAndAByteOrderMarkIsSkipped) {
    const Object form = Parse("\xEF\xBB\xBFOBJECT A: TA\n Object B: TB END\nEnd");
    EXPECT_EQ(Dump(form), "object A: TA\n  object B: TB\n  end\nend\n");
}

std::string Nested(std::size_t depth, const std::string& open, const std::string& close) {
    std::string text;
    for (std::size_t k = 0; k < depth; ++k)
        text += open;
    for (std::size_t k = 0; k < depth; ++k)
        text += close;
    return text;
}

TEST(FormTextParser, AcceptsNestingUpToTheLimit) {
    EXPECT_NO_THROW(Parse(Nested(kMaxNesting, "object A: TA\n", "end\n")));
    EXPECT_NO_THROW(Parse("object A: TA\n X = " + Nested(kMaxNesting - 1, "(", ")") + "\nend"));
}

struct Malformed {
    std::string name;
    std::string text;
    std::string message;
};

void PrintTo(const Malformed& malformed, std::ostream* out) {
    *out << malformed.name;
}

class FormTextMalformed : public testing::TestWithParam<Malformed> {};

TEST_P(FormTextMalformed, FailsWithLineAndWhatWasExpected) {
    try {
        Parse(GetParam().text);
        FAIL() << "no error";
    } catch (const ParseError& error) {
        EXPECT_EQ(error.what(), GetParam().message);
    }
}

const std::string kDeepObjects = Nested(kMaxNesting + 1, "object A: TA\n", "end\n");
const std::string kDeepLists = "object A: TA\n X = " + Nested(kMaxNesting, "(", ")") + "\nend";

INSTANTIATE_TEST_SUITE_P(
    Table, FormTextMalformed,
    testing::Values(
        Malformed{"Empty", "", "line 1: expected 'object', found end of text"},
        Malformed{"NotAnObject", "\n\nForm1 = 1", "line 3: expected 'object', found 'Form1'"},
        Malformed{"UnterminatedString", "object A: TA\n Caption = 'abc\n end",
                  "line 2: unterminated string"},
        Malformed{"UnterminatedAtEnd", "object A: TA\n Caption = 'it''",
                  "line 2: unterminated string"},
        Malformed{"UnterminatedBinary", "object A: TA\n Data = {\n 0A1B\n",
                  "line 2: unterminated binary data: expected '}'"},
        Malformed{"BadHexDigit", "object A: TA\n Data = {\n 0A1G}\nend",
                  "line 3: bad hex digit 'G' in binary data"},
        Malformed{"BadByteInBinary", "object A: TA\n Data = {0A\x01}\nend",
                  "line 2: bad hex digit byte 0x01 in binary data"},
        Malformed{"OddHexDigits", "object A: TA\n Data = {\n 0A1\n }\nend",
                  "line 2: odd number of hex digits in binary data"},
        Malformed{"MissingEnd", "object A: TA\n Left = 1\n object B: TB\n end\n",
                  "line 5: expected 'end' of 'A' (line 1), found end of text"},
        Malformed{"MissingInnerEnd", "object A: TA\n object B: TB\n  Left = 1\n",
                  "line 4: expected 'end' of 'B' (line 2), found end of text"},
        Malformed{"MissingEquals", "object A: TA\n Left 10\nend",
                  "line 2: expected '=' after 'Left', found a number"},
        Malformed{"MissingEqualsDotted", "object A: TA\n Font.Height : 10\nend",
                  "line 2: expected '=' after 'Font.Height', found ':'"},
        Malformed{"DanglingDot", "object A: TA\n Font. = 1\nend",
                  "line 2: expected a name after '.', found '='"},
        Malformed{"MissingValue", "object A: TA\n Left =\nend",
                  "line 3: expected a value, found 'end'"},
        Malformed{"UnexpectedToken", "object A: TA\n Left = )\nend",
                  "line 2: expected a value, found ')'"},
        Malformed{"UnexpectedInBody", "object A: TA\n (\nend",
                  "line 2: expected a property, 'object' or 'end', found '('"},
        Malformed{"UnexpectedCharacter", "object A: TA\n Left = 1;\nend",
                  "line 2: unexpected character ';'"},
        Malformed{"NonAsciiName", "object A: TA\n 标题 = 1\nend",
                  "line 2: unexpected character byte 0xE6"},
        Malformed{"NoClass", "object Form1\n Left = 1\nend",
                  "line 1: expected ':' and a class name after 'Form1' in the object header"},
        Malformed{"NoClassAfterColon", "object Form1:\n Left = 1\nend",
                  "line 1: expected a class name after ':' in the object header"},
        Malformed{"NoName", "object\n Left = 1\nend",
                  "line 1: expected a name in the object header"},
        Malformed{"TrailingGarbage", "object A: TA\nend\nend",
                  "line 3: expected end of text after the last 'end', found 'end'"},
        Malformed{"TrailingObject", "object A: TA\nend\n\nobject B: TB\nend",
                  "line 4: expected end of text after the last 'end', found 'object'"},
        Malformed{"DeepObjects", kDeepObjects, "line 65: nesting deeper than 64 levels"},
        Malformed{"DeepLists", kDeepLists, "line 2: nesting deeper than 64 levels"},
        Malformed{"UnclosedList", "object A: TA\n Items = (\n 'a'\n",
                  "line 4: expected ')', found end of text"},
        Malformed{"SetOfStrings", "object A: TA\n Style = ['a']\nend",
                  "line 2: expected a set member, found a string"},
        Malformed{"SetWithoutComma", "object A: TA\n Style = [a b]\nend",
                  "line 2: expected ',' or ']', found 'b'"},
        Malformed{"SetTrailingComma", "object A: TA\n Style = [a,]\nend",
                  "line 2: expected a set member, found ']'"},
        Malformed{"PlusWithoutString", "object A: TA\n Caption = 'a' +\n 5\nend",
                  "line 3: expected a string after '+', found a number"},
        Malformed{"CollectionWithoutItem", "object A: TA\n Panels = <\n Width = 5>\nend",
                  "line 3: expected 'item' or '>', found 'Width'"},
        Malformed{"UnclosedItem", "object A: TA\n Panels = <\n item\n Width = 5\n",
                  "line 5: expected a property or 'end' of item, found end of text"},
        Malformed{"CharacterCodeMissing", "object A: TA\n Caption = 'a'#\nend",
                  "line 2: expected a character code after '#'"},
        Malformed{"CharacterCodeTooLarge", "object A: TA\n Caption = #1114112\nend",
                  "line 2: character code out of range"},
        Malformed{"CharacterCodeHuge", "object A: TA\n Caption = #$FFFFFFFFFFFFFFFFFFFF\nend",
                  "line 2: character code out of range"},
        Malformed{"InvalidUtf8", "object A: TA\n Caption = '\xC0\xAF'\nend",
                  "line 2: invalid UTF-8 in string"},
        Malformed{"TruncatedUtf8", "object A: TA\n Caption = '\xE5\x89'\nend",
                  "line 2: invalid UTF-8 in string"},
        Malformed{"Utf8Surrogate", "object A: TA\n Caption = '\xED\xA0\x80'\nend",
                  "line 2: invalid UTF-8 in string"},
        Malformed{"IntegerTooLarge", "object A: TA\n Tag = 9223372036854775808\nend",
                  "line 2: number out of range"},
        Malformed{"HexTooLarge", "object A: TA\n Tag = $10000000000000000\nend",
                  "line 2: number out of range"},
        Malformed{"BadHexNumber", "object A: TA\n Color = $FG\nend",
                  "line 2: malformed hexadecimal number"},
        Malformed{"LettersAfterNumber", "object A: TA\n Left = 12px\nend",
                  "line 2: malformed number"},
        Malformed{"BareExponent", "object A: TA\n Scale = 1e\nend", "line 2: malformed number"},
        Malformed{"NulByte", std::string("object A: TA\n\0", 14),
                  "line 2: unexpected character byte 0x00"}),
    [](const testing::TestParamInfo<Malformed>& info) { return info.param.name; });

TEST(FormTextParser, ExtremeNumbersStillFit) {
    const Object form = Parse("object A: TA\n"
                              " Min = -9223372036854775808\n"
                              " HexMin = -$8000000000000000\n"
                              " HexMax = $7FFFFFFFFFFFFFFF\n"
                              "end");
    EXPECT_EQ(std::get<std::int64_t>(form.properties.at(0).value.data), INT64_MIN);
    EXPECT_EQ(std::get<std::int64_t>(form.properties.at(1).value.data), INT64_MIN);
    EXPECT_EQ(std::get<std::int64_t>(form.properties.at(2).value.data), INT64_MAX);
}

} // namespace
