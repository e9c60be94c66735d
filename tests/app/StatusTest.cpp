#include "AppFixture.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

using vcl::headless::THeadlessWindow;
using vcl::headless::TJournalEntry;

constexpr TRGB kFace{192, 192, 192};
constexpr TRGB kBlack{0, 0, 0};
constexpr TRGB kRed{255, 0, 0};
constexpr int kLinePitch = 13;
constexpr int kTabStop = 8 * vcl::headless::kBoldCharWidth;
const TRect kStatusBounds = Bounds(2, 2, 709, 70);
constexpr unsigned kMessagePause = 250;
constexpr unsigned kErrorPause = 5000;

// A piece of text as the label drew it, relative to the label's top-left corner.
struct TRun {
    int X = 0, Y = 0;
    AnsiString Text;
    friend bool operator==(const TRun&, const TRun&) = default;
    friend void PrintTo(const TRun& r, std::ostream* os) {
        *os << "(" << r.X << "," << r.Y << ") \"" << r.Text << "\"";
    }
};

std::string ColourName(TRGB c) {
    if (c == kRed)
        return "red";
    if (c == kBlack)
        return "black";
    return "rgb(" + std::to_string(c.R) + "," + std::to_string(c.G) + "," + std::to_string(c.B) +
           ")";
}

// The program's window shown and painted, the journal cleared, before each test.
class StatusTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        window = &ShowWindow();
        backend->Journal.clear();
    }

    TRect LabelRect() const {
        const TPoint o = At(Form1->Status);
        return Bounds(o.X, o.Y, Form1->Status->Width(), Form1->Status->Height());
    }

    // The journal's text draws inside the status label; colours into `colours`.
    std::vector<TRun> LabelRuns(std::vector<TRGB>* colours = nullptr) const {
        const TRect r = LabelRect();
        std::vector<TRun> runs;
        for (const TJournalEntry& e : backend->Journal) {
            if (e.What != TJournalEntry::Kind::Text || !r.Contains(e.At))
                continue;
            runs.push_back({e.At.X - r.Left, e.At.Y - r.Top, e.Text});
            if (colours)
                colours->push_back(e.Color);
        }
        return runs;
    }

    // The journal in steps: text draws and flushes in a row make one paint step, naming
    // the colour, the texts and whether a flush closed it.
    std::vector<std::string> Steps() const {
        std::vector<std::string> steps;
        std::string paint;
        bool flushed = false;
        const auto endPaint = [&] {
            if (!paint.empty())
                steps.push_back(paint + (flushed ? " flushed" : " unflushed"));
            paint.clear();
        };
        for (const TJournalEntry& e : backend->Journal) {
            switch (e.What) {
            case TJournalEntry::Kind::Text:
                paint += (paint.empty() ? "paint " + ColourName(e.Color) + ":" : "") + " [" +
                         e.Text + "]";
                flushed = false;
                break;
            case TJournalEntry::Kind::Flush:
                flushed = true;
                break;
            case TJournalEntry::Kind::Beep:
                endPaint();
                steps.push_back("beep");
                break;
            case TJournalEntry::Kind::Sleep:
                endPaint();
                steps.push_back("sleep " + std::to_string(e.Value));
                break;
            default:
                endPaint();
                steps.push_back("other");
                break;
            }
        }
        endPaint();
        return steps;
    }

    // Label rows from `top` (label coordinates) to the bottom hold nothing but face.
    void ExpectBlankFrom(int top) const {
        const TRect r = LabelRect();
        for (int y = r.Top + top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (window->Pixel(x, y) != kFace) {
                    ADD_FAILURE() << "label pixel (" << x - r.Left << "," << y - r.Top << ") is "
                                  << ColourName(window->Pixel(x, y));
                    return;
                }
    }

    bool AnyLabelPixel(TRGB colour, int top, int bottom) const {
        const TRect r = LabelRect();
        for (int y = r.Top + top; y < r.Top + bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (window->Pixel(x, y) == colour)
                    return true;
        return false;
    }

    THeadlessWindow* window = nullptr;
};

TEST_F(StatusTest, WelcomeTextWrapsInBlackBeforeAnyReport) {
    Form1->Status->Repaint();
    std::vector<TRGB> colours;
    EXPECT_EQ(LabelRuns(&colours),
              (std::vector<TRun>{
                  {0, 0,
                   "Willkommen beim Installationsprogramm. Dieses Programm installiert einige "
                   "Ordner und Dateien. Deren"},
                  {0, kLinePitch,
                   "Namen erfahren Sie, wenn Sie die Inforamtionsdateien (Inst*.inf) in einer "
                   "Textverarbeitung \xF6"
                   "ffnen."},
                  {0, 2 * kLinePitch, "Klicken Sie zum Starten der Installation auf [Start]."}}));
    for (TRGB c : colours)
        EXPECT_EQ(c, kBlack);
    EXPECT_EQ(Form1->Status->Font()->Color(), clBlack);
    ExpectBlankFrom(3 * kLinePitch);
}

struct LayoutCase {
    const char* Name;
    AnsiString Text;
    std::vector<TRun> Body; // below the heading
    friend void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.Name; }
};

