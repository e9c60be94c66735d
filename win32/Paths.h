// Where a Windows path (Windows-1252 bytes) lies on Linux, laid out as a Wine prefix lays
// out drives. Every file operation of the win32 layer and the FILE library maps through here.
//
// - "X:" is $WINEPREFIX/dosdevices/x: (a folder or a link to one); "C:" falls back to
//   $WINEPREFIX/drive_c when that entry is absent; WINEPREFIX defaults to $HOME/.wine.
// - "\" and "/" separate; "C:foo" is "C:\foo"; "\foo" is on drive C:; a path without drive
//   or leading separator is relative to the current folder. "\\server\share" is refused.
// - "." is dropped, ".." removes its parent but stops at the root; trailing dots and blanks
//   of a component are dropped. A component of only dots and blanks (other than "." and
//   "..") would name nothing after that, so it is refused like a forbidden character.
// - Existing components are found ignoring case (exact spelling first, then letters of
//   Windows-1252 folded); components that do not exist keep the spelling given.
#pragma once

#include <filesystem>
#include <string_view>

namespace win32 {

enum class PathError {
    None,
    Empty,        // nothing to map
    Unc,          // a network path: there are no shares here
    InvalidName,  // a component Windows refuses
    MissingDrive, // the drive letter has no folder
    System,       // no current folder, no home folder or no memory
};

struct MappedPath {
    std::filesystem::path Path; // empty unless Error is None
    PathError Error = PathError::None;

    explicit operator bool() const { return Error == PathError::None; }
};

MappedPath MapWindowsPath(std::string_view windowsPath) noexcept;

const char* PathErrorName(PathError error) noexcept;

} // namespace win32
