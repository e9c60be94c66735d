#include "vcl/Control.h"

#include "vcl/Form.h"
#include "vcl/FormText.h"
#include "vcl/LayoutValues.h"

#include <algorithm>

// Windowed controls: children, their alignment, tab order and painting.

TWinControl::TWinControl(TComponent* AOwner)
    : TControl(AOwner), windowCanvas_([this] {
          TDrawTarget t = DrawTarget(false);
          if (!t.Surface)
              return t;
          // The border lies outside the client area: draw in the control's own bounds.
          t.Origin = WindowOrigin();
          TRect whole = Bounds(t.Origin.X, t.Origin.Y, Width(), Height());
          t.Region = {whole.Intersect(VisibleRect())};
          return t;
      }) {}

TWinControl::~TWinControl() {
    // Children owned elsewhere must not point at a freed parent.
    while (!controls_.empty())
        controls_.back()->SetParent(nullptr);
}

void TWinControl::InsertControl(TControl* c) {
    controls_.push_back(c);
    if (auto* w = dynamic_cast<TWinControl*>(c))
        tabList_.push_back(w);
}

void TWinControl::RemoveControl(TControl* c) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), c), controls_.end());
    tabList_.erase(std::remove(tabList_.begin(), tabList_.end(), c), tabList_.end());
    if (TForm* form = ParentForm())
        form->ControlRemoved(c);
}

int TWinControl::TabOrder() const {
    if (!Parent())
        return -1;
    const auto& list = Parent()->tabList_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

void TWinControl::SetTabOrder(int order) {
    if (!Parent())
        return;
    auto& list = Parent()->tabList_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    order = std::clamp(order, 0, static_cast<int>(list.size()));
    list.insert(list.begin() + order, this);
}

bool TWinControl::Focused() const {
    TForm* form = ParentForm();
    return form && form->ActiveControl() == this;
}

bool TWinControl::CanFocus() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus() {
    if (TForm* form = ParentForm())
        form->SetActiveControl(this);
}

void TWinControl::SetBounds(int left, int top, int width, int height) {
    TControl::SetBounds(left, top, width, height);
    Realign();
}

void TWinControl::Realign() {
    if (aligning_)
        return;
    aligning_ = true;
    TRect rest = AlignRect();
    // The platform's order: top, bottom, left, right, then the client control.
    for (TAlign a :
         {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight, TAlign::alClient}) {
        std::vector<TControl*> group;
        for (TControl* c : controls_)
            if (c->Align() == a && c->Visible())
                group.push_back(c);
        // Controls of one alignment keep the order of their positions.
        std::stable_sort(group.begin(), group.end(), [a](TControl* x, TControl* y) {
            switch (a) {
            case TAlign::alTop:
                return x->Top() < y->Top();
            case TAlign::alBottom:
                return x->Top() + x->Height() > y->Top() + y->Height();
            case TAlign::alLeft:
                return x->Left() < y->Left();
            case TAlign::alRight:
                return x->Left() + x->Width() > y->Left() + y->Width();
            default:
                return false;
            }
        });
        for (TControl* c : group) {
            switch (a) {
            case TAlign::alTop:
                c->SetBounds(rest.Left, rest.Top, rest.Width(), c->Height());
                rest.Top += c->Height();
                break;
            case TAlign::alBottom:
                c->SetBounds(rest.Left, rest.Bottom - c->Height(), rest.Width(), c->Height());
                rest.Bottom -= c->Height();
                break;
            case TAlign::alLeft:
                c->SetBounds(rest.Left, rest.Top, c->Width(), rest.Height());
                rest.Left += c->Width();
                break;
            case TAlign::alRight:
                c->SetBounds(rest.Right - c->Width(), rest.Top, c->Width(), rest.Height());
                rest.Right -= c->Width();
                break;
            default:
                c->SetBounds(rest.Left, rest.Top, rest.Width(), rest.Height());
                break;
            }
        }
    }
    aligning_ = false;
}

void TWinControl::ColorChanged() {
    TControl::ColorChanged();
    for (TControl* c : controls_)
        c->ParentColorChanged();
}

void TWinControl::FontChanged() {
    TControl::FontChanged();
    for (TControl* c : controls_)
        c->ParentFontChanged();
}

std::vector<TRect> TWinControl::OpaqueChildRects() const {
    std::vector<TRect> rects;
    for (TControl* c : controls_)
        if (c->Showing() && c->Opaque())
            rects.push_back(c->VisibleRect());
    return rects;
}

void TWinControl::PaintTree() {
    if (!Showing())
        return;
    PaintBorder();
    PaintSelf();
    // Graphic children lie on this control's surface, windowed ones above them.
    for (TControl* c : controls_)
        if (!dynamic_cast<TWinControl*>(c))
            c->PaintTree();
    for (TControl* c : controls_)
        if (dynamic_cast<TWinControl*>(c))
            c->PaintTree();
}

TControl* TWinControl::ControlAt(TPoint p) {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        TControl* c = *it;
        if (!c->Visible() || !c->Enabled() || !c->BoundsRect().Contains(p))
            continue;
        if (auto* w = dynamic_cast<TWinControl*>(c)) {
            TPoint local{p.X - w->Left() - w->BorderInset(), p.Y - w->Top() - w->BorderInset()};
            if (TControl* inner = w->ControlAt(local))
                return inner;
        }
        return c;
    }
    return nullptr;
}

bool TWinControl::SetProperty(const AnsiString& name, const vcl::TFormValue& value) {
    if (name == "TabOrder")
        SetTabOrder(static_cast<int>(value.AsInteger()));
    else if (name == "TabStop")
        SetTabStop(vcl::BoolFromName(value.AsIdentifier()));
    else
        return TControl::SetProperty(name, value);
    return true;
}
