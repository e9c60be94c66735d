// Controls: TControl (bounds, alignment, caption, colour and font with the parent rules),
// TWinControl (children, alignment of children, tab order, focus), TGraphicControl (paints
// on its parent's surface) and TCustomControl (a windowed control with its own canvas).
#pragma once

#include "vcl/Canvas.h"
#include "vcl/Component.h"

#include <memory>
#include <vector>

using vcl::TKey;
using vcl::TMouseButton;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TWinControl;
class TForm;

class TControl : public TComponent {
public:
    explicit TControl(TComponent* AOwner);
    ~TControl() override;
    AnsiString ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width(); }
    int Height() const { return bounds_.Height(); }
    void SetLeft(int v) { SetBounds(v, Top(), Width(), Height()); }
    void SetTop(int v) { SetBounds(Left(), v, Width(), Height()); }
    void SetWidth(int v) { SetBounds(Left(), Top(), v, Height()); }
    void SetHeight(int v) { SetBounds(Left(), Top(), Width(), v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return bounds_; }

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Enabled() const { return enabled_; }
    virtual void SetEnabled(bool v);
    AnsiString Caption() const { return caption_; }
    virtual void SetCaption(const AnsiString& v);

    TColor Color() const { return color_; }
    void SetColor(TColor v);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool v);
    TFont* Font() { return &font_; }
    const TFont* Font() const { return &font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);

    TNotifyEvent OnClick;

    // The client area in the control's own coordinates; its origin is always 0, 0.
    virtual int ClientWidth() const { return Width(); }
    virtual int ClientHeight() const { return Height(); }
    TRect ClientRect() const { return {0, 0, ClientWidth(), ClientHeight()}; }

    // The form this control lies on (a form is its own).
    virtual TForm* ParentForm() const;
    // Where the control's top-left corner lies in its form's client area.
    TPoint WindowOrigin() const;
    // The width of an edge drawn outside the client area (a sunken single border).
    virtual int BorderInset() const { return 0; }
    // Where the client area's top-left corner lies in the form's client area.
    TPoint ClientOrigin() const;
    // The visible part of the control in form coordinates, inside every ancestor.
    TRect VisibleRect() const;
    // True when the control and all its parents are shown.
    bool Showing() const;

    // Opaque controls cover their area completely; their parent does not paint there.
    virtual bool Opaque() const { return false; }
    virtual void Click();
    // Asks for a later repaint of the form.
    void Invalidate();
    // Paints the control now and puts it on the screen before returning.
    virtual void Repaint();
    // Paints the control (and its children) in the form's current paint pass.
    virtual void PaintTree() = 0;

    // Input in the control's own coordinates.
    virtual void MouseDown(TMouseButton, TPoint) {}
    virtual void MouseUp(TMouseButton, TPoint) {}
    virtual void MouseMove(TPoint) {}
    virtual void KeyDown(const vcl::TKeyEvent&) {}
    virtual void KeyUp(const vcl::TKeyEvent&) {}

    bool SetProperty(const AnsiString& name, const vcl::TFormValue& value) override;
    bool SetEvent(const AnsiString& name, TNotifyEvent handler) override;

    // Called by the parent when its colour or font changes.
    void ParentColorChanged();
    void ParentFontChanged();

protected:
    // Draw target for a canvas that paints this control, in its own coordinates.
    TDrawTarget DrawTarget(bool excludeOpaqueChildren) const;
    virtual void ColorChanged() { Invalidate(); }
    virtual void FontChanged() { Invalidate(); }
    virtual void EnabledChanged() { Invalidate(); }
    virtual std::vector<TRect> OpaqueChildRects() const { return {}; }

private:
    TWinControl* parent_ = nullptr;
    TRect bounds_;
    TAlign align_ = TAlign::alNone;
    bool visible_ = true;
    bool enabled_ = true;
    AnsiString caption_;
    TColor color_ = clWindow;
    bool parentColor_ = true;
    TFont font_;
    bool parentFont_ = true;
    bool syncingFont_ = false;
};

// Paints on its parent's surface with a canvas of its own coordinates.
class TGraphicControl : public TControl {
public:
    explicit TGraphicControl(TComponent* AOwner);
    AnsiString ClassName() const override { return "TGraphicControl"; }
    TCanvas* Canvas() { return &canvas_; }
    void PaintTree() override;

protected:
    virtual void Paint() {}

private:
    TCanvas canvas_;
};

class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* AOwner);
    ~TWinControl() override;
    AnsiString ClassName() const override { return "TWinControl"; }

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int i) const { return controls_.at(i); }
    void InsertControl(TControl* c);
    void RemoveControl(TControl* c);

    // Windowed children in tab order.
    const std::vector<TWinControl*>& TabList() const { return tabList_; }
    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    bool Focused() const;
    bool CanFocus() const;
    void SetFocus();

    int ClientWidth() const override { return Width() - 2 * BorderInset(); }
    int ClientHeight() const override { return Height() - 2 * BorderInset(); }
    // The part of the client area that aligned children share.
    virtual TRect AlignRect() const { return ClientRect(); }
    void Realign();

    void SetBounds(int left, int top, int width, int height) override;
    bool Opaque() const override { return true; }
    void PaintTree() override;
    // The deepest enabled, visible control at `p` (own coordinates), or null.
    TControl* ControlAt(TPoint p);

    // Called by the form when the control gains or loses the focus.
    virtual void FocusChanged(bool) {}

    bool SetProperty(const AnsiString& name, const vcl::TFormValue& value) override;

protected:
    // Paints what lies outside the client area (the border).
    virtual void PaintBorder() {}
    // Paints the control's own face, inside its border, before its children.
    virtual void PaintSelf() {}
    std::vector<TRect> OpaqueChildRects() const override;
    void ColorChanged() override;
    void FontChanged() override;
    TCanvas* WindowCanvas() { return &windowCanvas_; }

private:
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool aligning_ = false;
    TCanvas windowCanvas_; // the whole bounds, for the border
};

// A windowed control that paints itself through Paint on its own canvas.
class TCustomControl : public TWinControl {
public:
    explicit TCustomControl(TComponent* AOwner);
    AnsiString ClassName() const override { return "TCustomControl"; }
    TCanvas* Canvas() { return &canvas_; }

protected:
    virtual void Paint() {}
    void PaintSelf() override { Paint(); }

private:
    TCanvas canvas_;
};
