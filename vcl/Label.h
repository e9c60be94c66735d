// A static text on its parent's surface: opaque unless transparent, word wrap, no
// accelerator prefix when ShowAccelChar is off.
#pragma once

#include "vcl/Control.h"

class TLabel : public TGraphicControl {
public:
    explicit TLabel(TComponent* AOwner);
    AnsiString ClassName() const override { return "TLabel"; }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool v);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool v) { wordWrap_ = v, Invalidate(); }
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool v) { showAccelChar_ = v, Invalidate(); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v) { transparent_ = v, Invalidate(); }

    void SetCaption(const AnsiString& v) override;
    bool Opaque() const override { return !transparent_; }
    bool SetProperty(const AnsiString& name, const vcl::TFormValue& value) override;

protected:
    void Paint() override;

private:
    AnsiString DisplayText() const;
    void AdjustBounds();
    bool autoSize_ = true;
    bool wordWrap_ = false;
    bool showAccelChar_ = true;
    bool transparent_ = false;
};
