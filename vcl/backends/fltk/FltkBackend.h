// Real windows on X11 through FLTK: the backend the shipped program runs on.
#pragma once

#include "vcl/Backend.h"

#include <memory>

namespace vcl::fltk {

// Connects to the X display named by DISPLAY; throws Exception when there is none.
std::unique_ptr<IBackend> CreateFltkBackend();
// The same for a process entry: prints why on stderr and returns null when there is none.
std::unique_ptr<IBackend> CreateFltkBackendOrExplain();

} // namespace vcl::fltk
