// The platform's bevel: the top-left colour takes the left column and the top row, the
// bottom-right colour the right column and the bottom row, corners included.
#pragma once

#include "vcl/Canvas.h"

// Draws `width` nested one-pixel frames inside `rect` and shrinks `rect` past them.
void Frame3D(TCanvas& canvas, TRect& rect, TColor topLeft, TColor bottomRight, int width);
