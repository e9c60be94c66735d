// A bevelled container with a centred caption; a single border is a sunken edge two
// pixels wide outside its client area.
#pragma once

#include "vcl/Control.h"

enum class TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBorderStyle { bsNone, bsSingle };

class TPanel : public TCustomControl {
public:
    explicit TPanel(TComponent* AOwner);
    AnsiString ClassName() const override { return "TPanel"; }

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut v) { bevelOuter_ = v, Realign(), Invalidate(); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut v) { bevelInner_ = v, Realign(), Invalidate(); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int v) { bevelWidth_ = v, Realign(), Invalidate(); }
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int v) { borderWidth_ = v, Realign(), Invalidate(); }
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);

    int BorderInset() const override;
    TRect AlignRect() const override;
    bool SetProperty(const AnsiString& name, const vcl::TFormValue& value) override;

protected:
    void Paint() override;
    void PaintBorder() override;

private:
    TBevelCut bevelOuter_ = TBevelCut::bvRaised;
    TBevelCut bevelInner_ = TBevelCut::bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = TBorderStyle::bsNone;
};
