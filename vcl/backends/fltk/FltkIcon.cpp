#include "vcl/backends/fltk/FltkIcon.h"

#include <FL/Fl_RGB_Image.H>
#include <FL/Fl_Window.H>

#include <cstdint>
#include <vector>

namespace vcl::fltk {

namespace {
constexpr int kRgbaDepth = 4;
}

void SetWindowIcon(Fl_Window& window, const TIconImage& icon) {
    if (icon.Width <= 0 || icon.Height <= 0 ||
        icon.Pixels.size() != static_cast<std::size_t>(icon.Width) * icon.Height)
        return;
    std::vector<uchar> rgba;
    rgba.reserve(icon.Pixels.size() * kRgbaDepth);
    for (std::uint32_t argb : icon.Pixels) {
        rgba.push_back(static_cast<uchar>(argb >> 16));
        rgba.push_back(static_cast<uchar>(argb >> 8));
        rgba.push_back(static_cast<uchar>(argb));
        rgba.push_back(static_cast<uchar>(argb >> 24));
    }
    Fl_RGB_Image image(rgba.data(), icon.Width, icon.Height, kRgbaDepth);
    window.icon(&image);
}

} // namespace vcl::fltk
