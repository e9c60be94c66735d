// What the desktop session lends to the system calls that need it: the display's bell
// and the pause (a virtual clock in tests). The windowing backend registers itself.
#pragma once

#include "win32/WinTypes.h"

namespace win32 {

class IDesktop {
public:
    virtual ~IDesktop() = default;
    virtual void Beep() = 0;
    virtual void Sleep(DWORD milliseconds) = 0;
};

// Null: a pause sleeps the thread and a beep sounds nowhere.
void SetDesktop(IDesktop* desktop);

} // namespace win32
