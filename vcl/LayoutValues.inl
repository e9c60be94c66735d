#pragma once

#include "vcl/Exception.h"

namespace vcl {

template <typename T, std::size_t N>
T ValueFromName(const AnsiString& name, const std::pair<const char*, T> (&table)[N],
                const char* what) {
    for (const auto& [key, value] : table)
        if (name == key)
            return value;
    throw Exception("Ung\xFCltiger Wert " + name + " f\xFCr " + what);
}

} // namespace vcl
