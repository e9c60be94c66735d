#include "win32/System.h"

#include "win32/Desktop.h"

#include <chrono>
#include <thread>

namespace {
win32::IDesktop* desktop = nullptr;
}

void win32::SetDesktop(IDesktop* d) {
    desktop = d;
}

void Sleep(DWORD milliseconds) {
    if (desktop)
        desktop->Sleep(milliseconds);
    else
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

BOOL MessageBeep(UINT) {
    // Every beep type sounds the display's one bell.
    if (desktop)
        desktop->Beep();
    return TRUE;
}