class StatusLayoutTest : public StatusTest, public testing::WithParamInterface<LayoutCase> {};

std::string CaseName(const testing::TestParamInfo<LayoutCase>& info) {
    return info.param.Name;
}

// Each report's text lands on the label line by line, in the report's colour, over a
// background wiped clean of the three-line welcome text.
TEST_P(StatusLayoutTest, MessageDrawsHeadingAndBodyLines) {
    const LayoutCase& c = GetParam();
    Form1->Message(c.Text);
    std::vector<TRun> expected{{0, 0, "Meldung:"}};
    expected.insert(expected.end(), c.Body.begin(), c.Body.end());
    std::vector<TRGB> colours;
    EXPECT_EQ(LabelRuns(&colours), expected);
    for (TRGB colour : colours)
        EXPECT_EQ(colour, kBlack);
    int lines = 1;
    for (const TRun& run : c.Body)
        lines = std::max(lines, run.Y / kLinePitch + 1);
    ExpectBlankFrom(lines * kLinePitch);
}

TEST_P(StatusLayoutTest, ErrorDrawsTheSameLinesInRed) {
    const LayoutCase& c = GetParam();
    Form1->Error(c.Text);
    std::vector<TRun> expected{{0, 0, "Ein Fehler ist aufgetreten:"}};
    expected.insert(expected.end(), c.Body.begin(), c.Body.end());
    std::vector<TRGB> colours;
    EXPECT_EQ(LabelRuns(&colours), expected);
    for (TRGB colour : colours)
        EXPECT_EQ(colour, kRed);
    EXPECT_FALSE(AnyLabelPixel(kBlack, 0, kStatusBounds.Height()));
}

INSTANTIATE_TEST_SUITE_P(
    Reports, StatusLayoutTest,
    testing::Values(
        LayoutCase{"Empty", "", {}},
        LayoutCase{
            "TwoLines",
            "Initialisiere...\n\rReserviere Speicher...",
            {{0, kLinePitch, "Initialisiere..."}, {0, 2 * kLinePitch, "Reserviere Speicher..."}}},
        // Five lines in all: the last one ends at 65, inside the label's 70 pixels.
        LayoutCase{"StepList",
                   "Schritte der Installation:\n\r1. Initialisierung\n\r2. Erstellen der "
                   "Ordner\n\r3. Kopieren der Dateien in den Datenordner",
                   {{0, kLinePitch, "Schritte der Installation:"},
                    {0, 2 * kLinePitch, "1. Initialisierung"},
                    {0, 3 * kLinePitch, "2. Erstellen der Ordner"},
                    {0, 4 * kLinePitch, "3. Kopieren der Dateien in den Datenordner"}}},
        // 101 bold cells fit in 709 pixels; the path breaks only at its blanks.
        LayoutCase{"LongPathWraps",
                   "Kopiere C:\\Keldrano\\Programme\\Gemeinsame Dateien\\Vorlagen\\Berichte "
                   "und Auswertungen\\Jahresabschluss.xlt nach D:\\Daten\\Keldrano\\Vorlagen"
                   "\\Berichte und Auswertungen\\Jahresabschluss 2024.xlt",
                   {{0, kLinePitch,
                     "Kopiere C:\\Keldrano\\Programme\\Gemeinsame Dateien\\Vorlagen\\Berichte "
                     "und"},
                    {0, 2 * kLinePitch,
                     "Auswertungen\\Jahresabschluss.xlt nach D:\\Daten\\Keldrano\\Vorlagen\\"
                     "Berichte und"},
                    {0, 3 * kLinePitch, "Auswertungen\\Jahresabschluss 2024.xlt"}}},
        LayoutCase{"AmpersandShown", "Daten & Programme", {{0, kLinePitch, "Daten & Programme"}}},
        LayoutCase{"TabToNextStop",
                   "Ordner:\tC:\\Keldrano",
                   {{0, kLinePitch, "Ordner:"}, {kTabStop, kLinePitch, "C:\\Keldrano"}}},
        LayoutCase{"LfCr", "A\n\rB", {{0, kLinePitch, "A"}, {0, 2 * kLinePitch, "B"}}},
        LayoutCase{"CrLf", "A\r\nB", {{0, kLinePitch, "A"}, {0, 2 * kLinePitch, "B"}}},
        LayoutCase{"LoneCr", "A\rB", {{0, kLinePitch, "A"}, {0, 2 * kLinePitch, "B"}}},
        LayoutCase{"LoneLf", "A\nB", {{0, kLinePitch, "A"}, {0, 2 * kLinePitch, "B"}}},
        LayoutCase{"TwoLfCrLeaveAnEmptyLine",
                   "A\n\r\n\rB",
                   {{0, kLinePitch, "A"}, {0, 3 * kLinePitch, "B"}}}),
    CaseName);

