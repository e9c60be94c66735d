// Whole installation runs on the headless backend: a press of the button against list
// files and sources in a throw-away prefix, checked report by report on the virtual clock.
#include "AppFixture.h"

#include "app/InstallState.h"
#include "file/FILE.h"
#include "tests/support/TestPrefix.h"
#include "win32/Desktop.h"

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testprefix::PatternedBytes;
using testprefix::ReadFile;
using testprefix::WriteFile;
using vcl::headless::THeadlessBackend;
using vcl::headless::TJournalEntry;

constexpr unsigned kMessagePause = 250;
constexpr unsigned kErrorPause = 5000;
constexpr TRGB kBlack{0, 0, 0};
constexpr TRGB kRed{255, 0, 0};
// The button's centre in window coordinates: content border 2, then its left/top + 30.
constexpr TPoint kButtonCentre{2 + 6 + 30, 2 + 28 + 30};
constexpr unsigned kQuestionFlags = 0x24;

const AnsiString kMessageHeading = "Meldung:";
const AnsiString kErrorHeading = "Ein Fehler ist aufgetreten:";
const AnsiString kBreak = "\n\r";

const AnsiString kPlan = "Schritte der Installation:\n\r1. Initialisierung\n\r2. Erstellen der "
                         "Ordner\n\r3. Kopieren der Dateien in den Datenordner";
const AnsiString kReserving = "Initialisiere...\n\rReserviere Speicher...";
const AnsiString kLoading = "Initialisiere...\n\rLade Informationsdateien...";
const AnsiString kLoadFailed =
    "Kann Informationsdateien nicht laden.\n\rStellen Sie sicher, dass sich die Dateien "
    "[InstDir.inf] und [InstFile.inf] im Installationsverzeichnis befinden.";
const AnsiString kFolderFailed = "Konnte Ordner nicht erstellen.";
const AnsiString kCopyAbandoned =
    "Einige Ordner konnten nicht erstellt werden.\n\rDas Kopieren der Dateien wird "
    "abgebrochen.\n\rA_c_h_t_u_n_g: Das zu installierende Programm ist nicht lauff\xE4hig!!!";
const AnsiString kExtracting = "Extrahiere Dateiname...";
const AnsiString kMoveFailed = "Konnte Datei nicht verschieben.";
const AnsiString kFailedSummary =
    "Es sind Fehler bei der Installation aufgetreten.\n\rBeenden Sie das Programm und entpacken "
    "Sie das Archiv erneut.\n\rWenn es dann immer noch nicht klappt, kontaktieren Sie den Autor "
    "(E-Mail in der readme.txt).";
const AnsiString kSuccessSummary = "Installation erfolgreich beendet!\n\rSie k\xF6nnen das "
                                   "installierte Programm jetzt ausf\xFChren!";
const AnsiString kEnding = "Programm wird beendet...";
const AnsiString kQuestion = "Existiert auf ihrem PC ein Ordner [C:\\Keldrano]?";
const AnsiString kQuestionCaption = "Wichtige Frage!";

// One report as the user saw it. Malformed: the label, its colour, the pause, the beep and
// the paint did not agree with either kind; Text then says what was seen.
struct TReport {
    enum class Kind { Message, Error, Malformed };
    Kind What;
    AnsiString Text;
    friend bool operator==(const TReport&, const TReport&) = default;
    friend void PrintTo(const TReport& r, std::ostream* os) {
        static const char* const names[] = {"Message", "Error", "Malformed"};
        *os << names[static_cast<int>(r.What)] << " " << ::testing::PrintToString(r.Text);
    }
};

TReport Msg(const AnsiString& text) {
    return {TReport::Kind::Message, text};
}
TReport Err(const AnsiString& text) {
    return {TReport::Kind::Error, text};
}
TReport Creating(const AnsiString& line) {
    return Msg("Erstelle Ordner \"" + line + "\"...");
}
TReport Moving(const AnsiString& source, const AnsiString& line) {
    return Msg("Verschiebe Datei \"" + source + "\" nach \"" + line + "\"...");
}

// What the window showed while a report paused the run.
struct TShown {
    TReport Report;
    int Position = 0;
    int Max = 0;
    bool ButtonEnabled = false;
    bool WindowVisible = false;
    bool Terminated = false;
};

