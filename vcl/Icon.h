// Decoder for Windows icon files (.ico): the program's own icon and any other the window
// title bar is given, turned into plain pixels a backend can show.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vcl {

// Pixels are row-major, top row first, 0xAARRGGBB; a transparent pixel is 0 (alpha 0).
struct TIconImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;

    std::uint32_t At(int x, int y) const {
        return Pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(Width) +
                      static_cast<std::size_t>(x)];
    }
};

// Decodes the largest image of an .ico file (1, 4 and 8 bits with palette, 24 and 32 bits
// direct; the AND mask makes pixels transparent). Throws Exception on malformed data;
// never reads outside `data`.
TIconImage DecodeIcon(std::span<const std::uint8_t> data);

} // namespace vcl
