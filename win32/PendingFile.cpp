#include "win32/PendingFile.h"

#include "win32/FaultInjection.h"
#include "win32/FileError.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstdio>

namespace win32 {

namespace {

constexpr mode_t kPrivateMode = 0600;
constexpr int kNameAttempts = 100;

// A hidden name no other copy picks; short, so it fits wherever the final name fits.
std::string HiddenName() {
    static std::atomic<std::uint32_t> counter{0};
    std::uint64_t random = 0;
    if (::getrandom(&random, sizeof random, GRND_NONBLOCK) != sizeof random)
        random = (std::uint64_t(::getpid()) << 32) ^ counter.fetch_add(1);
    char name[32];
    std::snprintf(name, sizeof name, ".~cp%016llx.tmp", static_cast<unsigned long long>(random));
    return name;
}

bool KernelLacksTmpFile(int error) {
    return error == EOPNOTSUPP || error == EISDIR || error == EINVAL || error == ENOSYS;
}

} // namespace

PendingFile::PendingFile(int folderFd, std::string finalName)
    : folderFd_(folderFd), finalName_(std::move(finalName)) {
    // An anonymous file never shows a half-written copy, even after a crash.
    if (testing::PreferredTempFileKind() == testing::TempFileKind::Anonymous) {
        fd_ = UniqueFd(::openat(folderFd_, ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, kPrivateMode));
        if (fd_.Valid()) {
            anonymous_ = true;
            return;
        }
        if (!KernelLacksTmpFile(errno))
            throw FileError("create temporary file", errno);
    }
    CreateNamed();
}

PendingFile::~PendingFile() {
    if (!tempName_.empty())
        ::unlinkat(folderFd_, tempName_.c_str(), 0);
}

void PendingFile::CreateNamed() {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = HiddenName();
        const int fd = ::openat(folderFd_, name.c_str(),
                                O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC | O_NOFOLLOW, kPrivateMode);
        if (fd >= 0) {
            fd_ = UniqueFd(fd);
            tempName_ = std::move(name);
            return;
        }
        if (errno != EEXIST)
            throw FileError("create temporary file", errno);
    }
    throw FileError("create temporary file", EEXIST);
}

void PendingFile::LinkAnonymous() {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_.Get());
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = HiddenName();
        int result = ::linkat(AT_FDCWD, self.c_str(), folderFd_, name.c_str(), AT_SYMLINK_FOLLOW);
        if (result != 0 && errno == ENOENT) // no /proc: needs the capability instead
            result = ::linkat(fd_.Get(), "", folderFd_, name.c_str(), AT_EMPTY_PATH);
        if (result == 0) {
            tempName_ = std::move(name);
            return;
        }
        if (errno != EEXIST)
            throw FileError("name temporary file", errno);
    }
    throw FileError("name temporary file", EEXIST);
}

void PendingFile::Commit() {
    if (::fsync(fd_.Get()) != 0)
        throw FileError("flush copy", errno);
    if (anonymous_)
        LinkAnonymous();
    if (::renameat(folderFd_, tempName_.c_str(), folderFd_, finalName_.c_str()) != 0)
        throw FileError("replace " + finalName_, errno);
    tempName_.clear();
    // A file system that cannot flush folders reports EINVAL; the rename is as durable
    // as it gets there.
    if (::fsync(folderFd_) != 0 && errno != EINVAL)
        throw FileError("flush folder", errno);
}

} // namespace win32
