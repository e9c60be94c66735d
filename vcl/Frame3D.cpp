#include "vcl/Frame3D.h"

void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width) {
    // Lines leave out their end point, so each polyline stops one pixel short.
    TRect r{rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1};
    for (; width > 0; --width) {
        canvas.Pen()->SetColor(topLeft);
        canvas.MoveTo(r.Left, r.Bottom);
        canvas.LineTo(r.Left, r.Top);
        canvas.LineTo(r.Right, r.Top);
        canvas.Pen()->SetColor(bottomRight);
        canvas.LineTo(r.Right, r.Bottom);
        canvas.LineTo(r.Left - 1, r.Bottom);
        r = {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1};
    }
    rect = {r.Left, r.Top, r.Right + 1, r.Bottom + 1};
}
