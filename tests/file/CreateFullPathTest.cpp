// The FILE library's CreateFullPath on a test prefix, and that it exports nothing else.
#include "file/FILE.h"
#include "tests/support/TestPrefix.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace testprefix;

class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask) : old_(::umask(mask)) {}
    ScopedUmask(const ScopedUmask&) = delete;
    ScopedUmask& operator=(const ScopedUmask&) = delete;
    ~ScopedUmask() { ::umask(old_); }

private:
    mode_t old_;
};

class CreateFullPathTest : public PrefixTest {
protected:
    CreateFullPathTest() {
        fs::create_directories(C() / "Keldrano" / "bin");
        WriteFile(C() / "file.txt", "a file");
    }
};

TEST_F(CreateFullPathTest, CreatesEveryMissingFolder) {
    ScopedUmask mask(022);
    EXPECT_NE(CreateFullPath("C:\\Keldrano\\bin\\sub\\deeper"), 0);
    EXPECT_TRUE(fs::is_directory(C() / "Keldrano" / "bin" / "sub" / "deeper"));
    EXPECT_EQ(ModeBits(C() / "Keldrano" / "bin" / "sub"), 0755u);
    EXPECT_EQ(ModeBits(C() / "Keldrano" / "bin" / "sub" / "deeper"), 0755u);

    EXPECT_NE(CreateFullPath("D:/a/b/"), 0);
    EXPECT_TRUE(fs::is_directory(D() / "a" / "b"));

    EXPECT_NE(CreateFullPath("rel\\dir"), 0);
    EXPECT_TRUE(fs::is_directory(Cwd() / "rel" / "dir"));

    EXPECT_NE(CreateFullPath("C:\\M\xFC"
                             "ller\\Stra\xDF"
                             "e. "),
              0);
    EXPECT_TRUE(fs::is_directory(C() / "M\xC3\xBCller" /
                                 "Stra\xC3\x9F"
                                 "e"));
}

TEST_F(CreateFullPathTest, ExistingFolderSucceedsWithoutDuplicates) {
    const auto before = Entries(C());
    EXPECT_NE(CreateFullPath("C:\\Keldrano\\bin"), 0);
    EXPECT_NE(CreateFullPath("c:\\KELDRANO\\BIN\\"), 0);
    EXPECT_NE(CreateFullPath("C:\\"), 0);
    EXPECT_EQ(Entries(C()), before);
    EXPECT_EQ(Entries(C() / "Keldrano"), std::set<std::string>{"bin"});
}

TEST_F(CreateFullPathTest, DotDotStopsAtTheDriveRoot) {
    EXPECT_NE(CreateFullPath("C:\\..\\..\\..\\top"), 0);
    EXPECT_TRUE(fs::is_directory(C() / "top"));
    EXPECT_FALSE(fs::exists(Prefix() / "top"));
    EXPECT_FALSE(fs::exists(Root() / "top"));
}

TEST_F(CreateFullPathTest, FailsAndCreatesNothing) {
    const std::vector<const char*> cases = {
        "",
        "C:\\file.txt",
        "C:\\FILE.TXT\\sub",
        "Q:\\new",
        "\\\\server\\share\\new",
        "C:\\new\\bad|name",
        "C:\\new\\what?",
        "C:\\new\\...",
    };
    const auto before = Entries(C());
    for (const char* path : cases) {
        SCOPED_TRACE(path);
        EXPECT_EQ(CreateFullPath(path), 0);
        EXPECT_EQ(Entries(C()), before);
    }
    EXPECT_EQ(CreateFullPath(nullptr), 0);
    EXPECT_EQ(ReadFile(C() / "file.txt"), "a file");
}

TEST(FileLibrary, ExportsOnlyCreateFullPath) {
    const std::string library = std::string(SETUP_BINARY_DIR) + "/app/libFILE.so";
    ASSERT_TRUE(fs::exists(library)) << library;
    const std::string command = "nm -D --defined-only '" + library + "' 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
    ASSERT_NE(pipe, nullptr);
    std::vector<std::string> symbols;
    char line[512];
    while (std::fgets(line, sizeof line, pipe.get()) != nullptr) {
        std::string text(line);
        if (!text.empty() && text.back() == '\n')
            text.pop_back();
        symbols.push_back(text.substr(text.rfind(' ') + 1));
    }
    if (symbols.empty())
        GTEST_SKIP() << "nm printed nothing; binutils missing?";
    EXPECT_EQ(symbols, std::vector<std::string>{"CreateFullPath"});
}

} // namespace
