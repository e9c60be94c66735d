#include "vcl/Control.h"

#include "vcl/Exception.h"
#include "vcl/Form.h"
#include "vcl/FormText.h"
#include "vcl/LayoutValues.h"

#include <algorithm>

// --- TControl ---

TControl::TControl(TComponent* AOwner) : TComponent(AOwner) {
    font_.OnChange = [this] {
        // A font set on the control itself stops following the parent's.
        if (!syncingFont_)
            parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl() {
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent) {
    if (parent_ == parent)
        return;
    if (parent_)
        parent_->RemoveControl(this);
    parent_ = parent;
    if (parent_) {
        parent_->InsertControl(this);
        ParentColorChanged();
        ParentFontChanged();
        if (align_ != TAlign::alNone)
            parent_->Realign();
    }
}

void TControl::SetBounds(int left, int top, int width, int height) {
    bounds_ = Bounds(left, top, width, height);
    if (parent_ && align_ != TAlign::alNone)
        parent_->Realign();
    Invalidate();
}

void TControl::SetAlign(TAlign align) {
    align_ = align;
    if (parent_)
        parent_->Realign();
}

void TControl::SetVisible(bool v) {
    visible_ = v;
    if (parent_)
        parent_->Realign();
    Invalidate();
}

void TControl::SetEnabled(bool v) {
    enabled_ = v;
    EnabledChanged();
}

void TControl::SetCaption(const AnsiString& v) {
    caption_ = v;
    Invalidate();
}

void TControl::SetColor(TColor v) {
    color_ = v;
    parentColor_ = false;
    ColorChanged();
}

void TControl::SetParentColor(bool v) {
    parentColor_ = v;
    ParentColorChanged();
}

void TControl::SetParentFont(bool v) {
    parentFont_ = v;
    ParentFontChanged();
}

void TControl::ParentColorChanged() {
    if (!parentColor_ || !parent_)
        return;
    color_ = parent_->Color();
    ColorChanged();
}

void TControl::ParentFontChanged() {
    if (!parentFont_ || !parent_)
        return;
    syncingFont_ = true;
    font_.Assign(*parent_->Font());
    syncingFont_ = false;
}

TForm* TControl::ParentForm() const {
    return parent_ ? parent_->ParentForm() : nullptr;
}

TPoint TControl::WindowOrigin() const {
    if (!parent_)
        return {0, 0};
    TPoint p = parent_->ClientOrigin();
    return {p.X + Left(), p.Y + Top()};
}

TPoint TControl::ClientOrigin() const {
    TPoint p = WindowOrigin();
    return {p.X + BorderInset(), p.Y + BorderInset()};
}

TRect TControl::VisibleRect() const {
    TPoint o = WindowOrigin();
    TRect r = Bounds(o.X, o.Y, Width(), Height());
    if (!parent_)
        return r;
    TPoint po = parent_->ClientOrigin();
    TRect parentClient = Bounds(po.X, po.Y, parent_->ClientWidth(), parent_->ClientHeight());
    return r.Intersect(parentClient).Intersect(parent_->VisibleRect());
}

bool TControl::Showing() const {
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible())
            return false;
    return true;
}

void TControl::Click() {
    if (OnClick)
        OnClick(this);
}

void TControl::Invalidate() {
    TForm* form = ParentForm();
    if (form && form->Native())
        form->Native()->Invalidate();
}

void TControl::Repaint() {
    TForm* form = ParentForm();
    if (!form || !form->Native() || !form->Native()->Visible() || !Showing())
        return;
    // A see-through control shows its parent, so the parent paints too.
    if (Opaque() || !parent_)
        PaintTree();
    else
        parent_->PaintTree();
    form->Native()->Surface().Flush();
}

TDrawTarget TControl::DrawTarget(bool excludeOpaqueChildren) const {
    TDrawTarget t;
    TForm* form = ParentForm();
    if (!form || !form->Native() || !form->Native()->Visible())
        return t;
    t.Surface = &form->Native()->Surface();
    t.Origin = ClientOrigin();
    TRect client = Bounds(t.Origin.X, t.Origin.Y, ClientWidth(), ClientHeight());
    t.Region = {client.Intersect(VisibleRect())};
    if (t.Region.front().IsEmpty())
        t.Region.clear();
    if (excludeOpaqueChildren)
        for (const TRect& child : OpaqueChildRects())
            t.Region = SubtractRect(t.Region, child);
    t.Direct = !form->InPaintPass();
    return t;
}

bool TControl::SetProperty(const AnsiString& name, const vcl::TFormValue& value) {
    using namespace vcl;
    if (name == "Left")
        SetLeft(static_cast<int>(value.AsInteger()));
    else if (name == "Top")
        SetTop(static_cast<int>(value.AsInteger()));
    else if (name == "Width")
        SetWidth(static_cast<int>(value.AsInteger()));
    else if (name == "Height")
        SetHeight(static_cast<int>(value.AsInteger()));
    else if (name == "Align")
        SetAlign(AlignFromName(value.AsIdentifier()));
    else if (name == "Caption")
        SetCaption(value.AsString());
    else if (name == "Visible")
        SetVisible(BoolFromName(value.AsIdentifier()));
    else if (name == "Enabled")
        SetEnabled(BoolFromName(value.AsIdentifier()));
    else if (name == "Color")
        SetColor(ColorFromValue(value));
    else if (name == "ParentColor")
        SetParentColor(BoolFromName(value.AsIdentifier()));
    else if (name == "ParentFont")
        SetParentFont(BoolFromName(value.AsIdentifier()));
    else if (name == "Font.Name")
        font_.SetName(value.AsString());
    else if (name == "Font.Height")
        font_.SetHeight(static_cast<int>(value.AsInteger()));
    else if (name == "Font.Color")
        font_.SetColor(ColorFromValue(value));
    else if (name == "Font.Style")
        font_.SetStyle(FontStylesFromSet(value.AsSet()));
    else if (name == "Font.Charset")
        font_.SetCharset(CharsetFromValue(value));
    else
        return TComponent::SetProperty(name, value);
    return true;
}

bool TControl::SetEvent(const AnsiString& name, TNotifyEvent handler) {
    if (name != "OnClick")
        return TComponent::SetEvent(name, std::move(handler));
    OnClick = std::move(handler);
    return true;
}

// --- TGraphicControl ---

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), canvas_([this] { return DrawTarget(false); }) {}

void TGraphicControl::PaintTree() {
    if (Showing())
        Paint();
}

// --- TWinControl ---

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

// --- TCustomControl ---

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), canvas_([this] { return DrawTarget(true); }) {}
