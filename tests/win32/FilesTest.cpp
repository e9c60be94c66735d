// CopyFileA and DeleteFileA on a test prefix: what a copy keeps, and that every failure
// leaves source, old destination and destination folder exactly as they were.
#include "win32/Files.h"
#include "tests/support/TestPrefix.h"
#include "win32/FaultInjection.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace testprefix;
using win32::testing::CopyMethod;
using win32::testing::TempFileKind;

constexpr std::size_t kLargeSize = (std::size_t{3} << 20) + 12345; // several copy chunks
const std::string kOldContent = "old destination content";

// Puts the copy's test seams back to normal whatever a test changed.
class SeamReset {
public:
    SeamReset() = default;
    SeamReset(const SeamReset&) = delete;
    SeamReset& operator=(const SeamReset&) = delete;
    ~SeamReset() {
        win32::testing::SetCopyFault({});
        win32::testing::SetFirstCopyMethod(CopyMethod::Clone);
        win32::testing::SetTempFileKind(TempFileKind::Anonymous);
    }
};

class FilesTest : public PrefixTest {
protected:
    FilesTest() {
        fs::create_directories(C() / "in");
        fs::create_directories(C() / "out" / "sub");
        WriteFile(Source(), source_);
        WriteFile(Destination(), kOldContent);
    }

public:
    fs::path Source() const { return C() / "in" / "src.bin"; }
    fs::path Destination() const { return C() / "out" / "dest.bin"; }
    const std::string& SourceContent() const { return source_; }

private:
    SeamReset seams_;
    std::string source_ = PatternedBytes(kLargeSize);
};

struct CopyFault {
    const char* Name;
    const char* From;
    const char* To;
    BOOL FailIfExists;
    std::function<void(FilesTest&)> Arrange;
};

// Each row must fail and change nothing: no new entry anywhere in C:\out, C:\in or C:\.
class CopyFailures : public FilesTest {
public:
    void Check(const CopyFault& row) {
        SCOPED_TRACE(row.Name);
        if (row.Arrange)
            row.Arrange(*this);
        const auto outBefore = Entries(C() / "out");
        const auto inBefore = Entries(C() / "in");
        const auto rootBefore = Entries(C());
        const mode_t destinationMode = ModeBits(Destination());

        EXPECT_EQ(CopyFileA(row.From, row.To, row.FailIfExists), FALSE);

        EXPECT_EQ(ReadFile(Source()), SourceContent());
        EXPECT_EQ(ReadFile(Destination()), kOldContent);
        EXPECT_EQ(ModeBits(Destination()), destinationMode);
        EXPECT_EQ(Entries(C() / "out"), outBefore);
        EXPECT_EQ(Entries(C() / "in"), inBefore);
        EXPECT_EQ(Entries(C()), rootBefore);
        EXPECT_TRUE(fs::is_directory(C() / "out" / "sub"));
    }
};

TEST_F(CopyFailures, LeaveEverythingAsItWas) {
    const std::vector<CopyFault> rows = {
        {"missing source", "C:\\in\\missing.bin", "C:\\out\\dest.bin", FALSE, {}},
        {"source is a folder", "C:\\out\\sub", "C:\\out\\dest.bin", FALSE, {}},
        {"missing destination folder", "C:\\in\\src.bin", "C:\\nofolder\\dest.bin", FALSE, {}},
        {"destination is a folder", "C:\\in\\src.bin", "C:\\out\\sub", FALSE, {}},
        {"destination is the drive", "C:\\in\\src.bin", "C:\\", FALSE, {}},
        {"destination exists, fail if exists", "C:\\in\\src.bin", "C:\\out\\dest.bin", TRUE, {}},
        {"read-only destination", "C:\\in\\src.bin", "C:\\out\\dest.bin", FALSE,
         [](FilesTest& t) { fs::permissions(t.Destination(), fs::perms(0444)); }},
        {"same file, other case", "C:\\in\\src.bin", "c:\\IN\\SRC.BIN", FALSE, {}},
        {"same file through ..", "C:\\in\\src.bin", "C:\\out\\..\\in\\src.bin", FALSE, {}},
        {"same file, relative source", "src.bin", "C:\\in\\SRC.bin", FALSE,
         [](FilesTest& t) { fs::current_path(t.Source().parent_path()); }},
        {"same file through a link", "C:\\in\\src.bin", "C:\\out\\link.bin", FALSE,
         [](FilesTest& t) { fs::create_symlink("../in/src.bin", t.C() / "out" / "link.bin"); }},
        {"same file through a hard link", "C:\\in\\src.bin", "C:\\out\\hard.bin", FALSE,
         [](FilesTest& t) { fs::create_hard_link(t.Source(), t.C() / "out" / "hard.bin"); }},
        {"invalid destination name", "C:\\in\\src.bin", "C:\\out\\dest?.bin", FALSE, {}},
        {"missing drive", "C:\\in\\src.bin", "Q:\\dest.bin", FALSE, {}},
        {"network path", "C:\\in\\src.bin", "\\\\server\\share\\dest.bin", FALSE, {}},
        {"empty destination", "C:\\in\\src.bin", "", FALSE, {}},
    };
    for (const auto& row : rows)
        Check(row);
}

