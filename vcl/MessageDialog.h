// The application's modal message box: icon, text, buttons by flags, the first button
// the default.
#pragma once

#include "vcl/Types.h"

namespace vcl {

// Shows the box over the application's windows and returns the pressed button's id.
int ShowMessageDialog(const AnsiString& text, const AnsiString& caption, unsigned flags);

} // namespace vcl
