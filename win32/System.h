// The operating system's pause and beep, through the desktop session (win32/Desktop.h).
#pragma once

#include "win32/WinTypes.h"

void Sleep(DWORD milliseconds);
BOOL MessageBeep(UINT type);