TEST_F(FilesTest, NullNamesFail) {
    EXPECT_EQ(CopyFileA(nullptr, "C:\\out\\x", FALSE), FALSE);
    EXPECT_EQ(CopyFileA("C:\\in\\src.bin", nullptr, FALSE), FALSE);
    EXPECT_EQ(DeleteFileA(nullptr), FALSE);
}

// Every kernel path and both kinds of temporary file, with an error half way through.
class CopyEngines : public FilesTest,
                    public ::testing::WithParamInterface<std::tuple<CopyMethod, TempFileKind>> {
protected:
    CopyEngines() {
        win32::testing::SetFirstCopyMethod(std::get<0>(GetParam()));
        win32::testing::SetTempFileKind(std::get<1>(GetParam()));
    }
};

TEST_P(CopyEngines, OverwriteKeepsContentModeAndTime) {
    fs::permissions(Source(), fs::perms(0640));
    fs::permissions(Destination(), fs::perms(0600));
    const struct timespec times[2] = {{1000000000, 1}, {981173106, 123456789}};
    ASSERT_EQ(::utimensat(AT_FDCWD, Source().c_str(), times, 0), 0);
    const auto outBefore = Entries(C() / "out");

    ASSERT_EQ(CopyFileA("C:\\in\\src.bin", "C:\\OUT\\Dest.BIN", FALSE), TRUE);

    EXPECT_TRUE(ReadFile(Destination()) == SourceContent()) << "content differs";
    EXPECT_EQ(ModeBits(Destination()), 0640u);
    struct stat copied {};
    ASSERT_EQ(::stat(Destination().c_str(), &copied), 0);
    EXPECT_EQ(copied.st_mtim.tv_sec, times[1].tv_sec);
    EXPECT_EQ(copied.st_mtim.tv_nsec, times[1].tv_nsec);
    EXPECT_EQ(Entries(C() / "out"), outBefore);
    EXPECT_TRUE(ReadFile(Source()) == SourceContent());
}

TEST_P(CopyEngines, CopiesAnEmptyFileToANewName) {
    WriteFile(C() / "in" / "empty", "");
    ASSERT_EQ(CopyFileA("C:\\in\\empty", "C:\\out\\new", TRUE), TRUE);
    EXPECT_TRUE(fs::is_regular_file(C() / "out" / "new"));
    EXPECT_EQ(fs::file_size(C() / "out" / "new"), 0u);
}

TEST_P(CopyEngines, ErrorHalfWayLeavesOldDestination) {
    std::uint64_t failedAt = 0;
    win32::testing::SetCopyFault([&](std::uint64_t copied) {
        failedAt = copied;
        return EIO;
    });
    const auto outBefore = Entries(C() / "out");

    EXPECT_EQ(CopyFileA("C:\\in\\src.bin", "C:\\out\\dest.bin", FALSE), FALSE);
    EXPECT_EQ(CopyFileA("C:\\in\\src.bin", "C:\\out\\fresh.bin", FALSE), FALSE);

    EXPECT_GT(failedAt, 0u);
    // A clone copies in one step, so only the other ways can fail inside the file.
    if (std::get<0>(GetParam()) != CopyMethod::Clone) {
        EXPECT_LT(failedAt, kLargeSize);
    }
    EXPECT_EQ(ReadFile(Destination()), kOldContent);
    EXPECT_EQ(Entries(C() / "out"), outBefore);
    EXPECT_TRUE(ReadFile(Source()) == SourceContent());
}

