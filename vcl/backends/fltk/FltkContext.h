// What the FLTK backend shares with its windows.
#pragma once

#include "vcl/backends/fltk/FltkFonts.h"

#include <exception>
#include <vector>

namespace vcl::fltk {

class TFltkWindow;

struct TFltkContext {
    TFltkFonts Fonts;
    AnsiString ApplicationTitle;
    std::vector<TFltkWindow*> Windows;
    // Above zero while FLTK dispatches inside ProcessPending/WaitEvent: the only time our
    // windows may report to the component library.
    int Dispatching = 0;
    // The window whose paint is running (FLTK's draw()), if any.
    TFltkWindow* Painting = nullptr;
    // An exception a handler threw: it cannot pass through FLTK, so it waits here until
    // FLTK returns, and input arriving meanwhile is dropped.
    std::exception_ptr Failure;
};

} // namespace vcl::fltk
