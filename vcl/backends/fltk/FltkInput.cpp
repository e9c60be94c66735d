#include "vcl/backends/fltk/FltkInput.h"

#include <FL/Fl.H>

namespace vcl::fltk {

namespace {

constexpr unsigned char kFirstPrintable = 0x20;
constexpr unsigned char kDelete = 0x7F;
constexpr int kLastAsciiKey = 0x7E;
// UTF-8 lead bytes of U+0080..U+00FF, the code points Windows-1252 shares with Latin-1
// above 0x9F.
constexpr unsigned char kLatin1LeadLow = 0xC2;
constexpr unsigned char kLatin1LeadHigh = 0xC3;
constexpr unsigned char kFirstSharedLatin1 = 0xA0;
constexpr unsigned kContinuationBits = 0x3F;

TKey KeyOf(int key) {
    switch (key) {
    case FL_Enter:
    case FL_KP_Enter:
        return TKey::Enter;
    case ' ':
        return TKey::Space;
    case FL_Tab:
        return TKey::Tab;
    case FL_Escape:
        return TKey::Escape;
    case FL_Left:
        return TKey::Left;
    case FL_Right:
        return TKey::Right;
    case FL_Up:
        return TKey::Up;
    case FL_Down:
        return TKey::Down;
    default:
        return TKey::Other;
    }
}

// The typed text as one Windows-1252 character, or 0 when it is none (or a control key).
char TypedChar(const char* text, int length) {
    auto b = reinterpret_cast<const unsigned char*>(text);
    if (length == 1 && b[0] >= kFirstPrintable && b[0] != kDelete)
        return static_cast<char>(b[0]);
    if (length == 2 && (b[0] == kLatin1LeadLow || b[0] == kLatin1LeadHigh)) {
        unsigned cp = ((b[0] & 0x1Fu) << 6) | (b[1] & kContinuationBits);
        if (cp >= kFirstSharedLatin1)
            return static_cast<char>(cp);
    }
    return 0;
}

} // namespace

TKeyEvent CurrentKey() {
    TKeyEvent k;
    int key = Fl::event_key();
    k.Key = KeyOf(key);
    k.Char = TypedChar(Fl::event_text(), Fl::event_length());
    // Key releases carry no text; the key itself names printable ASCII keys.
    if (k.Char == 0 && key >= kFirstPrintable && key <= kLastAsciiKey)
        k.Char = static_cast<char>(key);
    k.Shift = Fl::event_state(FL_SHIFT) != 0;
    k.Alt = Fl::event_state(FL_ALT) != 0;
    return k;
}

std::optional<TMouseButton> CurrentButton() {
    switch (Fl::event_button()) {
    case FL_LEFT_MOUSE:
        return TMouseButton::mbLeft;
    case FL_MIDDLE_MOUSE:
        return TMouseButton::mbMiddle;
    case FL_RIGHT_MOUSE:
        return TMouseButton::mbRight;
    default:
        return std::nullopt;
    }
}

TPoint CurrentMousePosition() {
    return {Fl::event_x(), Fl::event_y()};
}

} // namespace vcl::fltk
