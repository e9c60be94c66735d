#include "vcl/Button.h"

#include "vcl/Frame3D.h"

namespace {

// The size a new button has until a layout or the program sets one.
constexpr TSize kDefaultSize{75, 25};

// The dotted focus rectangle lies this far inside the button's edge.
constexpr int kFocusInset = 4;

void DottedFrame(TCanvas& canvas, const TRect& r, TColor color) {
    canvas.Brush()->SetColor(color);
    auto dot = [&](int x, int y) {
        if ((x + y) % 2 == 0)
            canvas.FillRect({x, y, x + 1, y + 1});
    };
    for (int x = r.Left; x < r.Right; ++x)
        dot(x, r.Top), dot(x, r.Bottom - 1);
    for (int y = r.Top; y < r.Bottom; ++y)
        dot(r.Left, y), dot(r.Right - 1, y);
}

} // namespace

TButton::TButton(TComponent* AOwner) : TCustomControl(AOwner) {
    SetBounds(0, 0, kDefaultSize.Width, kDefaultSize.Height);
    SetColor(clBtnFace);
    SetTabStop(true);
}

// The button shows a new caption or state at once, as the platform's button does.
void TButton::SetCaption(const AnsiString& v) {
    TCustomControl::SetCaption(v);
    Repaint();
}

void TButton::EnabledChanged() {
    if (!Enabled())
        pressed_ = tracking_ = false;
    Repaint();
}

void TButton::FocusChanged(bool) {
    Repaint();
}

void TButton::SetPressed(bool v) {
    if (pressed_ == v)
        return;
    pressed_ = v;
    Repaint();
}

void TButton::MouseDown(TMouseButton button, TPoint) {
    if (button != TMouseButton::mbLeft)
        return;
    SetFocus();
    tracking_ = true;
    SetPressed(true);
}

void TButton::MouseMove(TPoint p) {
    if (tracking_)
        SetPressed(ClientRect().Contains(p));
}

void TButton::MouseUp(TMouseButton button, TPoint p) {
    if (button != TMouseButton::mbLeft || !tracking_)
        return;
    tracking_ = false;
    SetPressed(false);
    if (ClientRect().Contains(p))
        Click();
}

void TButton::KeyDown(const vcl::TKeyEvent& key) {
    if (key.Key == TKey::Space)
        SetPressed(true);
    else if (key.Key == TKey::Enter)
        Click();
}

void TButton::KeyUp(const vcl::TKeyEvent& key) {
    if (key.Key != TKey::Space || !pressed_ || tracking_)
        return;
    SetPressed(false);
    Click();
}

void TButton::Paint() {
    TCanvas& canvas = *Canvas();
    TRect r = ClientRect();
    bool focused = Focused() && Enabled();
    if (focused)
        Frame3D(canvas, r, cl3DDkShadow, cl3DDkShadow, 1);
    if (pressed_) {
        Frame3D(canvas, r, clBtnShadow, clBtnShadow, 1);
    } else {
        Frame3D(canvas, r, clBtnHighlight, cl3DDkShadow, 1);
        Frame3D(canvas, r, cl3DLight, clBtnShadow, 1);
    }
    canvas.Brush()->SetColor(Color());
    canvas.FillRect(r);

    canvas.Brush()->SetStyle(TBrushStyle::bsClear);
    canvas.Font()->Assign(*Font());
    TSize text = canvas.TextExtent(Caption());
    int shift = pressed_ ? 1 : 0;
    int x = (ClientWidth() - text.Width) / 2 + shift;
    int y = (ClientHeight() - text.Height) / 2 + shift;
    if (Enabled()) {
        canvas.TextRect(r, x, y, Caption());
    } else {
        canvas.Font()->SetColor(clBtnHighlight);
        canvas.TextRect(r, x + 1, y + 1, Caption());
        canvas.Font()->SetColor(clBtnShadow);
        canvas.TextRect(r, x, y, Caption());
    }
    if (focused) {
        TRect f = ClientRect();
        DottedFrame(canvas,
                    {f.Left + kFocusInset, f.Top + kFocusInset, f.Right - kFocusInset,
                     f.Bottom - kFocusInset},
                    clBlack);
    }
}
