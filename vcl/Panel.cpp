#include "vcl/Panel.h"

#include "vcl/FormText.h"
#include "vcl/Frame3D.h"
#include "vcl/LayoutValues.h"

namespace {

// The size a new panel has until a layout or the program sets one.
constexpr TSize kDefaultSize{185, 41};

constexpr int kSunkenEdge = 2;

TBevelCut BevelFromName(const AnsiString& name) {
    static const std::pair<const char*, TBevelCut> table[] = {{"bvNone", TBevelCut::bvNone},
                                                              {"bvLowered", TBevelCut::bvLowered},
                                                              {"bvRaised", TBevelCut::bvRaised},
                                                              {"bvSpace", TBevelCut::bvSpace}};
    return vcl::ValueFromName(name, table, "einen Rand");
}

// Lowered: shadow above and left, highlight below and right; raised the reverse.
void BevelColors(TBevelCut cut, TColor& topLeft, TColor& bottomRight) {
    topLeft = cut == TBevelCut::bvLowered ? clBtnShadow : clBtnHighlight;
    bottomRight = cut == TBevelCut::bvLowered ? clBtnHighlight : clBtnShadow;
}

} // namespace

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, kDefaultSize.Width, kDefaultSize.Height);
    SetColor(clBtnFace);
}

void TPanel::SetBorderStyle(TBorderStyle v) {
    borderStyle_ = v;
    Realign();
    Invalidate();
}

int TPanel::BorderInset() const {
    return borderStyle_ == TBorderStyle::bsSingle ? kSunkenEdge : 0;
}

TRect TPanel::AlignRect() const {
    int inset = borderWidth_;
    if (bevelOuter_ != TBevelCut::bvNone)
        inset += bevelWidth_;
    if (bevelInner_ != TBevelCut::bvNone)
        inset += bevelWidth_;
    TRect r = ClientRect();
    return {r.Left + inset, r.Top + inset, r.Right - inset, r.Bottom - inset};
}

void TPanel::PaintBorder() {
    if (borderStyle_ != TBorderStyle::bsSingle)
        return;
    TRect r{0, 0, Width(), Height()};
    Frame3D(*WindowCanvas(), r, clBtnShadow, clBtnHighlight, 1);
    Frame3D(*WindowCanvas(), r, cl3DDkShadow, cl3DLight, 1);
}

void TPanel::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    TColor topLeft, bottomRight;
    if (bevelOuter_ != TBevelCut::bvNone) {
        BevelColors(bevelOuter_, topLeft, bottomRight);
        Frame3D(canvas, r, topLeft, bottomRight, bevelWidth_);
    }
    Frame3D(canvas, r, Color(), Color(), borderWidth_);
    if (bevelInner_ != TBevelCut::bvNone) {
        BevelColors(bevelInner_, topLeft, bottomRight);
        Frame3D(canvas, r, topLeft, bottomRight, bevelWidth_);
    }
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);
    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->Assign(*Font());
    // Centred on one line; opaque children cover it where they lie.
    TSize text = canvas.TextExtent(Caption());
    int top = (r.Top + r.Bottom - text.Height) / 2;
    int left = r.Left + (r.Width() - text.Width) / 2;
    canvas.TextRect(r, left, top, Caption());
}

bool TPanel::SetProperty(const AnsiString& name, const vcl::TFormValue& value) {
    if (name == "BevelOuter")
        SetBevelOuter(BevelFromName(value.AsIdentifier()));
    else if (name == "BevelInner")
        SetBevelInner(BevelFromName(value.AsIdentifier()));
    else if (name == "BevelWidth")
        SetBevelWidth(static_cast<int>(value.AsInteger()));
    else if (name == "BorderWidth")
        SetBorderWidth(static_cast<int>(value.AsInteger()));
    else if (name == "BorderStyle") {
        static const std::pair<const char*, TBorderStyle> table[] = {
            {"bsNone", TBorderStyle::bsNone}, {"bsSingle", TBorderStyle::bsSingle}};
        SetBorderStyle(vcl::ValueFromName(value.AsIdentifier(), table, "BorderStyle"));
    } else
        return TCustomControl::SetProperty(name, value);
    return true;
}
