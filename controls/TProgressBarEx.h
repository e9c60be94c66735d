// The installer's progress bar: a sunken one-pixel frame, a bar in ProgressColor whose
// length is Position / Max of the inner width, and the caption centred over both. Every
// write of Position or ProgressColor paints the whole control at once.
#pragma once

#include "vcl/Control.h"

class TProgressBarEx : public TCustomControl {
public:
    explicit TProgressBarEx(TComponent* AOwner);
    AnsiString ClassName() const override { return "TProgressBarEx"; }

    int Position() const { return position_; }
    // Clamps to the maximum first and to 0 last, then paints, whatever the old value was.
    void SetPosition(int value);
    int Max() const { return maximum_; }
    // Stores only: no clamping, no painting.
    void SetMax(int value) { maximum_ = value; }
    TColor ProgressColor() const { return progressColor_; }
    // Stores, then paints, whatever the old value was.
    void SetProgressColor(TColor value);
    // The bar's bounds as the last paint computed them.
    TRect BarRect() const { return barRect_; }

    bool SetProperty(const AnsiString& name, const vcl::TFormValue& value) override;

protected:
    void Paint() override;

private:
    int position_ = 0;
    int maximum_ = 0;
    TRect barRect_;
    TColor progressColor_{0};
};

// Where the bar of a client area `clientWidth` wide ends: the right edge of the bar
// rectangle, computed in extended precision as the platform's floating-point unit does.
int BarRightEdge(int clientWidth, int maximum, int position);
