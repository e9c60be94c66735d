// The platform's start-up code: it readies the backend and the application object, calls
// the program's WinMain and tears everything down after it returns.
#pragma once

#include "vcl/Backend.h"

#include <memory>

using HINSTANCE = struct HINSTANCE__*;
using LPSTR = char*;

// The program's entry point; the program defines it.
int WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int showState);

namespace vcl {

// Runs WinMain over `backend` and returns its result. `programPath` gives the
// application's default title (the executable's file name without extension).
int RunProgram(std::unique_ptr<IBackend> backend, const char* programPath);

} // namespace vcl
