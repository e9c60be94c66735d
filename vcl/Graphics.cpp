#include "vcl/Graphics.h"

void TFont::Assign(const TFont& other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    Changed();
}

vcl::TFontSpec TFont::Spec() const {
    // A positive height includes internal leading; the backends want the character height.
    int h = height_ < 0 ? -height_ : height_ * 11 / 13;
    return {name_, h, (style_ & fsBold) != 0};
}