// Stands in as the desktop so that every pause of the run is seen: the label then holds
// the report that pause belongs to. Forwards to the backend, so its clock and journal go on.
class TReportRecorder : public win32::IDesktop {
public:
    explicit TReportRecorder(THeadlessBackend& backend)
        : backend_(backend), mark_(backend.Journal.size()) {}

    void Beep() override { backend_.Beep(); }

    void Sleep(DWORD milliseconds) override {
        TShown shown;
        shown.Report = Classify(milliseconds);
        shown.Position = Form1->Progress->Position();
        shown.Max = Form1->Progress->Max();
        shown.ButtonEnabled = Form1->InstallBtn->Enabled();
        shown.WindowVisible = Form1->Native() != nullptr && Form1->Native()->Visible();
        shown.Terminated = Application->Terminated();
        Shown.push_back(shown);
        backend_.Sleep(milliseconds);
        mark_ = backend_.Journal.size();
    }

    // Forgets what was seen; the journal may have been cleared.
    void Restart() {
        Shown.clear();
        mark_ = backend_.Journal.size();
    }

    std::vector<TReport> Reports() const {
        std::vector<TReport> reports;
        for (const TShown& s : Shown)
            reports.push_back(s.Report);
        return reports;
    }

    std::vector<TShown> Shown;

private:
    // Whether, since the last pause, the heading was drawn in `colour`, the window was
    // flushed and the bell rang.
    struct TSeen {
        bool Heading = false, Flushed = false, Beeped = false;
    };
    TSeen Seen(const AnsiString& heading, TRGB colour) const {
        TSeen seen;
        for (std::size_t i = mark_; i < backend_.Journal.size(); ++i) {
            const TJournalEntry& e = backend_.Journal[i];
            seen.Heading |=
                e.What == TJournalEntry::Kind::Text && e.Text == heading && e.Color == colour;
            seen.Flushed |= e.What == TJournalEntry::Kind::Flush;
            seen.Beeped |= e.What == TJournalEntry::Kind::Beep;
        }
        return seen;
    }

    TReport Classify(DWORD milliseconds) const {
        const AnsiString caption = Form1->Status->Caption();
        const TColor colour = Form1->Status->Font()->Color();
        const auto body = [&](const AnsiString& heading) -> std::optional<AnsiString> {
            const AnsiString prefix = heading + kBreak;
            if (caption.compare(0, prefix.size(), prefix) != 0)
                return std::nullopt;
            return caption.substr(prefix.size());
        };
        if (auto text = body(kMessageHeading)) {
            TSeen seen = Seen(kMessageHeading, kBlack);
            if (colour == clWindowText && milliseconds == kMessagePause && seen.Heading &&
                seen.Flushed && !seen.Beeped)
                return Msg(*text);
        } else if (auto text = body(kErrorHeading)) {
            TSeen seen = Seen(kErrorHeading, kRed);
            if (colour == clRed && milliseconds == kErrorPause && seen.Heading && seen.Flushed &&
                seen.Beeped)
                return Err(*text);
        }
        TSeen black = Seen(kMessageHeading, kBlack), red = Seen(kErrorHeading, kRed);
        return {TReport::Kind::Malformed,
                caption + " | pause " + std::to_string(milliseconds) +
                    (colour == clRed ? " red" : " not red") +
                    (black.Heading || red.Heading ? " drawn" : " not drawn") +
                    (black.Flushed ? " flushed" : " unflushed") +
                    (black.Beeped ? " beep" : " no beep")};
    }

    THeadlessBackend& backend_;
    std::size_t mark_;
};

// Every entry under a folder: files with their content, folders and links by kind.
std::map<std::string, std::string> Snapshot(const fs::path& root) {
    std::map<std::string, std::string> tree;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string name = fs::relative(entry.path(), root).string();
        if (entry.is_symlink())
            tree[name] = "-> " + fs::read_symlink(entry.path()).string();
        else if (entry.is_directory())
            tree[name] = "<folder>";
        else
            tree[name] = ReadFile(entry.path());
    }
    return tree;
}

// The program in a fresh prefix: drive C: as dosdevices/c: -> ../drive_c, the current
// folder (where the list files and the sources lie) beside it; the window shown.
class RunTest : public AppFixture {
protected:
    RunTest()
        : prefix(temp.Path() / "prefix"), cwd(temp.Path() / "cwd"),
          env("WINEPREFIX", prefix.c_str()) {
        fs::create_directories(cwd);
        fs::create_directories(prefix / "drive_c");
        fs::create_directories(prefix / "dosdevices");
        fs::create_symlink("../drive_c", prefix / "dosdevices" / "c:");
        current.emplace(cwd);
    }

