// A drawing surface with the platform's pixel rules: rectangles leave out their right and
// bottom edges, lines their end point. Drawing outside a paint cycle reaches the screen
// at once, as drawing through a window's device context does.
#pragma once

#include "vcl/Graphics.h"

#include <functional>
#include <vector>

// Where a canvas draws at the moment: the surface, the origin of its coordinates in the
// surface, the visible pieces of its area, and whether each operation must be flushed.
struct TDrawTarget {
    vcl::ISurface* Surface = nullptr;
    TPoint Origin;
    std::vector<TRect> Region; // surface coordinates
    bool Direct = false;
};

class TCanvas {
public:
    explicit TCanvas(std::function<TDrawTarget()> target) : target_(std::move(target)) {}

    TBrush* Brush() { return &brush_; }
    TPen* Pen() { return &pen_; }
    TFont* Font() { return &font_; }
    TPoint PenPos() const { return penPos_; }

    void FillRect(const TRect& r);
    void MoveTo(int x, int y) { penPos_ = {x, y}; }
    void LineTo(int x, int y);
    void TextOut(int x, int y, const AnsiString& text);
    // Draws text clipped to `clip` (canvas coordinates), with the brush behind it when solid.
    void TextRect(const TRect& clip, int x, int y, const AnsiString& text);
    TSize TextExtent(const AnsiString& text);
    int TextWidth(const AnsiString& text) { return TextExtent(text).Width; }
    int TextHeight(const AnsiString& text) { return TextExtent(text).Height; }
    // Puts what was drawn on the screen.
    void Flush();

private:
    void Fill(const TDrawTarget& t, const TRect& r, TRGB color);
    void Text(const TRect* clip, int x, int y, const AnsiString& text);
    std::function<TDrawTarget()> target_;
    TBrush brush_;
    TPen pen_;
    TFont font_;
    TPoint penPos_;
};

// The parts of `region` that lie outside `hole`.
std::vector<TRect> SubtractRect(const std::vector<TRect>& region, const TRect& hole);
