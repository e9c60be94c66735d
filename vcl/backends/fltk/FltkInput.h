// The component library's view of the FLTK event being handled: keys and mouse buttons.
#pragma once

#include "vcl/Backend.h"

#include <optional>

namespace vcl::fltk {

// The key of the current FLTK keyboard event, with the typed character in Windows-1252.
TKeyEvent CurrentKey();

// The button of the current FLTK mouse event; nullopt for wheels and extra buttons.
std::optional<TMouseButton> CurrentButton();

TPoint CurrentMousePosition();

} // namespace vcl::fltk