    void SetUp() override {
        InstallState = {};
        AppFixture::SetUp();
        ShowWindow();
        backend->Journal.clear();
        recorder.emplace(*backend);
        win32::SetDesktop(&*recorder);
        start = backend->Now();
    }

    void TearDown() override {
        win32::SetDesktop(backend);
        AppFixture::TearDown();
    }

    // Writes the two list files, one CR LF line per entry.
    void Lists(const std::vector<AnsiString>& folders, const std::vector<AnsiString>& files) {
        WriteFile(cwd / "InstDir.inf", Lines(folders));
        WriteFile(cwd / "InstFile.inf", Lines(files));
    }
    static std::string Lines(const std::vector<AnsiString>& lines) {
        std::string text;
        for (const AnsiString& l : lines)
            text += l + "\r\n";
        return text;
    }

    // Presses the button with `answer` ready for the question box.
    void Press(std::optional<int> answer) {
        if (answer)
            backend->MessageBoxAnswers = {*answer};
        backend->Click(Window(), kButtonCentre);
        backend->ProcessPending();
        EXPECT_TRUE(backend->MessageBoxAnswers.empty()) << "the question was not asked";
    }

    std::vector<TJournalEntry> Boxes() const {
        std::vector<TJournalEntry> boxes;
        for (const auto& e : backend->Journal)
            if (e.What == TJournalEntry::Kind::MessageBox)
                boxes.push_back(e);
        return boxes;
    }

    unsigned long long Elapsed() const { return backend->Now() - start; }
    std::vector<TReport> Reports() const { return recorder->Reports(); }

    // The run's end: summary given, button "Ende" and enabled, the next press ends.
    void ExpectEnded(bool failed) {
        ASSERT_FALSE(recorder->Shown.empty());
        EXPECT_EQ(Reports().back(), Msg(failed ? kFailedSummary : kSuccessSummary));
        EXPECT_EQ(Form1->InstallBtn->Caption(), "Ende");
        EXPECT_TRUE(Form1->InstallBtn->Enabled());
        EXPECT_FALSE(InstallState.FirstClick);
        EXPECT_EQ(InstallState.InstallFailed, failed);
        EXPECT_FALSE(Application->Terminated());
    }

    fs::path C() const { return prefix / "drive_c"; }

    testprefix::TempFolder temp;
    fs::path prefix, cwd;
    testprefix::ScopedEnv env;
    std::optional<testprefix::ScopedCurrentFolder> current;
    std::optional<TReportRecorder> recorder;
    unsigned long long start = 0;
};

