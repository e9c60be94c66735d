#include "tests/e2e/ProbeScene.h"

namespace probe {

namespace {
TRect Whole(TSize client) {
    return {0, 0, client.Width, client.Height};
}
} // namespace

void PaintScene(vcl::ISurface& s, TSize client) {
    s.SetClip(Whole(client));
    s.FillRect(Whole(client), kBackground);
    s.FillRect(kRedRect, kRed);
    s.FillRect(kGreenRect, kGreen);
    s.FillRect(kBlueRect, kBlue);
    s.FillRect(kEdgeRect, kMagenta);
    s.SetClip(kClip);
    s.FillRect(kClippedFill, kYellow);
    s.SetClip(Whole(client));
    s.DrawText(kTextCell, kSceneText, kSceneFont, kBlack);
}

void PaintPlain(vcl::ISurface& s, TSize client) {
    s.SetClip(Whole(client));
    s.FillRect(Whole(client), kWhite);
}

void PaintAtOnce(vcl::ISurface& s, TSize client) {
    s.SetClip(Whole(client));
    s.FillRect(kAtOnceRect, kCyan);
}

} // namespace probe
