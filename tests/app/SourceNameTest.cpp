// The bare file name taken from an InstFile.inf line: the source moved to that line.
#include "app/SourceName.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The platform looks at this many characters of a line, and holds names up to this long.
constexpr std::size_t kExamined = 260;
constexpr std::size_t kLongestName = 254;

struct TCase {
    const char* What;
    AnsiString Line;
    AnsiString Expected;
};

TEST(SourceName, LastComponentOfTheLine) {
    const AnsiString longest(kLongestName, 'n');
    const AnsiString tooLong(kLongestName + 1, 'n');
    // "C:\ab\" and then x up to the examined end: the name seen is cut there.
    const AnsiString head = "C:\\ab\\";
    const AnsiString cut =
        head + std::string(kExamined - head.size() + 4, 'x') + "\\" + std::string(35, 'y');
    const AnsiString separatorAtLastExamined = std::string(kExamined - 1, 'a') + "\\" + "name.txt";
    const AnsiString separatorJustBeyond =
        "C:\\dir\\" + std::string(kExamined - 7, 'a') + "\\name.txt";
    const TCase cases[] = {
        {"backslash", "C:\\Keldrano\\bin\\prog.exe", "prog.exe"},
        {"slash", "C:/Keldrano/bin/prog.exe", "prog.exe"},
        {"mixed, slash last", "C:\\Keldrano/bin\\sub/prog.exe", "prog.exe"},
        {"mixed, backslash last", "C:/Keldrano\\prog.exe", "prog.exe"},
        {"drive and name", "C:name.txt", "name.txt"},
        {"drive and folder", "C:dir\\name.txt", "name.txt"},
        {"drive only", "C:", ""},
        {"colon not second", "abc:name.txt", "abc:name.txt"},
        {"no separator", "prog.exe", "prog.exe"},
        {"single character", "p", "p"},
        {"empty line", "", ""},
        {"trailing backslash", "C:\\Keldrano\\bin\\", ""},
        {"trailing slash", "C:/Keldrano/", ""},
        {"dot", "C:\\Keldrano\\.", ""},
        {"dot dot", "C:\\Keldrano\\..", ""},
        {"bare dot", ".", ""},
        {"bare dot dot", "..", ""},
        {"three dots are a name", "C:\\Keldrano\\...", "..."},
        {"several dots", "C:\\Keldrano\\archiv.tar.gz", "archiv.tar.gz"},
        {"leading dot", "C:\\Keldrano\\.profile", ".profile"},
        {"blanks kept", "C:\\Keldrano\\mein programm.exe ", "mein programm.exe "},
        {"Windows-1252 bytes", "C:\\Gr\xFC\xDF\x65\\\xC4rger \x80.txt", "\xC4rger \x80.txt"},
        {"254 characters", "C:\\" + longest, longest},
        {"255 characters", "C:\\" + tooLong, ""},
        {"255 without separator", tooLong, ""},
        {"separator after character 260", cut, std::string(kLongestName, 'x')},
        {"separator is character 260", separatorAtLastExamined, ""},
        {"separator is character 261", separatorJustBeyond, std::string(kExamined - 7, 'a')},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ExtractSourceName(c.Line), c.Expected) << c.What;
}

} // namespace
