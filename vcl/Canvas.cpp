#include "vcl/Canvas.h"

#include <cstdlib>

std::vector<TRect> SubtractRect(const std::vector<TRect>& region, const TRect& hole) {
    std::vector<TRect> out;
    for (const TRect& r : region) {
        TRect h = r.Intersect(hole);
        if (h.IsEmpty()) {
            out.push_back(r);
            continue;
        }
        // Up to four bands around the hole: above, below, left, right.
        TRect pieces[] = {{r.Left, r.Top, r.Right, h.Top},
                          {r.Left, h.Bottom, r.Right, r.Bottom},
                          {r.Left, h.Top, h.Left, h.Bottom},
                          {h.Right, h.Top, r.Right, h.Bottom}};
        for (const TRect& p : pieces)
            if (!p.IsEmpty())
                out.push_back(p);
    }
    return out;
}

void TCanvas::Fill(const TDrawTarget& t, const TRect& r, TRGB color) {
    if (!t.Surface || r.IsEmpty())
        return;
    TRect onSurface = r.Offset(t.Origin.X, t.Origin.Y);
    for (const TRect& piece : t.Region) {
        if (piece.Intersect(onSurface).IsEmpty())
            continue;
        t.Surface->SetClip(piece);
        t.Surface->FillRect(onSurface, color);
    }
}

void TCanvas::FillRect(const TRect& r) {
    if (brush_.Style() == TBrushStyle::bsClear)
        return;
    TDrawTarget t = target_();
    Fill(t, r, ColorToRGB(brush_.Color()));
    if (t.Direct && t.Surface)
        t.Surface->Flush();
}

void TCanvas::LineTo(int x, int y) {
    TDrawTarget t = target_();
    TRGB color = ColorToRGB(pen_.Color());
    int x0 = penPos_.X, y0 = penPos_.Y;
    if (y0 == y) {
        // The end point is left out: the span covers x0 up to, not including, x.
        Fill(t, x0 <= x ? TRect{x0, y, x, y + 1} : TRect{x + 1, y, x0 + 1, y + 1}, color);
    } else if (x0 == x) {
        Fill(t, y0 <= y ? TRect{x, y0, x + 1, y} : TRect{x, y + 1, x + 1, y0 + 1}, color);
    } else {
        int dx = std::abs(x - x0), dy = -std::abs(y - y0);
        int sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
        int err = dx + dy;
        while (x0 != x || y0 != y) {
            Fill(t, {x0, y0, x0 + 1, y0 + 1}, color);
            int e2 = 2 * err;
            if (e2 >= dy)
                err += dy, x0 += sx;
            if (e2 <= dx)
                err += dx, y0 += sy;
        }
    }
    penPos_ = {x, y};
    if (t.Direct && t.Surface)
        t.Surface->Flush();
}

TSize TCanvas::TextExtent(const AnsiString& text) {
    vcl::TFontSpec spec = font_.Spec();
    auto& backend = vcl::Backend();
    return {backend.TextWidth(text, spec), backend.FontMetrics(spec).Height};
}

void TCanvas::Text(const TRect* clip, int x, int y, const AnsiString& text) {
    TDrawTarget t = target_();
    if (!t.Surface || text.empty())
        return;
    if (clip) {
        std::vector<TRect> inside;
        TRect c = clip->Offset(t.Origin.X, t.Origin.Y);
        for (const TRect& piece : t.Region)
            if (!piece.Intersect(c).IsEmpty())
                inside.push_back(piece.Intersect(c));
        t.Region = std::move(inside);
    }
    if (brush_.Style() == TBrushStyle::bsSolid) {
        TSize ext = TextExtent(text);
        Fill(t, Bounds(x, y, ext.Width, ext.Height), ColorToRGB(brush_.Color()));
    }
    vcl::TFontSpec spec = font_.Spec();
    TRGB color = ColorToRGB(font_.Color());
    TPoint cell{x + t.Origin.X, y + t.Origin.Y};
    for (const TRect& piece : t.Region) {
        t.Surface->SetClip(piece);
        t.Surface->DrawText(cell, text, spec, color);
    }
    if (t.Direct)
        t.Surface->Flush();
}

void TCanvas::TextOut(int x, int y, const AnsiString& text) {
    Text(nullptr, x, y, text);
}

void TCanvas::TextRect(const TRect& clip, int x, int y, const AnsiString& text) {
    Text(&clip, x, y, text);
}

void TCanvas::Flush() {
    TDrawTarget t = target_();
    if (t.Surface)
        t.Surface->Flush();
}
