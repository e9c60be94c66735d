// The operating system's pause and beep. They go through the windowing backend, which
// owns the display connection (for the bell) and, in tests, the virtual clock.
#pragma once

#include "win32/WinTypes.h"

void Sleep(DWORD milliseconds);
BOOL MessageBeep(UINT type);
