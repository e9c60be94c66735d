// Windows paths mapped onto a Wine prefix: normalisation, drives, case, names Windows refuses.
#include "win32/Paths.h"
#include "tests/support/TestPrefix.h"
#include "win32/CaseFold.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using testprefix::PrefixTest;
using win32::MapWindowsPath;
using win32::PathError;

enum class Base { C, D, Cwd, Root };

struct MappingCase {
    const char* Windows;
    Base Under;
    const char* Expected; // UTF-8, below the base
};

class PathMapping : public PrefixTest {
protected:
    PathMapping() {
        fs::create_directories(C() / "Keldrano" / "Bin");
        fs::create_directories(C() / "\xC3\x84rger"); // "Ärger" in UTF-8
        fs::create_directories(D() / "Data");
        fs::create_directories(D() / "DATA");
        fs::create_directories(Cwd() / "sub");
    }

    fs::path BaseFolder(Base base) const {
        switch (base) {
        case Base::C:
            return C();
        case Base::D:
            return D();
        case Base::Cwd:
            return Cwd();
        case Base::Root:
            return Root();
        }
        return {};
    }
};

TEST_F(PathMapping, MapsLikeWindowsOntoThePrefix) {
    const std::vector<MappingCase> cases = {
        {"C:\\Keldrano\\bin\\prog.exe", Base::C, "Keldrano/Bin/prog.exe"},
        {"c:/KELDRANO/BIN/", Base::C, "Keldrano/Bin"},
        {"C:\\Keldrano/\\//Bin\\.\\x", Base::C, "Keldrano/Bin/x"},
        {"C:\\..\\..\\Keldrano", Base::C, "Keldrano"},
        {"C:\\Keldrano\\..\\..\\..\\new", Base::C, "new"},
        {"C:\\Keldrano\\Bin\\..\\x", Base::C, "Keldrano/x"},
        {"C:\\new. . \\file.txt. ", Base::C, "new/file.txt"},
        {"C:\\ lead", Base::C, " lead"},
        {"C:Keldrano", Base::C, "Keldrano"},
        {"\\Keldrano\\Bin", Base::C, "Keldrano/Bin"},
        {"/keldrano", Base::C, "Keldrano"},
        {"C:", Base::C, ""},
        {"C:\\", Base::C, ""},
        {"C:\\..", Base::C, ""},
        {"d:\\data", Base::D, "DATA"}, // no exact match: the first of the two spellings
        {"D:\\Data\\x", Base::D, "Data/x"},
        {"D:\\", Base::D, ""},
        {"C:\\M\xFCller", Base::C, "M\xC3\xBCller"},
        {"C:\\\xE4RGER\\x", Base::C, "\xC3\x84rger/x"},
        {"C:\\\x80uro", Base::C,
         "\xE2\x82\xAC"
         "uro"},
        {"prog.exe", Base::Cwd, "prog.exe"},
        {".\\prog.exe", Base::Cwd, "prog.exe"},
        {"SUB\\x", Base::Cwd, "sub/x"},
        {"sub\\..\\prog.exe", Base::Cwd, "prog.exe"},
        {"..\\x", Base::Root, "x"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Windows);
        const auto mapped = MapWindowsPath(c.Windows);
        ASSERT_TRUE(mapped) << win32::PathErrorName(mapped.Error);
        const fs::path expected =
            *c.Expected ? BaseFolder(c.Under) / c.Expected : BaseFolder(c.Under);
        EXPECT_EQ(mapped.Path, expected);
    }
}