std::string EngineName(const ::testing::TestParamInfo<CopyEngines::ParamType>& info) {
    static const char* const methods[] = {"Clone", "CopyFileRange", "SendFile", "ReadWrite"};
    static const char* const kinds[] = {"Anonymous", "Named"};
    return std::string(methods[int(std::get<0>(info.param))]) + "_" +
           kinds[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(
    , CopyEngines,
    ::testing::Combine(::testing::Values(CopyMethod::Clone, CopyMethod::CopyFileRange,
                                         CopyMethod::SendFile, CopyMethod::ReadWrite),
                       ::testing::Values(TempFileKind::Anonymous, TempFileKind::Named)),
    EngineName);

TEST_F(FilesTest, CopiesFromTheCurrentFolderToANewFile) {
    WriteFile(Cwd() / "prog.exe", "program");
    fs::create_directories(C() / "Keldrano" / "bin");
    ASSERT_EQ(CopyFileA("prog.exe", "C:\\KELDRANO\\Bin\\prog.exe", FALSE), TRUE);
    EXPECT_EQ(ReadFile(C() / "Keldrano" / "bin" / "prog.exe"), "program");
    EXPECT_EQ(Entries(C() / "Keldrano" / "bin"), std::set<std::string>{"prog.exe"});
    EXPECT_EQ(ReadFile(Cwd() / "prog.exe"), "program");
}

TEST_F(FilesTest, WritesThroughADestinationLink) {
    fs::create_symlink("dest.bin", C() / "out" / "link.bin");
    ASSERT_EQ(CopyFileA("C:\\in\\src.bin", "C:\\out\\link.bin", FALSE), TRUE);
    EXPECT_TRUE(fs::is_symlink(C() / "out" / "link.bin"));
    EXPECT_TRUE(ReadFile(Destination()) == SourceContent());
}

// A tmpfs too small for the source: the kernel itself runs out of space mid-copy.
class FullFileSystem : public FilesTest {
protected:
    static constexpr const char* kSize = "size=1m";

    void SetUp() override {
        mountPoint_ = Root() / "small";
        fs::create_directories(mountPoint_);
        if (::mount("tmpfs", mountPoint_.c_str(), "tmpfs", 0, kSize) != 0)
            GTEST_SKIP() << "cannot mount a tmpfs here (" << std::strerror(errno)
                         << "); the injected error covers a failing write";
        mounted_ = true;
        fs::create_symlink(mountPoint_, Prefix() / "dosdevices" / "e:");
        WriteFile(mountPoint_ / "dest.bin", kOldContent);
    }
    void TearDown() override {
        if (mounted_)
            ::umount2(mountPoint_.c_str(), MNT_DETACH);
    }

    fs::path mountPoint_;
    bool mounted_ = false;
};

TEST_F(FullFileSystem, FailsAndLeavesOldDestination) {
    for (TempFileKind kind : {TempFileKind::Anonymous, TempFileKind::Named}) {
        win32::testing::SetTempFileKind(kind);
        EXPECT_EQ(CopyFileA("C:\\in\\src.bin", "E:\\DEST.bin", FALSE), FALSE);
        EXPECT_EQ(ReadFile(mountPoint_ / "dest.bin"), kOldContent);
        EXPECT_EQ(Entries(mountPoint_), std::set<std::string>{"dest.bin"});
        // The space the failed copy took is given back.
        EXPECT_EQ(CopyFileA("C:\\out\\dest.bin", "E:\\small.bin", FALSE), TRUE);
        EXPECT_TRUE(DeleteFileA("E:\\small.bin"));
    }
}

struct DeleteCase {
    const char* Name;
    const char* Windows;
    BOOL Expected;
    fs::path (*Target)(const FilesTest&); // what must be gone, or still there on failure
};

TEST_F(FilesTest, DeleteFileA) {
    fs::create_symlink("../in/src.bin", C() / "out" / "link.bin");
    WriteFile(C() / "out" / "locked.bin", "locked");
    fs::permissions(C() / "out" / "locked.bin", fs::perms(0444));
    const std::vector<DeleteCase> cases = {
        {"folder", "C:\\out\\sub", FALSE, [](const FilesTest& t) { return t.C() / "out/sub"; }},
        {"read-only", "C:\\out\\locked.bin", FALSE,
         [](const FilesTest& t) { return t.C() / "out/locked.bin"; }},
        {"missing", "C:\\out\\missing.bin", FALSE,
         [](const FilesTest& t) { return t.C() / "out/missing.bin"; }},
        {"invalid name", "C:\\out\\dest.bin?", FALSE,
         [](const FilesTest& t) { return t.C() / "out/dest.bin"; }},
        {"link, target stays", "C:\\out\\LINK.bin", TRUE,
         [](const FilesTest& t) { return t.C() / "out/link.bin"; }},
        {"file in other case", "c:\\OUT\\Dest.Bin", TRUE,
         [](const FilesTest& t) { return t.Destination(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        const fs::path target = c.Target(*this);
        const bool existed = fs::exists(fs::symlink_status(target));
        EXPECT_EQ(DeleteFileA(c.Windows), c.Expected);
        EXPECT_EQ(fs::exists(fs::symlink_status(target)), existed && c.Expected == FALSE);
    }
    EXPECT_TRUE(ReadFile(Source()) == SourceContent());
    EXPECT_EQ(Entries(C() / "out"), (std::set<std::string>{"locked.bin", "sub"}));
}

} // namespace
