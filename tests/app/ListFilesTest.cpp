#include "AppFixture.h"

#include "tests/support/TestPrefix.h"
#include "win32/UniqueFd.h"

#include <sys/inotify.h>

#include <set>
#include <string>

namespace {

using testprefix::WriteFile;
using vcl::headless::TJournalEntry;

const AnsiString kLoadError =
    "Ein Fehler ist aufgetreten:\n\rKann Informationsdateien nicht laden.\n\rStellen Sie sicher, "
    "dass sich die Dateien [InstDir.inf] und [InstFile.inf] im Installationsverzeichnis "
    "befinden.";

// The program in a fresh folder that holds what a test writes there.
class ListFilesTest : public AppFixture {
protected:
    void SetUp() override {
        AppFixture::SetUp();
        ShowWindow();
        backend->Journal.clear();
    }
    std::filesystem::path Folder() const { return temp.Path(); }
    // Names of the files opened in the folder since the watch began.
    std::set<std::string> OpenedFiles() {
        std::set<std::string> names;
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            ssize_t n = ::read(watch.Get(), buffer, sizeof buffer);
            if (n <= 0)
                break;
            for (char* p = buffer; p < buffer + n;) {
                auto* e = reinterpret_cast<inotify_event*>(p);
                if (e->len > 0)
                    names.insert(e->name);
                p += sizeof(inotify_event) + e->len;
            }
        }
        return names;
    }
    void Watch() {
        watch = win32::UniqueFd(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
        ASSERT_TRUE(watch.Valid());
        ASSERT_GE(::inotify_add_watch(watch.Get(), Folder().c_str(), IN_OPEN), 0);
    }
    bool ErrorShown() const {
        bool text = false, beep = false;
        for (const auto& e : backend->Journal) {
            text |= e.What == TJournalEntry::Kind::Text &&
                    e.Text == "Kann Informationsdateien nicht laden.";
            beep |= e.What == TJournalEntry::Kind::Beep;
        }
        return text && beep && Form1->Status->Caption() == kLoadError &&
               Form1->Status->Font()->Color() == clRed;
    }

    testprefix::TempFolder temp;
    testprefix::ScopedCurrentFolder current{temp.Path()};
    win32::UniqueFd watch;
    TStringList dirs, files;
};

TEST_F(ListFilesTest, BothFilesLoadInFileOrderAndNothingIsShown) {
    WriteFile(Folder() / "InstDir.inf", "C:\\Keldrano\r\nC:\\Keldrano\\bin\r\n");
    WriteFile(Folder() / "InstFile.inf", "C:\\Keldrano\\bin\\prog.exe\n");
    EXPECT_TRUE(Form1->LoadInstallLists(dirs, files));
    ASSERT_EQ(dirs.Count(), 2);
    EXPECT_EQ(dirs.Strings(1), "C:\\Keldrano\\bin");
    ASSERT_EQ(files.Count(), 1);
    EXPECT_EQ(files.Strings(0), "C:\\Keldrano\\bin\\prog.exe");
    EXPECT_TRUE(backend->Journal.empty()) << "a good load reports nothing";
}

TEST_F(ListFilesTest, BothEmptyIsASuccessWithoutEntries) {
    WriteFile(Folder() / "InstDir.inf", "");
    WriteFile(Folder() / "InstFile.inf", "");
    EXPECT_TRUE(Form1->LoadInstallLists(dirs, files));
    EXPECT_EQ(dirs.Count() + files.Count(), 0);
}

TEST_F(ListFilesTest, NamesWrittenInAnotherCaseAreFound) {
    WriteFile(Folder() / "INSTDIR.INF", "C:\\A\r\n");
    WriteFile(Folder() / "instfile.inf", "C:\\A\\b.txt\r\n");
    EXPECT_TRUE(Form1->LoadInstallLists(dirs, files));
    EXPECT_EQ(dirs.Count(), 1);
    EXPECT_EQ(files.Count(), 1);
}

TEST_F(ListFilesTest, MissingDirListShowsTheLoadErrorAndLeavesTheFileListUnopened) {
    WriteFile(Folder() / "InstFile.inf", "C:\\A\\b.txt\r\n");
    Watch();
    EXPECT_FALSE(Form1->LoadInstallLists(dirs, files));
    EXPECT_TRUE(ErrorShown());
    EXPECT_EQ(OpenedFiles().count("InstFile.inf"), 0u);
    EXPECT_EQ(files.Count(), 0);
    EXPECT_EQ(backend->Now(), 5000u) << "shown as every error: with its pause";
}

TEST_F(ListFilesTest, MissingFileListShowsTheLoadError) {
    WriteFile(Folder() / "InstDir.inf", "C:\\A\r\n");
    EXPECT_FALSE(Form1->LoadInstallLists(dirs, files));
    EXPECT_TRUE(ErrorShown());
}

TEST_F(ListFilesTest, AFolderInPlaceOfAListFileFailsLikeAMissingOne) {
    std::filesystem::create_directory(Folder() / "InstDir.inf");
    WriteFile(Folder() / "InstFile.inf", "");
    EXPECT_FALSE(Form1->LoadInstallLists(dirs, files));
    EXPECT_TRUE(ErrorShown());
}

} // namespace
