// Turns the identifiers and numbers of a stored layout into property values.
#pragma once

#include "vcl/Control.h"
#include "vcl/Exception.h"
#include "vcl/FormText.h"

namespace vcl {

bool BoolFromName(const AnsiString& name);
TAlign AlignFromName(const AnsiString& name);
// A colour by name (clBtnFace, clRed ...) or by number.
TColor ColorFromValue(const TFormValue& value);
TFontStyles FontStylesFromSet(const std::vector<AnsiString>& names);
int CharsetFromValue(const TFormValue& value);

// Looks `name` up in a table of (identifier, value) pairs; unknown names are an Exception.
template <typename T, std::size_t N>
T ValueFromName(const AnsiString& name, const std::pair<const char*, T> (&table)[N],
                const char* what) {
    for (const auto& [key, value] : table)
        if (name == key)
            return value;
    throw Exception("Ung\xFCltiger Wert " + name + " f\xFCr " + what);
}

} // namespace vcl