TEST_F(RunTest, HappyPathCreatesFoldersMovesFilesAndTheNextPressEnds) {
    const std::string program = PatternedBytes(100000), picture = PatternedBytes(777);
    WriteFile(cwd / "prog.exe", program);
    WriteFile(cwd / "titel.bmp", picture);
    Lists({"C:\\Keldrano", "C:\\Keldrano\\Daten\\Bilder"},
          {"C:\\Keldrano\\prog.exe", "C:\\Keldrano\\Daten\\Bilder\\titel.bmp"});

    Press(IDNO);

    const std::vector<TReport> expected = {
        Msg(kPlan),
        Msg(kReserving),
        Msg(kLoading),
        Creating("C:\\Keldrano"),
        Creating("C:\\Keldrano\\Daten\\Bilder"),
        Msg(kExtracting),
        Moving("prog.exe", "C:\\Keldrano\\prog.exe"),
        Msg(kExtracting),
        Moving("titel.bmp", "C:\\Keldrano\\Daten\\Bilder\\titel.bmp"),
        Msg(kSuccessSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(Elapsed(), (4 + 2 + 2 * 2) * kMessagePause);

    // Progress as each report showed it: the step comes after the report it belongs to.
    const std::vector<std::pair<int, int>> progress = {{0, 2}, {0, 2}, {1, 2}, {0, 4}, {1, 4},
                                                       {2, 4}, {2, 4}, {3, 4}, {3, 4}, {4, 4}};
    ASSERT_EQ(recorder->Shown.size(), progress.size());
    for (std::size_t i = 0; i < progress.size(); ++i) {
        EXPECT_EQ(recorder->Shown[i].Position, progress[i].first) << "report " << i;
        EXPECT_EQ(recorder->Shown[i].Max, progress[i].second) << "report " << i;
        EXPECT_FALSE(recorder->Shown[i].ButtonEnabled) << "report " << i;
    }
    EXPECT_EQ(Form1->Progress->Position(), 4);
    EXPECT_EQ(Form1->Progress->Max(), 4);

    // The question comes once, between the plan and the first initialisation step.
    auto boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].Text, kQuestion);
    EXPECT_EQ(boxes[0].Caption, kQuestionCaption);
    EXPECT_EQ(boxes[0].Value, kQuestionFlags);
    std::vector<TJournalEntry::Kind> order;
    for (const auto& e : backend->Journal)
        if (e.What == TJournalEntry::Kind::Sleep || e.What == TJournalEntry::Kind::MessageBox)
            order.push_back(e.What);
    ASSERT_GE(order.size(), 2u);
    EXPECT_EQ(order[0], TJournalEntry::Kind::Sleep);
    EXPECT_EQ(order[1], TJournalEntry::Kind::MessageBox);

    EXPECT_TRUE(fs::is_directory(C() / "Keldrano" / "Daten" / "Bilder"));
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "prog.exe"), program);
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "Daten" / "Bilder" / "titel.bmp"), picture);
    EXPECT_EQ(testprefix::Entries(cwd), (std::set<std::string>{"InstDir.inf", "InstFile.inf"}));
    ExpectEnded(false);

    // The second press reads nothing and moves nothing, even with new work waiting.
    WriteFile(cwd / "neu.txt", "neu");
    Lists({"C:\\Zweiter"}, {"C:\\Zweiter\\neu.txt"});
    const auto before = Snapshot(temp.Path());
    backend->Journal.clear();
    recorder->Restart();
    start = backend->Now();
    Press(std::nullopt);
    EXPECT_EQ(Reports(), std::vector<TReport>{Msg(kEnding)});
    EXPECT_TRUE(Application->Terminated());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(Snapshot(temp.Path()), before);
    EXPECT_EQ(Elapsed(), kMessagePause);
    EXPECT_EQ(Form1->Progress->Position(), 4);
}

// With the answer Yes a folder that cannot be made is not reported and fails nothing.
TEST_F(RunTest, AnswerYesLetsFoldersFailSilently) {
    fs::create_directories(C() / "Keldrano");
    WriteFile(C() / "Keldrano" / "blockiert", "a file where a folder should go");
    WriteFile(cwd / "prog.exe", "program");
    Lists({"X:\\Fehlt", "C:\\Keldrano\\blockiert\\unter"}, {"C:\\Keldrano\\prog.exe"});

    Press(IDYES);

    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("X:\\Fehlt"),
                                           Creating("C:\\Keldrano\\blockiert\\unter"),
                                           Msg(kExtracting),
                                           Moving("prog.exe", "C:\\Keldrano\\prog.exe"),
                                           Msg(kSuccessSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "prog.exe"), "program");
    EXPECT_FALSE(fs::exists(cwd / "prog.exe"));
    EXPECT_EQ(Elapsed(), expected.size() * kMessagePause);
    ExpectEnded(false);
}

TEST_F(RunTest, AnswerYesReportsOnlyTheCopiesThatFail) {
    fs::create_directories(C() / "Keldrano");
    WriteFile(C() / "Keldrano" / "blockiert", "a file where a folder should go");
    WriteFile(cwd / "prog.exe", "program");
    WriteFile(cwd / "daten.bin", "data");
    Lists({"X:\\Fehlt", "C:\\Keldrano\\blockiert\\unter"},
          {"X:\\Fehlt\\daten.bin", "C:\\Keldrano\\prog.exe"});

    Press(IDYES);

    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("X:\\Fehlt"),
                                           Creating("C:\\Keldrano\\blockiert\\unter"),
                                           Msg(kExtracting),
                                           Moving("daten.bin", "X:\\Fehlt\\daten.bin"),
                                           Err(kMoveFailed),
                                           Msg(kExtracting),
                                           Moving("prog.exe", "C:\\Keldrano\\prog.exe"),
                                           Msg(kFailedSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(ReadFile(cwd / "daten.bin"), "data") << "a source that was not copied stays";
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "prog.exe"), "program");
    EXPECT_FALSE(fs::exists(cwd / "prog.exe"));
    EXPECT_EQ(Elapsed(), (expected.size() - 1) * kMessagePause + kErrorPause);
    EXPECT_EQ(Form1->Progress->Position(), 4);
    ExpectEnded(true);
}

