#include "win32/Paths.h"

#include "win32/CaseFold.h"
#include "win32/Cp1252.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace win32 {

namespace {

constexpr std::string_view kRefusedCharacters = "<>:\"|?*";
constexpr unsigned char kFirstPrintable = 0x20;
constexpr char kDefaultDrive = 'c';

bool IsSeparator(char c) {
    return c == '\\' || c == '/';
}

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool HasRefusedCharacter(std::string_view name) {
    for (char c : name) {
        if (static_cast<unsigned char>(c) < kFirstPrintable ||
            kRefusedCharacters.find(c) != std::string_view::npos)
            return true;
    }
    return false;
}

std::string_view TrimTrailingDotsAndBlanks(std::string_view name) {
    const auto last = name.find_last_not_of(". ");
    return last == std::string_view::npos ? std::string_view{} : name.substr(0, last + 1);
}

std::optional<fs::path> HomeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        return fs::path(home);
    const long suggested = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    constexpr long kFallbackBufferSize = 16384;
    std::vector<char> buffer(
        static_cast<std::size_t>(suggested > 0 ? suggested : kFallbackBufferSize));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::getuid(), &entry, buffer.data(), buffer.size(), &found) != 0 ||
        found == nullptr || found->pw_dir == nullptr)
        return std::nullopt;
    return fs::path(found->pw_dir);
}

std::optional<fs::path> WinePrefix() {
    if (const char* prefix = std::getenv("WINEPREFIX"); prefix != nullptr && *prefix != '\0')
        return fs::path(prefix);
    auto home = HomeFolder();
    if (!home)
        return std::nullopt;
    return *home / ".wine";
}

// The folder a drive letter stands for, or nothing for a missing drive.
std::optional<fs::path> DriveFolder(char letter) {
    const auto prefix = WinePrefix();
    if (!prefix)
        return std::nullopt;
    std::error_code ec;
    const fs::path device = *prefix / "dosdevices" / std::string{letter, ':'};
    if (fs::exists(fs::symlink_status(device, ec))) {
        if (fs::is_directory(device, ec))
            return device;
        return std::nullopt;
    }
    if (letter == kDefaultDrive) {
        const fs::path driveC = *prefix / "drive_c";
        if (fs::is_directory(driveC, ec))
            return driveC;
    }
    return std::nullopt;
}

// The name of an existing entry of `folder` that matches `name` ignoring case, preferring
// the exact spelling; nothing when there is none or the folder cannot be read.
std::optional<std::string> FindEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(fs::symlink_status(folder / name, ec)))
        return name;
    std::optional<std::string> best;
    fs::directory_iterator it(folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        std::string candidate = it->path().filename().string();
        // Several spellings may match on a case-sensitive file system; take a stable one.
        if (SameNameIgnoringCase(candidate, name) && (!best || candidate < *best))
            best = std::move(candidate);
    }
    return best;
}

struct Layout {
    fs::path Root;
    std::vector<std::string> Components; // Linux (UTF-8) names below Root
};

// Splits the path below its root, applying Windows' normalisation; names become UTF-8.
PathError AppendComponents(std::string_view rest, std::vector<std::string>& components) {
    std::size_t start = 0;
    while (start <= rest.size()) {
        std::size_t end = start;
        while (end < rest.size() && !IsSeparator(rest[end]))
            ++end;
        const std::string_view name = rest.substr(start, end - start);
        start = end + 1;
        if (name.empty() || name == ".")
            continue;
        if (name == "..") {
            if (!components.empty())
                components.pop_back();
            continue;
        }
        if (HasRefusedCharacter(name))
            return PathError::InvalidName;
        const std::string_view trimmed = TrimTrailingDotsAndBlanks(name);
        if (trimmed.empty())
            return PathError::InvalidName;
        components.push_back(win32::Cp1252ToUtf8(trimmed));
    }
    return PathError::None;
}

MappedPath Failure(PathError error) {
    MappedPath result;
    result.Error = error;
    return result;
}

MappedPath Map(std::string_view windowsPath) {
    if (windowsPath.empty())
        return Failure(PathError::Empty);
    if (windowsPath.size() >= 2 && IsSeparator(windowsPath[0]) && IsSeparator(windowsPath[1]))
        return Failure(PathError::Unc);

    Layout layout;
    std::string_view rest = windowsPath;
    std::optional<char> drive;
    if (windowsPath.size() >= 2 && IsAsciiLetter(windowsPath[0]) && windowsPath[1] == ':') {
        drive = LowerAscii(windowsPath[0]);
        rest.remove_prefix(2);
    } else if (IsSeparator(windowsPath[0])) {
        drive = kDefaultDrive;
    }

    if (drive) {
        auto folder = DriveFolder(*drive);
        if (!folder)
            return Failure(PathError::MissingDrive);
        layout.Root = std::move(*folder);
    } else {
        // Relative to the current folder, which Windows' ".." may leave upwards.
        std::error_code ec;
        const fs::path current = fs::current_path(ec);
        if (ec)
            return Failure(PathError::System);
        layout.Root = current.root_path();
        for (const auto& part : current.relative_path())
            layout.Components.push_back(part.string());
    }

    if (const PathError error = AppendComponents(rest, layout.Components); error != PathError::None)
        return Failure(error);

    MappedPath result;
    result.Path = layout.Root;
    bool existing = true;
    for (const auto& name : layout.Components) {
        std::optional<std::string> entry;
        if (existing)
            entry = FindEntry(result.Path, name);
        existing = entry.has_value();
        result.Path /= existing ? *entry : name;
    }
    return result;
}

} // namespace

MappedPath MapWindowsPath(std::string_view windowsPath) noexcept {
    try {
        return Map(windowsPath);
    } catch (...) {
        return Failure(PathError::System);
    }
}

const char* PathErrorName(PathError error) noexcept {
    switch (error) {
    case PathError::None:
        return "none";
    case PathError::Empty:
        return "empty path";
    case PathError::Unc:
        return "network path";
    case PathError::InvalidName:
        return "invalid name";
    case PathError::MissingDrive:
        return "missing drive";
    case PathError::System:
        return "system failure";
    }
    return "unknown";
}

} // namespace win32
