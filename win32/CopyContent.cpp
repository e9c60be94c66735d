#include "win32/CopyContent.h"

#include "win32/FaultInjection.h"
#include "win32/FileError.h"

#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/sendfile.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <vector>

namespace win32 {

namespace {

using testing::CopyMethod;

// Bounded chunks keep each call short and let a failure show where it happened.
constexpr std::size_t kChunkSize = std::size_t{1} << 20;
constexpr std::size_t kBufferSize = std::size_t{256} << 10;

// The kernel's answers that mean "not this way here" rather than a failed copy.
bool MethodUnavailable(int error) {
    return error == EOPNOTSUPP || error == ENOTTY || error == EXDEV || error == EINVAL ||
           error == ENOSYS || error == EBADF;
}

void CheckInjectedFault(std::uint64_t copied) {
    if (const int error = testing::CopyFaultAfter(copied); error != 0)
        throw FileError("copy", error);
}

bool TryClone(int from, int to) {
    if (::ioctl(to, FICLONE, from) != 0) {
        if (MethodUnavailable(errno))
            return false;
        throw FileError("clone", errno);
    }
    struct stat info {};
    if (::fstat(to, &info) != 0)
        throw FileError("clone", errno);
    CheckInjectedFault(static_cast<std::uint64_t>(info.st_size));
    return true;
}

// Runs `step` (returning bytes moved, 0 at the end, -1 on error) until the end; false when
// the kernel refuses the method before anything was moved.
template <typename Step> bool Pump(Step step, const char* what) {
    std::uint64_t copied = 0;
    for (;;) {
        const ssize_t moved = step();
        if (moved == 0)
            return true;
        if (moved < 0) {
            if (errno == EINTR)
                continue;
            if (copied == 0 && MethodUnavailable(errno))
                return false;
            throw FileError(what, errno);
        }
        copied += static_cast<std::uint64_t>(moved);
        CheckInjectedFault(copied);
    }
}

bool TryCopyFileRange(int from, int to) {
    return Pump([&] { return ::copy_file_range(from, nullptr, to, nullptr, kChunkSize, 0); },
                "copy_file_range");
}

bool TrySendFile(int from, int to) {
    return Pump([&] { return ::sendfile(to, from, nullptr, kChunkSize); }, "sendfile");
}

ssize_t WriteAll(int to, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t written = ::write(to, data + done, size - done);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return -1;
        }
        done += static_cast<std::size_t>(written);
    }
    return static_cast<ssize_t>(done);
}

void ReadWrite(int from, int to) {
    std::vector<char> buffer(kBufferSize);
    const bool done = Pump(
        [&]() -> ssize_t {
            const ssize_t got = ::read(from, buffer.data(), buffer.size());
            if (got <= 0)
                return got;
            if (WriteAll(to, buffer.data(), static_cast<std::size_t>(got)) < 0)
                return -1;
            return got;
        },
        "read/write");
    if (!done)
        throw FileError("read/write", errno);
}

} // namespace

void CopyContent(int from, int to) {
    const CopyMethod first = testing::FirstCopyMethod();
    if (first <= CopyMethod::Clone && TryClone(from, to))
        return;
    if (first <= CopyMethod::CopyFileRange && TryCopyFileRange(from, to))
        return;
    if (first <= CopyMethod::SendFile && TrySendFile(from, to))
        return;
    ReadWrite(from, to);
}

} // namespace win32
