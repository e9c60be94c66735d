#include "vcl/StringList.h"

#include "tests/support/TestPrefix.h"
#include "win32/UniqueFd.h"

#include <fcntl.h>
#include <sys/file.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testprefix::WriteFile;
using Lines = std::vector<AnsiString>;

Lines Entries(const TStringList& list) {
    Lines out;
    for (int i = 0; i < list.Count(); ++i)
        out.push_back(list.Strings(i));
    return out;
}

struct LineCase {
    const char* what;
    std::string bytes;
    Lines expected;
};

const LineCase kLineCases[] = {
    {"CR LF", "C:\\A\r\nC:\\B\r\n", {"C:\\A", "C:\\B"}},
    {"LF", "C:\\A\nC:\\B\n", {"C:\\A", "C:\\B"}},
    {"CR", "C:\\A\rC:\\B\r", {"C:\\A", "C:\\B"}},
    {"no final break", "C:\\A\r\nC:\\B", {"C:\\A", "C:\\B"}},
    {"blank line inside", "A\r\n\r\nB", {"A", "", "B"}},
    {"LF CR gives an empty line after each", "A\n\rB\n\r", {"A", "", "B", ""}},
    {"zero byte ends the text", std::string("A\r\nB\0C\r\nD", 9), {"A", "B"}},
    {"blanks and tabs kept", "  C:\\A \t\r\n", {"  C:\\A \t"}},
    {"byte-order mark stays in the first line",
     "\xEF\xBB\xBF"
     "A\r\nB",
     {"\xEF\xBB\xBF"
      "A",
      "B"}},
    {"empty file", "", {}},
    {"one line break", "\r\n", {""}},
    {"lone LF", "\n", {""}},
    {"Windows-1252 bytes pass unchanged", "C:\\M\xFCller\r\n", {"C:\\M\xFCller"}},
};

class StringListFiles : public testprefix::PrefixTest {};

TEST(StringList, SplitsByTheLineRule) {
    for (const LineCase& c : kLineCases) {
        TStringList list;
        list.Add("left over");
        list.SetText(c.bytes);
        EXPECT_EQ(Entries(list), c.expected) << c.what;
    }
}

TEST_F(StringListFiles, LoadsFilesByTheSameRule) {
    for (const LineCase& c : kLineCases) {
        WriteFile(Cwd() / "InstDir.inf", c.bytes);
        TStringList list;
        list.LoadFromFile("InstDir.inf");
        EXPECT_EQ(Entries(list), c.expected) << c.what;
    }
}

TEST_F(StringListFiles, FindsTheFileWithoutRegardToCaseExactNameFirst) {
    WriteFile(Cwd() / "INSTDIR.INF", "upper\r\n");
    TStringList list;
    list.LoadFromFile("InstDir.inf");
    EXPECT_EQ(Entries(list), Lines{"upper"});
    WriteFile(Cwd() / "InstDir.inf", "exact\r\n");
    list.LoadFromFile("InstDir.inf");
    EXPECT_EQ(Entries(list), Lines{"exact"});
}

TEST_F(StringListFiles, FilesThatCannotBeOpenedRaiseAnErrorNamingThem) {
    std::filesystem::create_directory(Cwd() / "InstDir.inf");
    WriteFile(Cwd() / "Locked.inf", "x\r\n");
    win32::UniqueFd holder(::open((Cwd() / "Locked.inf").c_str(), O_RDONLY));
    ASSERT_EQ(::flock(holder.Get(), LOCK_EX | LOCK_NB), 0);

    for (const char* name : {"Missing.inf", "InstDir.inf", "Locked.inf", "bad|name.inf", ""}) {
        TStringList list;
        list.Add("kept");
        try {
            list.LoadFromFile(name);
            ADD_FAILURE() << name << " loaded";
        } catch (const EFOpenError& e) {
            EXPECT_NE(e.Message().find(name), std::string::npos) << e.Message();
        }
    }
}

} // namespace
