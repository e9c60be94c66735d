// Moves a file's bytes from one descriptor to another by the kernel's fastest way: a
// shared-extent clone, then in-kernel copy, then sendfile, then plain read and write.
#pragma once

namespace win32 {

// Copies from the current offset of `from` to its end; throws FileError.
void CopyContent(int from, int to);

} // namespace win32