TEST_F(PathMapping, RefusesWhatWindowsRefuses) {
    const std::vector<std::pair<std::string, PathError>> cases = {
        {"", PathError::Empty},
        {"\\\\server\\share\\x", PathError::Unc},
        {"//server/share", PathError::Unc},
        {"\\/server", PathError::Unc},
        {"E:\\x", PathError::MissingDrive},
        {"C:\\a<b", PathError::InvalidName},
        {"C:\\a>b", PathError::InvalidName},
        {"C:\\a:b", PathError::InvalidName},
        {"C:\\a\"b", PathError::InvalidName},
        {"C:\\a|b\\c", PathError::InvalidName},
        {"C:\\a?b", PathError::InvalidName},
        {"C:\\a*", PathError::InvalidName},
        {"C:\\a\x01", PathError::InvalidName},
        {"C:\\a\x1F"
         "b",
         PathError::InvalidName},
        {std::string("C:\\a\0b", 6), PathError::InvalidName},
        {"C:\\...\\x", PathError::InvalidName},
        {"C:\\ \\x", PathError::InvalidName},
        {"C:\\. .", PathError::InvalidName},
        {"1:\\x", PathError::InvalidName},
    };
    for (const auto& [windows, error] : cases) {
        SCOPED_TRACE(windows);
        const auto mapped = MapWindowsPath(windows);
        EXPECT_EQ(mapped.Error, error) << win32::PathErrorName(mapped.Error);
        EXPECT_TRUE(mapped.Path.empty());
    }
}

TEST_F(PathMapping, DriveCFallsBackToDriveCFolder) {
    fs::remove(C());
    const auto mapped = MapWindowsPath("C:\\Keldrano");
    ASSERT_TRUE(mapped);
    EXPECT_EQ(mapped.Path, Prefix() / "drive_c" / "Keldrano");

    fs::remove_all(Prefix() / "drive_c");
    EXPECT_EQ(MapWindowsPath("C:\\Keldrano").Error, PathError::MissingDrive);
}

TEST_F(PathMapping, DriveThatIsNoFolderIsMissing) {
    testprefix::WriteFile(Prefix() / "dosdevices" / "e:", "not a folder");
    fs::create_symlink("../nowhere", Prefix() / "dosdevices" / "f:");
    EXPECT_EQ(MapWindowsPath("E:\\x").Error, PathError::MissingDrive);
    EXPECT_EQ(MapWindowsPath("F:\\x").Error, PathError::MissingDrive);
    // A dangling C: entry does not fall back to drive_c: the prefix says C: is elsewhere.
    fs::remove(C());
    fs::create_symlink("../nowhere", C());
    EXPECT_EQ(MapWindowsPath("C:\\x").Error, PathError::MissingDrive);
}

TEST_F(PathMapping, PrefixDefaultsToWineInHome) {
    const fs::path home = Root() / "home";
    fs::create_directories(home / ".wine" / "drive_c");
    testprefix::ScopedEnv noPrefix("WINEPREFIX", nullptr);
    testprefix::ScopedEnv homeEnv("HOME", home.c_str());
    const auto mapped = MapWindowsPath("C:\\x");
    ASSERT_TRUE(mapped);
    EXPECT_EQ(mapped.Path, home / ".wine" / "drive_c" / "x");
}

TEST(CaseFold, FoldsTheLettersOfWindows1252Only) {
    struct Case {
        const char* A;
        const char* B;
        bool Same;
    };
    const std::vector<Case> cases = {
        {"Setup.EXE", "setup.exe", true},
        {"\xC3\xA4\xC3\xB6\xC3\xBC", "\xC3\x84\xC3\x96\xC3\x9C", true}, // umlauts
        {"\xC3\x80\xC3\x9E", "\xC3\xA0\xC3\xBE", true},                 // A grave, thorn
        {"\xC5\xA0\xC5\x92\xC5\xBD", "\xC5\xA1\xC5\x93\xC5\xBE", true}, // S caron, OE, Z caron
        {"\xC5\xB8", "\xC3\xBF", true},                                 // Y diaeresis
        {"\xC3\x97", "\xC3\xB7", false}, // multiplication and division signs are no pair
        {"\xC3\x9F", "ss", false},
        {"\xFF", "\xFF", true},
        {"\xC3", "\xC3\xA4", false}, // cut sequence
        {"\xFF", "\xFE", false},
        {"abc", "ab", false},
        {"[", "{", false}, // 0x5B and 0x7B are 0x20 apart but no letters
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.A) + " / " + c.B);
        EXPECT_EQ(win32::SameNameIgnoringCase(c.A, c.B), c.Same);
        EXPECT_EQ(win32::SameNameIgnoringCase(c.B, c.A), c.Same);
    }
}

} // namespace
