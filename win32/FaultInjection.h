// Test seam, not for the program: the file copy consults these, so tests can fail it part
// way through and drive each of its kernel paths and temporary-file kinds.
#pragma once

#include <cstdint>
#include <functional>

namespace win32::testing {

// Called after every chunk the copy writes, with the bytes written so far; a non-zero
// errno returned fails the copy there. An empty function turns the fault off.
using CopyFault = std::function<int(std::uint64_t bytesCopied)>;
void SetCopyFault(CopyFault fault);

// Tests can make the copy use a hidden named temporary file instead of an anonymous one.
enum class TempFileKind { Anonymous, Named };
void SetTempFileKind(TempFileKind kind);

// The first way the copy tries; it still falls back from there when the kernel refuses.
enum class CopyMethod { Clone, CopyFileRange, SendFile, ReadWrite };
void SetFirstCopyMethod(CopyMethod method);

// What the copy loop asks; errno to fail with, or 0.
int CopyFaultAfter(std::uint64_t bytesCopied);
CopyMethod FirstCopyMethod();
TempFileKind PreferredTempFileKind();

} // namespace win32::testing
