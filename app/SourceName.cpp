#include "app/SourceName.h"

namespace {

constexpr std::size_t kExaminedChars = 260;
constexpr std::size_t kMaxNameChars = 254;

} // namespace

AnsiString ExtractSourceName(const AnsiString& line) {
    AnsiString examined = line.substr(0, kExaminedChars);
    std::size_t separator = examined.find_last_of("\\/");
    AnsiString component;
    if (separator != AnsiString::npos)
        component = examined.substr(separator + 1);
    else if (examined.size() >= 2 && examined[1] == ':')
        component = examined.substr(2);
    else
        component = examined;
    // "." and ".." name folders, not files.
    if (component == "." || component == "..")
        return {};
    // A longer name would not fit the name buffer; refusing it makes the move fail.
    if (component.size() > kMaxNameChars)
        return {};
    return component;
}
