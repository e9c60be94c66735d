#include "vcl/FormText.h"

#include "vcl/Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using vcl::ParseFormText;
using vcl::TFormObject;
using vcl::TFormValue;
using vcl::TFormValueKind;

// Wraps one property in an object so a single value can be read back.
TFormValue ParseValue(const std::string& valueText) {
    const TFormObject obj = ParseFormText("object A: TA\n  P = " + valueText + "\nend\n");
    EXPECT_EQ(obj.Properties.size(), 1u);
    if (obj.Properties.empty())
        return {};
    return obj.Properties.front().second;
}

struct ValueCase {
    const char* Name;
    const char* Text;
    TFormValue Expected;
    friend void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.Name; }
};

class FormValueTest : public testing::TestWithParam<ValueCase> {};

TEST_P(FormValueTest, ParsesToExpectedValue) {
    EXPECT_EQ(ParseValue(GetParam().Text), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Values, FormValueTest,
    testing::Values(
        ValueCase{"Decimal", "200", TFormValue::Integer(200)},
        ValueCase{"Negative", "-11", TFormValue::Integer(-11)},
        ValueCase{"Zero", "0", TFormValue::Integer(0)},
        ValueCase{"Hex", "$7FFF", TFormValue::Integer(0x7FFF)},
        ValueCase{"HexLowerCase", "$ff00", TFormValue::Integer(0xFF00)},
        ValueCase{"NegativeHex", "-$10", TFormValue::Integer(-16)},
        ValueCase{"HexKeepsBitPattern", "$FFFFFFFFFFFFFFFF", TFormValue::Integer(-1)},
        ValueCase{"Int64Max", "9223372036854775807", TFormValue::Integer(INT64_MAX)},
        ValueCase{"Int64Min", "-9223372036854775808", TFormValue::Integer(INT64_MIN)},
        ValueCase{"PlainString", "'Installiere'", TFormValue::String("Installiere")},
        ValueCase{"EmptyString", "''", TFormValue::String("")},
        ValueCase{"DoubledQuote", "'it''s'", TFormValue::String("it's")},
        ValueCase{"OnlyQuote", "''''", TFormValue::String("'")},
        ValueCase{"CharCodes", "'abc'#13#10'def'", TFormValue::String("abc\r\ndef")},
        ValueCase{"CharCodeAlone", "#214", TFormValue::String("\xD6")},
        ValueCase{"CharCodeZero", "'a'#0'b'", TFormValue::String(std::string("a\0b", 3))},
        ValueCase{"CharCodeLeadingZeros", "#0065", TFormValue::String("A")},
        ValueCase{"HighBytesKept", "'lauff\xE4hig \x80'", TFormValue::String("lauff\xE4hig \x80")},
        ValueCase{"PlusAcrossLines", "'Dieses Programm ' +\n    'installiert ' + #214 + 'rdner'",
                  TFormValue::String("Dieses Programm installiert \xD6rdner")},
        ValueCase{"PlusAcrossCrLf", "'a' +\r\n  'b'", TFormValue::String("ab")},
        ValueCase{"Identifier", "clHighlight", TFormValue::Identifier("clHighlight")},
        ValueCase{"IdentifierCaseKept", "InstallBtnClick",
                  TFormValue::Identifier("InstallBtnClick")},
        ValueCase{"BooleanIsIdentifier", "True", TFormValue::Identifier("True")},
        ValueCase{"DottedIdentifier", "Form1.Button1", TFormValue::Identifier("Form1.Button1")},
        ValueCase{"Set", "[biSystemMenu, biMinimize]",
                  TFormValue::Set({"biSystemMenu", "biMinimize"})},
        ValueCase{"SetOne", "[fsBold]", TFormValue::Set({"fsBold"})},
        ValueCase{"EmptySet", "[]", TFormValue::Set({})},
        ValueCase{"SetAcrossLines", "[\n  akLeft,\n  akTop]", TFormValue::Set({"akLeft", "akTop"})},
        ValueCase{"Binary", "{\n    00010aFF\n    7e}",
                  TFormValue::Binary({0x00, 0x01, 0x0A, 0xFF, 0x7E})},
        ValueCase{"BinaryDigitPairSplitByLine", "{0\n1}", TFormValue::Binary({0x01})},
        ValueCase{"EmptyBinary", "{}", TFormValue::Binary({})}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.Name); });

