// The Windows API's basic value types, as the program's calls spell them.
#pragma once

#include <cstdint>

using BOOL = std::int32_t;
using DWORD = std::uint32_t;
using UINT = std::uint32_t;
using LPCSTR = const char*;

// Macros, as on Windows, so a toolkit header that defines them too stays compatible.
#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif
