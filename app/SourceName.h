// The bare file name of an InstFile.inf line: the file of that name in the current folder
// is the one moved to the line's destination.
#pragma once

#include "vcl/Types.h"

// The line's last component (after the last "\" or "/", else after "X:"), looked for in
// its first 260 characters. Empty for "." and "..", for a line ending in a separator, and
// for a name longer than the 254 characters the platform's file name buffer holds.
AnsiString ExtractSourceName(const AnsiString& line);