TEST(FormValue, AccessorsReturnTheirKindAndRefuseOthers) {
    const TFormValue number = TFormValue::Integer(5);
    const TFormValue text = TFormValue::String("clRed");
    const TFormValue ident = TFormValue::Identifier("clRed");
    EXPECT_EQ(number.AsInteger(), 5);
    EXPECT_EQ(text.AsString(), "clRed");
    EXPECT_EQ(ident.AsIdentifier(), "clRed");
    EXPECT_EQ(text.Kind(), TFormValueKind::String);
    EXPECT_EQ(ident.Kind(), TFormValueKind::Identifier);
    // Same bytes, different kinds: a string is never an identifier.
    EXPECT_NE(text, ident);

    try {
        (void)ident.AsString();
        FAIL() << "an identifier was read as a string";
    } catch (const Exception& e) {
        EXPECT_NE(std::string(e.what()).find("identifier"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("string"), std::string::npos) << e.what();
    }
    EXPECT_THROW((void)text.AsInteger(), Exception);
    EXPECT_THROW((void)number.AsSet(), Exception);
    EXPECT_THROW((void)number.AsBinary(), Exception);
    EXPECT_THROW((void)TFormValue::Set({}).AsIdentifier(), Exception);
}

constexpr const char* kNestedForm = "object Form1: TForm1\r\n"
                                    "  Left = 200\r\n"
                                    "  BorderStyle = bsSingle\r\n"
                                    "  Caption = 'Installiere neue Programmdateien'\r\n"
                                    "  Font.Color = clBlack\r\n"
                                    "  Font.Height = -11\r\n"
                                    "  Icon.Data = {\r\n"
                                    "    00000100\r\n"
                                    "    0100}\r\n"
                                    "  OnClick = InstallBtnClick\r\n"
                                    "  object ContentPanel: TPanel\r\n"
                                    "    Left = 0\r\n"
                                    "    OBJECT Status: TLabel\r\n"
                                    "      WordWrap = True\r\n"
                                    "    End\r\n"
                                    "    object Empty: TPanel\r\n"
                                    "    end\r\n"
                                    "  end\r\n"
                                    "  object InstallBtn: TButton\r\n"
                                    "    Caption = '&Install'\r\n"
                                    "  end\r\n"
                                    "end\r\n";

TEST(FormText, NestedTreeKeepsOrderNamesAndLines) {
    const TFormObject form = ParseFormText(kNestedForm);
    EXPECT_EQ(form.Name, "Form1");
    EXPECT_EQ(form.ClassName, "TForm1");
    EXPECT_EQ(form.Line, 1);

    std::vector<std::string> names;
    for (const auto& [name, value] : form.Properties)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"Left", "BorderStyle", "Caption", "Font.Color",
                                               "Font.Height", "Icon.Data", "OnClick"}));
    EXPECT_EQ(form.Properties[4].second.AsInteger(), -11);
    EXPECT_EQ(form.Properties[5].second.AsBinary(), (TFormValue::TBytes{0, 0, 1, 0, 1, 0}));

    ASSERT_EQ(form.Children.size(), 2u);
    const TFormObject& panel = form.Children[0];
    EXPECT_EQ(panel.Name, "ContentPanel");
    EXPECT_EQ(panel.ClassName, "TPanel");
    EXPECT_EQ(panel.Line, 11);
    ASSERT_EQ(panel.Children.size(), 2u);
    EXPECT_EQ(panel.Children[0].Name, "Status");
    EXPECT_EQ(panel.Children[0].Line, 13);
    ASSERT_EQ(panel.Children[0].Properties.size(), 1u);
    EXPECT_EQ(panel.Children[0].Properties[0].first, "WordWrap");
    EXPECT_EQ(panel.Children[1].Name, "Empty");
    EXPECT_TRUE(panel.Children[1].Properties.empty());
    EXPECT_TRUE(panel.Children[1].Children.empty());
    EXPECT_EQ(form.Children[1].Name, "InstallBtn");
    EXPECT_EQ(form.Children[1].Line, 19);
}

