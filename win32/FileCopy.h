// The copy and removal behind CopyFileA and DeleteFileA, on Linux paths, with Windows'
// rules for folders, read-only files and a file copied onto itself. Throw FileError.
#pragma once

#include <filesystem>

namespace win32 {

// Atomic and durable: the destination is replaced in one step after the copy, its mode
// and modification time set from the source, has reached the disk; on failure it is left
// as it was.
void CopyFileDurably(const std::filesystem::path& source, const std::filesystem::path& destination,
                     bool failIfExists);

void RemoveFile(const std::filesystem::path& file);

} // namespace win32
