#include "vcl/Resources.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace vcl {

namespace {

AnsiString Key(const AnsiString& name) {
    AnsiString k = name;
    std::transform(k.begin(), k.end(), k.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return k;
}

std::map<AnsiString, std::string_view>& Table() {
    static std::map<AnsiString, std::string_view> table;
    return table;
}

} // namespace

void RegisterResource(const AnsiString& name, std::string_view data) {
    Table()[Key(name)] = data;
}

std::optional<std::string_view> FindResource(const AnsiString& name) {
    auto it = Table().find(Key(name));
    if (it == Table().end())
        return std::nullopt;
    return it->second;
}

std::optional<std::string_view> UnregisterResource(const AnsiString& name) {
    auto found = FindResource(name);
    Table().erase(Key(name));
    return found;
}

} // namespace vcl
