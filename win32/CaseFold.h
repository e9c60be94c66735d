// Case-insensitive comparison of Linux (UTF-8) file names, as Windows compares names: the
// letters of Windows-1252 (ASCII, Latin-1 and the few extra ones: S and Z caron, OE, Y
// diaeresis) match
// their other case; everything else, including bytes that are not UTF-8, must be equal.
#pragma once

#include <string_view>

namespace win32 {

bool SameNameIgnoringCase(std::string_view a, std::string_view b) noexcept;

} // namespace win32