TEST(FormText, FindPropertyIgnoresCaseAndReportsAbsence) {
    const TFormObject form = ParseFormText(kNestedForm);
    const TFormValue* style = form.FindProperty("borderstyle");
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->AsIdentifier(), "bsSingle");
    ASSERT_NE(form.FindProperty("FONT.HEIGHT"), nullptr);
    EXPECT_EQ(form.FindProperty("Font"), nullptr);
    EXPECT_EQ(form.FindProperty("Width"), nullptr);
}

TEST(FormText, DuplicatePropertiesAreKeptInOrder) {
    const TFormObject obj = ParseFormText("object A: TA\n  Tag = 1\n  Tag = 2\nend");
    ASSERT_EQ(obj.Properties.size(), 2u);
    EXPECT_EQ(obj.Properties[1].second.AsInteger(), 2);
}

struct BadCase {
    const char* Name;
    const char* Text;
    int Line;           // the line the message must name
    const char* Phrase; // a word the message must contain
    friend void PrintTo(const BadCase& c, std::ostream* os) { *os << c.Name; }
};

class FormTextErrorTest : public testing::TestWithParam<BadCase> {};

TEST_P(FormTextErrorTest, ThrowsNamingTheLine) {
    const BadCase& c = GetParam();
    try {
        (void)ParseFormText(c.Text);
        FAIL() << "accepted malformed input";
    } catch (const Exception& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("line " + std::to_string(c.Line) + ":"), std::string::npos)
            << message;
        EXPECT_NE(message.find(c.Phrase), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, FormTextErrorTest,
    testing::Values(
        BadCase{"Empty", "", 1, "no object"}, BadCase{"BlankLines", "\n\n  \n", 4, "no object"},
        BadCase{"MissingEnd", "object A: TA\n  Left = 1\n", 3, "missing 'end'"},
        BadCase{"MissingInnerEnd", "object A: TA\n  object B: TB\n  Left = 1\nend\n", 5,
                "missing 'end'"},
        BadCase{"TrailingGarbage", "object A: TA\nend\nLeft = 1\n", 3, "after the final"},
        BadCase{"SecondRootObject", "object A: TA\nend\nobject B: TB\nend\n", 3, "after the final"},
        BadCase{"NoObjectKeyword", "form A: TA\nend\n", 1, "expected 'object'"},
        BadCase{"ObjectWithoutName", "object : TA\nend\n", 1, "object name"},
        BadCase{"ObjectWithoutClass", "object A\n  Left = 1\nend\n", 1, "':'"},
        BadCase{"ObjectClassMissingAfterColon", "object A:\n  = 1\nend\n", 1, "class name"},
        BadCase{"ObjectAnonymousClassOnly", "object TA\nend\n", 1, "':'"},
        BadCase{"Inherited", "inherited A: TA\nend\n", 1, "inherited"},
        BadCase{"InlineChild", "object A: TA\n  inline B: TB\n  end\nend\n", 2, "inline"},
        BadCase{"MissingEquals", "object A: TA\n  Left 1\nend\n", 2, "'='"},
        BadCase{"MissingValue", "object A: TA\n  Left =\nend\n", 3, "no value"},
        BadCase{"MissingValueAtEof", "object A: TA\n  Left =", 2, "no value"},
        BadCase{"TwoValues", "object A: TA\n  Left = 1 2\nend\n", 2, "property name"},
        BadCase{"PropertyAfterChild", "object A: TA\n  object B: TB\n  end\n  Left = 1\nend\n", 4,
                "follows a child"},
        BadCase{"UnterminatedString", "object A: TA\n  Caption = 'abc\n  Left = 1\nend\n", 2,
                "unterminated"},
        BadCase{"UnterminatedStringAtEof", "object A: TA\n  Caption = 'abc", 2, "unterminated"},
        BadCase{"StringSpaceString", "object A: TA\n  Caption = 'a' 'b'\nend\n", 2,
                "property name"},
        BadCase{"PlusWithoutString", "object A: TA\n  Caption = 'a' +\n  Left = 1\nend\n", 3,
                "string after '+'"},
        BadCase{"PlusInteger", "object A: TA\n  Caption = 'a' + 1\nend\n", 2, "string after"},
        BadCase{"CharCodeTooLarge", "object A: TA\n  Caption = #256\nend\n", 2, "255"},
        BadCase{"CharCodeWithoutDigits", "object A: TA\n  Caption = 'a'#\nend\n", 2, "'#'"},
        BadCase{"TextGluedToString", "object A: TA\n  Caption = 'a'b\nend\n", 2, "after string"},
        BadCase{"Float", "object A: TA\n  Scale = 1.5\nend\n", 2, "floating-point"},
        BadCase{"FloatExponent", "object A: TA\n  Scale = 2E3\nend\n", 2, "floating-point"},
        BadCase{"NumberWithLetters", "object A: TA\n  Left = 12px\nend\n", 2, "malformed"},
        BadCase{"DecimalOverflow", "object A: TA\n  Left = 9223372036854775808\nend\n", 2,
                "out of range"},
        BadCase{"HexTooLong", "object A: TA\n  Left = $10000000000000000\nend\n", 2, "too long"},
        BadCase{"DollarAlone", "object A: TA\n  Left = $\nend\n", 2, "'$'"},
        BadCase{"DotAtNameEnd", "object A: TA\n  Font. = 1\nend\n", 2, "after the dot"},
        BadCase{"DottedObjectName", "object A.B: TA\nend\n", 1, "object name"},
        BadCase{"BadCharacter", "object A: TA\n  Left = 1\n  ! = 2\nend\n", 3, "'!'"},
        BadCase{"HighByteOutsideQuotes", "object A: TA\n  Caption = \xD6\nend\n", 2, "#214"},
        BadCase{"SetUnclosed", "object A: TA\n  Style = [fsBold,\n", 2, "']'"},
        BadCase{"SetMissingComma", "object A: TA\n  Style = [fsBold fsItalic]\nend\n", 2,
                "',' or ']'"},
        BadCase{"SetWithInteger", "object A: TA\n  Style = [1]\nend\n", 2, "identifiers"},
        BadCase{"SetTrailingComma", "object A: TA\n  Style = [fsBold,]\nend\n", 2, "identifiers"},
        BadCase{"BinaryOddDigits", "object A: TA\n  Data = {\n    ABC}\nend\n", 3, "odd"},
        BadCase{"BinaryNonHex", "object A: TA\n  Data = {\n    00\n    0G}\nend\n", 4,
                "non-hexadecimal"},
        BadCase{"BinaryUnclosed", "object A: TA\n  Data = {\n    0000\n", 2, "closing '}'"},
        BadCase{"ValueList", "object A: TA\n  Lines.Strings = (\n    'a')\nend\n", 2, "lists"},
        BadCase{"Collection", "object A: TA\n  Items = <>\nend\n", 2, "collections"},
        BadCase{"StrayClosingBracket", "object A: TA\n  Left = ]\nend\n", 2, "']'"}),
    [](const testing::TestParamInfo<BadCase>& info) { return std::string(info.param.Name); });

} // namespace
