// Conversion of Windows-1252 byte strings to UTF-8, for the screen and the file system.
#pragma once

#include <string>
#include <string_view>

namespace win32 {

// Every byte maps to one character; the five bytes Windows-1252 leaves undefined map to
// the C1 control characters of the same value, as Windows' own conversion does.
std::string Cp1252ToUtf8(std::string_view bytes);

} // namespace win32
