#include "controls/TProgressBarEx.h"

#include "vcl/ClassRegistry.h"
#include "vcl/FormText.h"
#include "vcl/LayoutValues.h"

namespace {

constexpr int kDefaultMax = 100;
constexpr int kDefaultWidth = 200;
constexpr int kDefaultHeight = 20;
constexpr int kBarInset = 2;

const TRegisterClass<TProgressBarEx> registerProgressBarEx("TProgressBarEx");

} // namespace

TProgressBarEx::TProgressBarEx(TComponent* AOwner) : TCustomControl(AOwner) {
    maximum_ = kDefaultMax;
    SetWidth(kDefaultWidth);
    SetHeight(kDefaultHeight);
    progressColor_ = clHighlight;
}

void TProgressBarEx::SetPosition(int value) {
    position_ = value;
    if (position_ > maximum_)
        position_ = maximum_;
    if (position_ < 0)
        position_ = 0;
    Paint();
}

void TProgressBarEx::SetProgressColor(TColor value) {
    progressColor_ = value;
    Paint();
}

void TProgressBarEx::Paint() {
    TCanvas& canvas = *Canvas();
    int cw = ClientWidth(), ch = ClientHeight();

    canvas.Brush()->SetColor(Color());
    canvas.FillRect({0, 0, cw, ch});

    barRect_.Left = kBarInset;
    barRect_.Top = kBarInset;
    barRect_.Bottom = ch - kBarInset;
    barRect_.Right = BarRightEdge(cw, maximum_, position_);

    canvas.Pen()->SetWidth(1);
    canvas.Brush()->SetColor(progressColor_);

    canvas.Pen()->SetColor(clBtnShadow);
    canvas.MoveTo(0, ch);
    canvas.LineTo(0, 0);
    canvas.LineTo(cw - 1, 0);
    canvas.Pen()->SetColor(clBtnHighlight);
    canvas.LineTo(cw - 1, ch - 1);
    canvas.LineTo(0, ch - 1);

    canvas.FillRect(barRect_);

    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->Assign(*Font());
    int th = canvas.TextHeight(Caption());
    int tw = canvas.TextWidth(Caption());
    int x = Width() / 2 - tw / 2;
    int y = Height() / 2 - th / 2;
    canvas.TextOut(x, y, Caption());
}

bool TProgressBarEx::SetProperty(const AnsiString& name, const vcl::TFormValue& value) {
    if (name == "Position")
        SetPosition(static_cast<int>(value.AsInteger()));
    else if (name == "Max")
        SetMax(static_cast<int>(value.AsInteger()));
    else if (name == "ProgressColor")
        SetProgressColor(vcl::ColorFromValue(value));
    else
        return TCustomControl::SetProperty(name, value);
    return true;
}
