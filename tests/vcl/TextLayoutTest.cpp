#include "vcl/TextLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

// Readable lines in failure messages; found by argument lookup, so it lives beside the type.
namespace vcl {
void PrintTo(const TTextLine& line, std::ostream* os) {
    *os << "{";
    for (const TTextRun& run : line.Runs)
        *os << " " << run.X << ":\"" << run.Text << "\"";
    *os << " }";
}
} // namespace vcl

namespace {

using vcl::LayoutText;
using vcl::TTextLayoutOptions;
using vcl::TTextLine;
using vcl::TTextRun;

// Every character cell 7 px wide, as the headless backend's bold font.
constexpr int kCharWidth = 7;
constexpr int kTabWidth = 8 * kCharWidth;
// The status label's width: 101 cells fit (707 px), 102 do not.
constexpr int kLabelWidth = 709;

int Measure(const AnsiString& s) {
    return static_cast<int>(s.size()) * kCharWidth;
}

// A line with a single run at the left edge.
TTextLine Plain(const char* text) {
    return TTextLine{{TTextRun{0, text}}};
}
const TTextLine kEmptyLine{};

struct LayoutCase {
    const char* Name;
    AnsiString Text;
    int Width;
    std::vector<TTextLine> Expected;
    bool ExpandTabs = true;
    bool WordWrap = true;
    friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.Name; }
};

class LayoutTextTest : public testing::TestWithParam<LayoutCase> {};

std::string CaseName(const testing::TestParamInfo<LayoutCase>& info) {
    return info.param.Name;
}