TEST_F(RunTest, AnswerNoTriesEveryFolderThenAbandonsTheCopies) {
    WriteFile(cwd / "prog.exe", "program");
    WriteFile(cwd / "daten.bin", "data");
    Lists({"C:\\Keldrano", "X:\\Fehlt", "C:\\Keldrano\\Daten"},
          {"C:\\Keldrano\\prog.exe", "C:\\Keldrano\\Daten\\daten.bin"});

    Press(IDNO);

    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("C:\\Keldrano"),
                                           Creating("X:\\Fehlt"),
                                           Err(kFolderFailed),
                                           Creating("C:\\Keldrano\\Daten"),
                                           Err(kCopyAbandoned),
                                           Msg(kFailedSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(Elapsed(), 7 * kMessagePause + 2 * kErrorPause);
    EXPECT_EQ(Form1->Progress->Position(), 3);
    EXPECT_EQ(Form1->Progress->Max(), 3 + 2);
    EXPECT_TRUE(fs::is_directory(C() / "Keldrano" / "Daten"));
    EXPECT_EQ(testprefix::Entries(C() / "Keldrano"), std::set<std::string>{"Daten"});
    EXPECT_EQ(testprefix::Entries(C() / "Keldrano" / "Daten"), std::set<std::string>{});
    EXPECT_EQ(ReadFile(cwd / "prog.exe"), "program");
    EXPECT_EQ(ReadFile(cwd / "daten.bin"), "data");
    ExpectEnded(true);
}

TEST_F(RunTest, EmptyFileListOnlyCreatesFolders) {
    Lists({"C:\\Keldrano", "C:\\Keldrano\\bin"}, {});
    Press(IDNO);
    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("C:\\Keldrano"),
                                           Creating("C:\\Keldrano\\bin"),
                                           Msg(kSuccessSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_TRUE(fs::is_directory(C() / "Keldrano" / "bin"));
    EXPECT_EQ(Form1->Progress->Position(), 2);
    EXPECT_EQ(Form1->Progress->Max(), 2);
    ExpectEnded(false);
}

TEST_F(RunTest, BothListsEmptyIsASuccess) {
    Lists({}, {});
    Press(IDNO);
    const std::vector<TReport> expected = {Msg(kPlan), Msg(kReserving), Msg(kLoading),
                                           Msg(kSuccessSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(Form1->Progress->Position(), 0);
    EXPECT_EQ(Form1->Progress->Max(), 0);
    EXPECT_EQ(Elapsed(), 4 * kMessagePause);
    ExpectEnded(false);
}

// An empty folder line is tried like any other; the empty path makes no folder.
TEST_F(RunTest, EmptyFolderLineCountsAsAFailedFolder) {
    ASSERT_EQ(CreateFullPath(""), 0);
    WriteFile(cwd / "prog.exe", "program");
    Lists({"C:\\Keldrano", "", "C:\\Keldrano\\bin"}, {"C:\\Keldrano\\prog.exe"});
    Press(IDNO);
    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("C:\\Keldrano"),
                                           Creating(""),
                                           Err(kFolderFailed),
                                           Creating("C:\\Keldrano\\bin"),
                                           Err(kCopyAbandoned),
                                           Msg(kFailedSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_TRUE(fs::is_directory(C() / "Keldrano" / "bin"));
    EXPECT_TRUE(fs::exists(cwd / "prog.exe"));
    ExpectEnded(true);
}

TEST_F(RunTest, EmptyFileLineIsAFailedMove) {
    WriteFile(cwd / "prog.exe", "program");
    Lists({"C:\\Keldrano"}, {"C:\\Keldrano\\prog.exe", ""});
    Press(IDNO);
    const std::vector<TReport> expected = {
        Msg(kPlan),       Msg(kReserving),
        Msg(kLoading),    Creating("C:\\Keldrano"),
        Msg(kExtracting), Moving("prog.exe", "C:\\Keldrano\\prog.exe"),
        Msg(kExtracting), Moving("", ""),
        Err(kMoveFailed), Msg(kFailedSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "prog.exe"), "program");
    EXPECT_EQ(Form1->Progress->Position(), 3);
    ExpectEnded(true);
}

// Each file line on its own: overwrite, missing source, a name moved twice, a folder line.
TEST_F(RunTest, MovesOverwriteKeepWhatFailsAndTryEveryLine) {
    fs::create_directories(C() / "Keldrano");
    WriteFile(C() / "Keldrano" / "alt.txt", "old destination");
    WriteFile(C() / "Keldrano" / "fehlt.txt", "untouched destination");
    WriteFile(cwd / "alt.txt", "new content");
    WriteFile(cwd / "doppelt.txt", "twice listed");
    Lists({"C:\\Keldrano\\a", "C:\\Keldrano\\b", "C:\\Keldrano\\ordner"},
          {"C:\\Keldrano\\alt.txt", "C:\\Keldrano\\fehlt.txt", "C:\\Keldrano\\a\\doppelt.txt",
           "C:\\Keldrano\\b\\doppelt.txt", "C:\\Keldrano\\ordner\\"});

    Press(IDNO);

    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("C:\\Keldrano\\a"),
                                           Creating("C:\\Keldrano\\b"),
                                           Creating("C:\\Keldrano\\ordner"),
                                           Msg(kExtracting),
                                           Moving("alt.txt", "C:\\Keldrano\\alt.txt"),
                                           Msg(kExtracting),
                                           Moving("fehlt.txt", "C:\\Keldrano\\fehlt.txt"),
                                           Err(kMoveFailed),
                                           Msg(kExtracting),
                                           Moving("doppelt.txt", "C:\\Keldrano\\a\\doppelt.txt"),
                                           Msg(kExtracting),
                                           Moving("doppelt.txt", "C:\\Keldrano\\b\\doppelt.txt"),
                                           Err(kMoveFailed),
                                           Msg(kExtracting),
                                           Moving("", "C:\\Keldrano\\ordner\\"),
                                           Err(kMoveFailed),
                                           Msg(kFailedSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(Elapsed(), 17 * kMessagePause + 3 * kErrorPause);

    EXPECT_EQ(ReadFile(C() / "Keldrano" / "alt.txt"), "new content");
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "fehlt.txt"), "untouched destination");
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "a" / "doppelt.txt"), "twice listed");
    EXPECT_FALSE(fs::exists(C() / "Keldrano" / "b" / "doppelt.txt"));
    EXPECT_TRUE(fs::is_directory(C() / "Keldrano" / "ordner"));
    EXPECT_EQ(testprefix::Entries(C() / "Keldrano" / "ordner"), std::set<std::string>{});
    EXPECT_EQ(testprefix::Entries(cwd), (std::set<std::string>{"InstDir.inf", "InstFile.inf"}));
    EXPECT_EQ(Form1->Progress->Position(), 8);
    EXPECT_EQ(Form1->Progress->Max(), 8);
    ExpectEnded(true);
}

// The list files' load failing in any way: the load error, and nothing on disk changes.
struct TBrokenLists {
    const char* Name;
    bool DirList, FileList; // written as files; otherwise missing
    bool DirListIsFolder = false;
    friend void PrintTo(const TBrokenLists& c, std::ostream* os) { *os << c.Name; }
};

class LoadFailureTest : public RunTest, public ::testing::WithParamInterface<TBrokenLists> {};

TEST_P(LoadFailureTest, ShowsTheLoadErrorAndEnds) {
    const TBrokenLists& c = GetParam();
    WriteFile(cwd / "prog.exe", "program");
    if (c.DirList)
        WriteFile(cwd / "InstDir.inf", "C:\\Keldrano\r\n");
    if (c.DirListIsFolder)
        fs::create_directory(cwd / "InstDir.inf");
    if (c.FileList)
        WriteFile(cwd / "InstFile.inf", "C:\\Keldrano\\prog.exe\r\n");
    const auto before = Snapshot(temp.Path());

    Press(IDNO);

    const std::vector<TReport> expected = {Msg(kPlan), Msg(kReserving), Msg(kLoading),
                                           Err(kLoadFailed), Msg(kFailedSummary)};
    EXPECT_EQ(Reports(), expected);
    EXPECT_EQ(Elapsed(), 4 * kMessagePause + kErrorPause);
    EXPECT_EQ(Form1->Progress->Position(), 2);
    EXPECT_EQ(Form1->Progress->Max(), 2);
    EXPECT_EQ(Snapshot(temp.Path()), before);
    ExpectEnded(true);
}

INSTANTIATE_TEST_SUITE_P(Lists, LoadFailureTest,
                         ::testing::Values(TBrokenLists{"FileListMissing", true, false},
                                           TBrokenLists{"DirListMissing", false, true},
                                           TBrokenLists{"BothMissing", false, false},
                                           TBrokenLists{"DirListIsAFolder", false, true, true}),
                         [](const auto& info) { return std::string(info.param.Name); });

// A close request during the run waits for it: every step is done, the window stays up.
TEST_F(RunTest, CloseRequestDuringTheRunEndsTheProgramOnlyAfterIt) {
    WriteFile(cwd / "prog.exe", "program");
    Lists({"C:\\Keldrano", "C:\\Keldrano\\bin"}, {"C:\\Keldrano\\bin\\prog.exe"});
    backend->MessageBoxAnswers = {IDNO};
    // Queued behind the press, so the run's first look at the queue finds it.
    backend->Click(Window(), kButtonCentre);
    backend->CloseRequest(Window());

    Application->Run();

    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("C:\\Keldrano"),
                                           Creating("C:\\Keldrano\\bin"),
                                           Msg(kExtracting),
                                           Moving("prog.exe", "C:\\Keldrano\\bin\\prog.exe"),
                                           Msg(kSuccessSummary)};
    EXPECT_EQ(Reports(), expected);
    ASSERT_EQ(recorder->Shown.size(), expected.size());
    // The request was taken in the middle of the run: after the first folder, not after.
    for (std::size_t i = 0; i < recorder->Shown.size(); ++i) {
        EXPECT_EQ(recorder->Shown[i].Terminated, i > 3) << "report " << i;
        EXPECT_TRUE(recorder->Shown[i].WindowVisible) << "report " << i;
    }
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "bin" / "prog.exe"), "program");
    EXPECT_FALSE(fs::exists(cwd / "prog.exe"));
    EXPECT_TRUE(Application->Terminated());
    EXPECT_EQ(Form1->InstallBtn->Caption(), "Ende");
    EXPECT_FALSE(InstallState.FirstClick);
}

