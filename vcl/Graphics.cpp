#include "vcl/Graphics.h"

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

namespace {
// A positive height is the whole cell, internal leading included: in the layout's font a
// 13-pixel cell holds 11-pixel characters.
constexpr int kCellPixels = 13;
constexpr int kCharacterPixels = 11;
} // namespace

vcl::TFontSpec TFont::Spec() const {
    // The backends want the character height.
    int h = height_ < 0 ? -height_ : height_ * kCharacterPixels / kCellPixels;
    return {name_, h, (style_ & fsBold) != 0};
}