// Seven lines: five whole ones, the sixth cut at the label's lower edge, the seventh out
// of sight. Nothing outside the label changes and the label keeps its size.
TEST_F(StatusTest, TextBeyondFiveLinesIsCutAtTheLowerEdge) {
    const TRect r = LabelRect();
    const TSize size = window->ClientSize();
    std::vector<TRGB> before;
    for (int y = 0; y < size.Height; ++y)
        for (int x = 0; x < size.Width; ++x)
            before.push_back(window->Pixel(x, y));

    Form1->Message("Zeile 1\n\rZeile 2\n\rZeile 3\n\rZeile 4\n\rZeile 5\n\rZeile 6");

    EXPECT_EQ(Form1->Status->BoundsRect(), kStatusBounds);
    const std::vector<TRun> runs = LabelRuns();
    ASSERT_GE(runs.size(), 5u);
    EXPECT_EQ(std::vector<TRun>(runs.begin(), runs.begin() + 5),
              (std::vector<TRun>{{0, 0, "Meldung:"},
                                 {0, kLinePitch, "Zeile 1"},
                                 {0, 2 * kLinePitch, "Zeile 2"},
                                 {0, 3 * kLinePitch, "Zeile 3"},
                                 {0, 4 * kLinePitch, "Zeile 4"}}));
    // The sixth line starts at 65: its top shows in the label's last rows.
    EXPECT_TRUE(AnyLabelPixel(kBlack, 5 * kLinePitch, kStatusBounds.Height()));
    std::size_t changed = 0;
    for (int y = 0; y < size.Height; ++y)
        for (int x = 0; x < size.Width; ++x)
            if (!r.Contains({x, y}) &&
                window->Pixel(x, y) != before[static_cast<std::size_t>(y) * size.Width + x])
                ++changed;
    EXPECT_EQ(changed, 0u) << "pixels outside the label changed";
}

TEST_F(StatusTest, MessageRepaintsAtOnceThenPauses) {
    const auto start = backend->Now();
    Form1->Message("Initialisiere...");
    EXPECT_EQ(Steps(), (std::vector<std::string>{
                           "paint black: [Meldung:] [Initialisiere...] flushed",
                           "sleep 250",
                       }));
    EXPECT_EQ(backend->Now() - start, kMessagePause);
    EXPECT_EQ(Form1->Status->Font()->Color(), clWindowText);
    EXPECT_EQ(Form1->Status->Caption(), "Meldung:\n\rInitialisiere...");
}

TEST_F(StatusTest, ErrorRepaintsThenBeepsThenPauses) {
    const auto start = backend->Now();
    Form1->Error("Datei fehlt");
    EXPECT_EQ(Steps(), (std::vector<std::string>{
                           "paint red: [Ein Fehler ist aufgetreten:] [Datei fehlt] flushed",
                           "beep",
                           "sleep 5000",
                       }));
    EXPECT_EQ(backend->Now() - start, kErrorPause);
    EXPECT_EQ(Form1->Status->Font()->Color(), clRed);
    EXPECT_EQ(Form1->Status->Caption(), "Ein Fehler ist aufgetreten:\n\rDatei fehlt");
}

// A repeated report with the same text changes nothing on the label, yet is shown, and
// waited for, each time.
TEST_F(StatusTest, IdenticalReportsEachRepaintAndPause) {
    const auto start = backend->Now();
    Form1->Error("Datei fehlt");
    Form1->Error("Datei fehlt");
    Form1->Message("Fertig");
    Form1->Message("Fertig");
    const std::string error = "paint red: [Ein Fehler ist aufgetreten:] [Datei fehlt] flushed";
    const std::string message = "paint black: [Meldung:] [Fertig] flushed";
    EXPECT_EQ(Steps(),
              (std::vector<std::string>{error, "beep", "sleep 5000", error, "beep", "sleep 5000",
                                        message, "sleep 250", message, "sleep 250"}));
    EXPECT_EQ(backend->Now() - start, 2 * kErrorPause + 2 * kMessagePause);
}

TEST_F(StatusTest, MessageAfterErrorShowsNoRed) {
    Form1->Error("Kann Ordner nicht erstellen:\n\rC:\\Keldrano\\Daten\n\rDer Zugriff wurde "
                 "verweigert.");
    ASSERT_TRUE(AnyLabelPixel(kRed, 0, kStatusBounds.Height()));
    backend->Journal.clear();
    Form1->Message("Kopiere Dateien...");
    EXPECT_EQ(Steps(), (std::vector<std::string>{
                           "paint black: [Meldung:] [Kopiere Dateien...] flushed",
                           "sleep 250",
                       }));
    EXPECT_EQ(Form1->Status->Font()->Color(), clWindowText);
    EXPECT_FALSE(AnyLabelPixel(kRed, 0, kStatusBounds.Height()));
    ExpectBlankFrom(2 * kLinePitch);
}

} // namespace