// While the run goes on, the button stays disabled and takes no click and no key.
TEST_F(RunTest, ButtonIsDisabledForTheWholeRun) {
    WriteFile(cwd / "prog.exe", "program");
    WriteFile(cwd / "titel.bmp", "picture");
    Lists({"C:\\Keldrano", "C:\\Keldrano\\bin"},
          {"C:\\Keldrano\\bin\\prog.exe", "C:\\Keldrano\\titel.bmp"});
    const int lines = 4;

    // Runs at each of the run's looks at the queue: notes the button, then presses it in
    // every way for the next look to deliver.
    std::vector<bool> enabledSeen;
    std::function<void()> probe = [&] {
        enabledSeen.push_back(Form1->InstallBtn->Enabled());
        if (static_cast<int>(enabledSeen.size()) == lines)
            return;
        auto& w = Window();
        backend->Click(w, kButtonCentre);
        backend->Key(w, TKey::Enter);
        backend->Key(w, TKey::Space);
        backend->Post(probe);
    };
    backend->MessageBoxAnswers = {IDNO};
    backend->Click(Window(), kButtonCentre);
    backend->Post(probe);
    backend->ProcessPending();

    EXPECT_EQ(enabledSeen, std::vector<bool>(lines, false)) << "one look per list line";
    const std::vector<TReport> expected = {Msg(kPlan),
                                           Msg(kReserving),
                                           Msg(kLoading),
                                           Creating("C:\\Keldrano"),
                                           Creating("C:\\Keldrano\\bin"),
                                           Msg(kExtracting),
                                           Moving("prog.exe", "C:\\Keldrano\\bin\\prog.exe"),
                                           Msg(kExtracting),
                                           Moving("titel.bmp", "C:\\Keldrano\\titel.bmp"),
                                           Msg(kSuccessSummary)};
    EXPECT_EQ(Reports(), expected) << "a press during the run started nothing";
    for (const TShown& s : recorder->Shown)
        EXPECT_FALSE(s.ButtonEnabled);
    EXPECT_EQ(Boxes().size(), 1u);
    ExpectEnded(false);
}

} // namespace
