// The window icon: our decoded icon pixels handed to FLTK, which sets _NET_WM_ICON.
#pragma once

#include "vcl/Icon.h"

class Fl_Window;

namespace vcl::fltk {

// Takes effect when the window is next created; FLTK keeps its own copy of the pixels.
void SetWindowIcon(Fl_Window& window, const TIconImage& icon);

} // namespace vcl::fltk
