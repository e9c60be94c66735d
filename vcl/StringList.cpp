#include "vcl/StringList.h"

#include "win32/Paths.h"
#include "win32/UniqueFd.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr std::size_t kReadChunk = 64 * 1024;

// "Datei X kann nicht geöffnet werden", in the platform's words.
EFOpenError OpenError(const AnsiString& fileName) {
    return EFOpenError("Datei " + fileName +
                       " kann nicht ge\xF6"
                       "ffnet werden");
}

} // namespace

void TStringList::SetText(std::string_view text) {
    strings_.clear();
    text = text.substr(0, text.find('\0'));
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = text.find_first_of("\r\n", i);
        if (end == std::string_view::npos) {
            strings_.emplace_back(text.substr(i));
            break;
        }
        strings_.emplace_back(text.substr(i, end - i));
        // CR LF is one break; LF CR is two, and the CR starts the next (empty) line.
        i = end + (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n' ? 2 : 1);
    }
}

void TStringList::LoadFromFile(const AnsiString& fileName) {
    win32::MappedPath path = win32::MapWindowsPath(fileName);
    if (!path)
        throw OpenError(fileName);
    win32::UniqueFd fd(::open(path.Path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
    if (!fd.Valid())
        throw OpenError(fileName);
    struct stat st {};
    if (::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode))
        throw OpenError(fileName);
    // Opened without sharing: a file another program holds locked is refused.
    if (::flock(fd.Get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        throw OpenError(fileName);

    std::string bytes;
    char buffer[kReadChunk];
    for (;;) {
        ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            throw EReadError("Fehler beim Lesen von " + fileName);
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    SetText(bytes);
}
