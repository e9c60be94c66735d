#include "win32/FileCopy.h"

#include "win32/CopyContent.h"
#include "win32/FileError.h"
#include "win32/PendingFile.h"
#include "win32/UniqueFd.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace fs = std::filesystem;

namespace win32 {

namespace {

constexpr mode_t kModeBits = 07777;

bool ReadOnly(const struct stat& info) {
    return (info.st_mode & S_IWUSR) == 0;
}

bool SameFile(const struct stat& a, const struct stat& b) {
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// Where the copy lands: a link is followed, as Windows writes through it (a dangling one
// fails); `found` tells whether something is there, described by `info`.
fs::path ResolveDestination(const fs::path& destination, struct stat& info, bool& found) {
    found = false;
    if (::lstat(destination.c_str(), &info) != 0) {
        if (errno != ENOENT)
            throw FileError("inspect " + destination.string(), errno);
        return destination;
    }
    found = true;
    if (!S_ISLNK(info.st_mode))
        return destination;
    if (::stat(destination.c_str(), &info) != 0)
        throw FileError("follow " + destination.string(), errno);
    return fs::canonical(destination);
}

void CheckDestination(const struct stat& existing, const struct stat& source, bool failIfExists,
                      const fs::path& name) {
    if (S_ISDIR(existing.st_mode))
        throw FileError(name.string(), EISDIR);
    if (SameFile(existing, source))
        throw FileError(name.string() + " is the source itself", EINVAL);
    if (failIfExists)
        throw FileError(name.string(), EEXIST);
    if (!S_ISREG(existing.st_mode))
        throw FileError(name.string() + " is no plain file", EINVAL);
    if (ReadOnly(existing))
        throw FileError(name.string() + " is read-only", EACCES);
}

} // namespace

void CopyFileDurably(const fs::path& source, const fs::path& destination, bool failIfExists) {
    // Non-blocking, so a pipe in the source's place fails below instead of hanging.
    UniqueFd in(::open(source.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!in.Valid())
        throw FileError("open " + source.string(), errno);
    struct stat from {};
    if (::fstat(in.Get(), &from) != 0)
        throw FileError("inspect " + source.string(), errno);
    if (S_ISDIR(from.st_mode))
        throw FileError(source.string(), EISDIR);
    if (!S_ISREG(from.st_mode))
        throw FileError(source.string() + " is no plain file", EINVAL);

    struct stat existing {};
    bool found = false;
    const fs::path target = ResolveDestination(destination, existing, found);
    if (found)
        CheckDestination(existing, from, failIfExists, target);

    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    UniqueFd folderFd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folderFd.Valid())
        throw FileError("open folder " + folder.string(), errno);

    PendingFile copy(folderFd.Get(), target.filename().string());
    CopyContent(in.Get(), copy.Fd());
    if (::fchmod(copy.Fd(), from.st_mode & kModeBits) != 0)
        throw FileError("set mode", errno);
    const struct timespec times[2] = {{0, UTIME_OMIT}, from.st_mtim};
    if (::futimens(copy.Fd(), times) != 0)
        throw FileError("set modification time", errno);
    copy.Commit();
}

void RemoveFile(const fs::path& file) {
    struct stat info {};
    if (::lstat(file.c_str(), &info) != 0)
        throw FileError("inspect " + file.string(), errno);
    // A link is judged by what it points to; a dangling one is just a name to remove.
    if (struct stat target{}; S_ISLNK(info.st_mode) && ::stat(file.c_str(), &target) == 0)
        info = target;
    if (S_ISDIR(info.st_mode))
        throw FileError(file.string(), EISDIR);
    if (ReadOnly(info))
        throw FileError(file.string() + " is read-only", EACCES);
    if (::unlink(file.c_str()) != 0)
        throw FileError("delete " + file.string(), errno);
}

} // namespace win32
