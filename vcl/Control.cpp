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

// --- TCustomControl ---

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), canvas_([this] { return DrawTarget(true); }) {}
