// File operations of the Windows API over the Linux file system. Paths are Windows paths
// (Windows-1252 bytes) mapped by win32/Paths.h. Neither call throws: failure is FALSE.
#pragma once

#include "win32/WinTypes.h"

// Copies atomically and durably, keeping mode and modification time. Fails for a missing
// source, a folder, a read-only or (with failIfExists) existing destination, a missing
// destination folder, and when both name the same file; the destination is then unchanged.
BOOL CopyFileA(LPCSTR existingFileName, LPCSTR newFileName, BOOL failIfExists);

// Removes a file; a folder, a missing file or a read-only file is a failure.
BOOL DeleteFileA(LPCSTR fileName);
