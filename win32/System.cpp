#include "win32/System.h"

#include "vcl/Backend.h"

void Sleep(DWORD milliseconds) {
    vcl::Backend().Sleep(milliseconds);
}

BOOL MessageBeep(UINT) {
    // Every beep type sounds the display's one bell.
    vcl::Backend().Beep();
    return TRUE;
}
