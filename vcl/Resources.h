// Data built into the program, looked up by name without regard to case.
#pragma once

#include "vcl/Types.h"

#include <optional>
#include <string_view>

namespace vcl {

// `data` must outlive the program (it is static data of the build).
void RegisterResource(const AnsiString& name, std::string_view data);
std::optional<std::string_view> FindResource(const AnsiString& name);
// Takes a resource away; returns what was registered (tests put it back).
std::optional<std::string_view> UnregisterResource(const AnsiString& name);

} // namespace vcl
