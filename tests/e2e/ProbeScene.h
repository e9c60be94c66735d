// The scene the end-to-end probe paints, in client coordinates. The e2e scripts check
// these places on the real screen, so a change here goes with a change there.
#pragma once

#include "vcl/Backend.h"

namespace probe {

inline constexpr TRGB kBackground{192, 192, 192};
inline constexpr TRGB kRed{255, 0, 0};
inline constexpr TRGB kGreen{0, 128, 0};
inline constexpr TRGB kBlue{0, 0, 255};
inline constexpr TRGB kMagenta{255, 0, 255};
inline constexpr TRGB kYellow{255, 255, 0};
inline constexpr TRGB kCyan{0, 255, 255};
inline constexpr TRGB kBlack{0, 0, 0};
inline constexpr TRGB kWhite{255, 255, 255};

inline constexpr TRect kRedRect = Bounds(10, 10, 50, 30);
inline constexpr TRect kGreenRect = Bounds(70, 10, 50, 30);
inline constexpr TRect kBlueRect = Bounds(130, 10, 50, 30);
// A 10x10 square: its right column and bottom row are left out.
inline constexpr TRect kEdgeRect{200, 10, 210, 20};
// A fill much larger than the clip shows only inside the clip.
inline constexpr TRect kClip = Bounds(250, 10, 20, 20);
inline constexpr TRect kClippedFill = Bounds(240, 0, 60, 60);

inline const vcl::TFontSpec kSceneFont{"MS Sans Serif", 11, false};
inline constexpr const char* kSceneText = "Fenster \xE4\xF6\xFC";
inline constexpr TPoint kTextCell{10, 60};

// Drawn only on request, from program code outside a paint.
inline constexpr TRect kAtOnceRect = Bounds(10, 120, 100, 40);

void PaintScene(vcl::ISurface& surface, TSize client);
void PaintPlain(vcl::ISurface& surface, TSize client);
void PaintAtOnce(vcl::ISurface& surface, TSize client);

} // namespace probe
