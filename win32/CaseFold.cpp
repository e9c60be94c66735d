#include "win32/CaseFold.h"

#include <cstdint>

namespace win32 {

namespace {

// Bytes that are not valid UTF-8 decode to values above Unicode, so they equal only
// themselves.
constexpr char32_t kInvalidByteBase = 0x110000;

struct Decoded {
    char32_t CodePoint;
    std::size_t Length;
};

Decoded DecodeAt(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const std::uint8_t lead = byte(i);
    if (lead < 0x80)
        return {lead, 1};
    std::size_t length = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, cp = lead & 0x07, minimum = 0x10000;
    } else {
        return {kInvalidByteBase + lead, 1};
    }
    if (i + length > s.size())
        return {kInvalidByteBase + lead, 1};
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return {kInvalidByteBase + lead, 1};
        cp = (cp << 6) | (byte(i + k) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF)
        return {kInvalidByteBase + lead, 1};
    return {cp, length};
}

// Upper case to lower case for the letters Windows-1252 can spell.
char32_t Fold(char32_t cp) {
    constexpr char32_t kCaseDistance = 0x20;
    constexpr char32_t kMultiplication = 0xD7;
    if ((cp >= 'A' && cp <= 'Z') || (cp >= 0xC0 && cp <= 0xDE && cp != kMultiplication))
        return cp + kCaseDistance;
    switch (cp) {
    case 0x0152: // OE
    case 0x0160: // S caron
    case 0x017D: // Z caron
        return cp + 1;
    case 0x0178: // Y diaeresis, lower case 0xFF
        return 0x00FF;
    default:
        return cp;
    }
}

} // namespace

bool SameNameIgnoringCase(std::string_view a, std::string_view b) noexcept {
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const Decoded x = DecodeAt(a, i);
        const Decoded y = DecodeAt(b, j);
        if (Fold(x.CodePoint) != Fold(y.CodePoint))
            return false;
        i += x.Length;
        j += y.Length;
    }
    return i == a.size() && j == b.size();
}

} // namespace win32
