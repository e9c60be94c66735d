#include "vcl/Types.h"

#include <array>

namespace {

// The classic Windows colour scheme, by system colour index.
constexpr std::array<TRGB, 25> kSystemColors = {{
    {192, 192, 192}, // 0 scroll bar
    {0, 128, 128},   // 1 background
    {0, 0, 128},     // 2 active caption
    {128, 128, 128}, // 3 inactive caption
    {192, 192, 192}, // 4 menu
    {255, 255, 255}, // 5 window
    {0, 0, 0},       // 6 window frame
    {0, 0, 0},       // 7 menu text
    {0, 0, 0},       // 8 window text
    {255, 255, 255}, // 9 caption text
    {192, 192, 192}, // 10 active border
    {192, 192, 192}, // 11 inactive border
    {128, 128, 128}, // 12 app workspace
    {0, 0, 128},     // 13 highlight
    {255, 255, 255}, // 14 highlight text
    {192, 192, 192}, // 15 button face
    {128, 128, 128}, // 16 button shadow
    {128, 128, 128}, // 17 gray text
    {0, 0, 0},       // 18 button text
    {192, 192, 192}, // 19 inactive caption text
    {255, 255, 255}, // 20 button highlight
    {0, 0, 0},       // 21 3D dark shadow
    {192, 192, 192}, // 22 3D light
    {0, 0, 0},       // 23 info text
    {255, 255, 225}, // 24 info background
}};

} // namespace

TRGB ColorToRGB(TColor c) {
    if (c.IsSystem()) {
        std::uint32_t index = c.Value & 0xFFu;
        return index < kSystemColors.size() ? kSystemColors[index] : TRGB{0, 0, 0};
    }
    return {static_cast<std::uint8_t>(c.Value & 0xFF),
            static_cast<std::uint8_t>((c.Value >> 8) & 0xFF),
            static_cast<std::uint8_t>((c.Value >> 16) & 0xFF)};
}
