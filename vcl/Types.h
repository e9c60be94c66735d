// Value types shared by the whole component library: byte strings, colours, geometry.
#pragma once

#include <cstdint>
#include <string>

// Program texts are byte strings in Windows-1252; they become UTF-8 only at the screen
// and at the Linux file system.
using AnsiString = std::string;

// A colour: plain RGB with red in the low byte, or 0x80000000 + a system colour index.
struct TColor {
    std::uint32_t Value = 0;
    constexpr bool IsSystem() const { return (Value & 0x80000000u) != 0; }
    friend constexpr bool operator==(TColor, TColor) = default;
};

constexpr TColor RGB(unsigned r, unsigned g, unsigned b) {
    return TColor{(r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16)};
}

inline constexpr TColor clBlack{0x00000000};
inline constexpr TColor clRed{0x000000FF};
inline constexpr TColor clWhite{0x00FFFFFF};
inline constexpr TColor clWindow{0x80000005};
inline constexpr TColor clWindowText{0x80000008};
inline constexpr TColor clHighlight{0x8000000D};
inline constexpr TColor clBtnFace{0x8000000F};
inline constexpr TColor clBtnShadow{0x80000010};
inline constexpr TColor clGrayText{0x80000011};
inline constexpr TColor clBtnText{0x80000012};
inline constexpr TColor clBtnHighlight{0x80000014};
inline constexpr TColor cl3DDkShadow{0x80000015};
inline constexpr TColor cl3DLight{0x80000016};

// A resolved colour as the screen shows it.
struct TRGB {
    std::uint8_t R = 0, G = 0, B = 0;
    friend constexpr bool operator==(TRGB, TRGB) = default;
};

// Resolves system colours through the classic Windows scheme.
TRGB ColorToRGB(TColor c);

struct TPoint {
    int X = 0, Y = 0;
    friend constexpr bool operator==(TPoint, TPoint) = default;
};

struct TSize {
    int Width = 0, Height = 0;
    friend constexpr bool operator==(TSize, TSize) = default;
};

// Right and bottom are exclusive. A rectangle whose right lies left of its left (or
// bottom above top) is empty.
struct TRect {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    constexpr int Width() const { return Right - Left; }
    constexpr int Height() const { return Bottom - Top; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    constexpr TRect Offset(int dx, int dy) const {
        return {Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    constexpr TRect Intersect(const TRect& o) const {
        return {Left > o.Left ? Left : o.Left, Top > o.Top ? Top : o.Top,
                Right < o.Right ? Right : o.Right, Bottom < o.Bottom ? Bottom : o.Bottom};
    }
    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

constexpr TRect Bounds(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}
