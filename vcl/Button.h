// The classic push button: raised edge, centred caption, dotted focus rectangle, pressed
// look, embossed caption when disabled. A mouse release inside it, Space or Enter press it.
#pragma once

#include "vcl/Control.h"

class TButton : public TCustomControl {
public:
    explicit TButton(TComponent* AOwner);
    AnsiString ClassName() const override { return "TButton"; }

    void SetCaption(const AnsiString& v) override;
    bool Pressed() const { return pressed_; }

    void MouseDown(TMouseButton button, TPoint p) override;
    void MouseMove(TPoint p) override;
    void MouseUp(TMouseButton button, TPoint p) override;
    void KeyDown(const vcl::TKeyEvent& key) override;
    void KeyUp(const vcl::TKeyEvent& key) override;
    void FocusChanged(bool focused) override;

protected:
    void Paint() override;
    void EnabledChanged() override;

private:
    void SetPressed(bool v);
    bool pressed_ = false;
    bool tracking_ = false;
};