TEST_P(LayoutTextTest, BreaksIntoExpectedLinesAndRuns) {
    const LayoutCase& c = GetParam();
    TTextLayoutOptions options;
    options.Width = c.Width;
    options.TabWidth = kTabWidth;
    options.ExpandTabs = c.ExpandTabs;
    options.WordWrap = c.WordWrap;
    EXPECT_EQ(LayoutText(c.Text, options, Measure), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    StatusTexts, LayoutTextTest,
    testing::Values(
        LayoutCase{"EmptyTextHasNoLines", "", kLabelWidth, {}},
        LayoutCase{"HeadingAlone", "Meldung:\n\r", kLabelWidth, {Plain("Meldung:")}},
        LayoutCase{"MessageOfTwoLines",
                   "Meldung:\n\rInitialisiere...\n\rReserviere Speicher...",
                   kLabelWidth,
                   {Plain("Meldung:"), Plain("Initialisiere..."), Plain("Reserviere Speicher...")}},
        LayoutCase{"StepList",
                   "Meldung:\n\rSchritte der Installation:\n\r1. Initialisierung\n\r"
                   "2. Erstellen der Ordner\n\r3. Kopieren der Dateien in den Datenordner",
                   kLabelWidth,
                   {Plain("Meldung:"), Plain("Schritte der Installation:"),
                    Plain("1. Initialisierung"), Plain("2. Erstellen der Ordner"),
                    Plain("3. Kopieren der Dateien in den Datenordner")}},
        LayoutCase{"LongPathWrapsBetweenWords",
                   "Kopiere C:\\Keldrano\\Programme\\Gemeinsame Dateien\\Vorlagen\\Berichte "
                   "und Auswertungen\\Jahresabschluss.xlt nach D:\\Daten\\Keldrano\\Vorlagen"
                   "\\Berichte und Auswertungen\\Jahresabschluss 2024.xlt",
                   kLabelWidth,
                   {Plain("Kopiere C:\\Keldrano\\Programme\\Gemeinsame Dateien\\Vorlagen\\"
                          "Berichte und"),
                    Plain("Auswertungen\\Jahresabschluss.xlt nach D:\\Daten\\Keldrano\\"
                          "Vorlagen\\Berichte und"),
                    Plain("Auswertungen\\Jahresabschluss 2024.xlt")}},
        // 10 cells fit in 70 px: a line ending exactly at the edge still fits.
        LayoutCase{"WordEndingAtTheEdgeFits", "abcd efghi", 70, {Plain("abcd efghi")}},
        LayoutCase{
            "WordOneCellPastTheEdgeWraps", "abcd efghij", 70, {Plain("abcd"), Plain("efghij")}},
        LayoutCase{"OverlongWordStaysWhole",
                   "kurz Unterverzeichnisname ende",
                   70,
                   {Plain("kurz"), Plain("Unterverzeichnisname"), Plain("ende")}},
        LayoutCase{"OverlongFirstWordStaysWhole",
                   "Unterverzeichnisname ab",
                   70,
                   {Plain("Unterverzeichnisname"), Plain("ab")}},
        LayoutCase{
            "SeveralBlanksAtWrapAreDropped", "eins    zwei", 70, {Plain("eins"), Plain("zwei")}},
        LayoutCase{"BlanksInsideALineKept", "  a   b  ", kLabelWidth, {Plain("  a   b  ")}},
        LayoutCase{"AmpersandIsOrdinary",
                   "Daten && Programme &Weiter",
                   kLabelWidth,
                   {Plain("Daten && Programme &Weiter")}},
        LayoutCase{"MoreLinesThanTheLabelHoldsAreAllReturned",
                   "Eintrag1 Eintrag2 Eintrag3 Eintrag4 Eintrag5 Eintrag6 Eintrag7",
                   70,
                   {Plain("Eintrag1"), Plain("Eintrag2"), Plain("Eintrag3"), Plain("Eintrag4"),
                    Plain("Eintrag5"), Plain("Eintrag6"), Plain("Eintrag7")}},
        LayoutCase{"NoWrapKeepsLongLine", "abcd efghij", 70, {Plain("abcd efghij")}, true, false}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    LineBreaks, LayoutTextTest,
    testing::Values(
        LayoutCase{"LfCr", "A\n\rB", kLabelWidth, {Plain("A"), Plain("B")}},
        LayoutCase{"CrLf", "A\r\nB", kLabelWidth, {Plain("A"), Plain("B")}},
        LayoutCase{"LoneCr", "A\rB", kLabelWidth, {Plain("A"), Plain("B")}},
        LayoutCase{"LoneLf", "A\nB", kLabelWidth, {Plain("A"), Plain("B")}},
        LayoutCase{"TwoLfCrLeaveAnEmptyLine",
                   "A\n\r\n\rB",
                   kLabelWidth,
                   {Plain("A"), kEmptyLine, Plain("B")}},
        LayoutCase{"TwoCrLfLeaveAnEmptyLine",
                   "A\r\n\r\nB",
                   kLabelWidth,
                   {Plain("A"), kEmptyLine, Plain("B")}},
        LayoutCase{"TwoLf", "A\n\nB", kLabelWidth, {Plain("A"), kEmptyLine, Plain("B")}},
        LayoutCase{"TwoCr", "A\r\rB", kLabelWidth, {Plain("A"), kEmptyLine, Plain("B")}},
        // Pairs are taken from the left: CR LF, then a lone CR.
        LayoutCase{"CrLfCr", "A\r\n\rB", kLabelWidth, {Plain("A"), kEmptyLine, Plain("B")}},
        LayoutCase{"LeadingBreak", "\n\rB", kLabelWidth, {kEmptyLine, Plain("B")}},
        LayoutCase{"BreakAloneIsOneEmptyLine", "\n\r", kLabelWidth, {kEmptyLine}},
        LayoutCase{"TrailingBreakOpensNoLine", "A\r\n", kLabelWidth, {Plain("A")}},
        LayoutCase{"WrapRestartsAfterBreak",
                   "abcd efghij\n\rxy",
                   70,
                   {Plain("abcd"), Plain("efghij"), Plain("xy")}}),
    CaseName);

INSTANTIATE_TEST_SUITE_P(
    Tabs, LayoutTextTest,
    testing::Values(
        LayoutCase{"TabStartsRunAtNextStop",
                   "Name:\tWert",
                   kLabelWidth,
                   {TTextLine{{{0, "Name:"}, {kTabWidth, "Wert"}}}}},
        LayoutCase{"LeadingTabIndentsOneStop", "\tX", kLabelWidth, {TTextLine{{{kTabWidth, "X"}}}}},
        LayoutCase{"TextEndingOnAStopGoesToTheNext",
                   "12345678\tX",
                   kLabelWidth,
                   {TTextLine{{{0, "12345678"}, {2 * kTabWidth, "X"}}}}},
        LayoutCase{"TwoTabsTwoStops",
                   "A\t\tB",
                   kLabelWidth,
                   {TTextLine{{{0, "A"}, {2 * kTabWidth, "B"}}}}},
        LayoutCase{"BlanksAfterTabStayInRun",
                   "A\t  B C",
                   kLabelWidth,
                   {TTextLine{{{0, "A"}, {kTabWidth, "  B C"}}}}},
        // Stop at 56 plus four cells ends at 84: exactly the width.
        LayoutCase{"TabbedWordEndingAtTheEdgeFits",
                   "Name:\tWert",
                   84,
                   {TTextLine{{{0, "Name:"}, {kTabWidth, "Wert"}}}}},
        LayoutCase{"LineBreaksAtTab", "Name:\tWerte", 84, {Plain("Name:"), Plain("Werte")}},
        LayoutCase{"UnexpandedTabIsACharacter", "A\tB", kLabelWidth, {Plain("A\tB")}, false}),
    CaseName);

// The layout asks the measure for whole pieces of text, so a font whose widths do not
// simply add up (kerning) still wraps by what is actually drawn.
TEST(LayoutText, FitsByTheWidthOfTheWholePiece) {
    // Each pair "ab" is one pixel narrower than its two letters alone.
    const auto kerned = [](const AnsiString& s) {
        int width = Measure(s);
        for (std::size_t i = 0; i + 1 < s.size(); ++i)
            if (s[i] == 'a' && s[i + 1] == 'b')
                --width;
        return width;
    };
    TTextLayoutOptions options;
    options.Width = 72; // "abab ababab": 77 px of cells less five pairs
    options.TabWidth = kTabWidth;
    EXPECT_EQ(LayoutText("abab ababab", options, kerned),
              std::vector<TTextLine>{Plain("abab ababab")});
    options.Width = 71;
    EXPECT_EQ(LayoutText("abab ababab", options, kerned),
              (std::vector<TTextLine>{Plain("abab"), Plain("ababab")}));
}

} // namespace
