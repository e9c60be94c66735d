#include "vcl/Form.h"

#include "vcl/Application.h"
#include "vcl/Exception.h"
#include "vcl/FormText.h"
#include "vcl/LayoutValues.h"

#include <algorithm>

namespace {

constexpr int mrCancel = 2;

void CollectTabStops(const TWinControl& parent, std::vector<TWinControl*>& out) {
    for (TWinControl* c : parent.TabList()) {
        if (c->TabStop() && c->CanFocus())
            out.push_back(c);
        CollectTabStops(*c, out);
    }
}

} // namespace

TForm::TForm(TComponent* AOwner)
    : TWinControl(AOwner), canvas_([this] { return DrawTarget(true); }) {
    SetVisible(false);
    SetColor(clBtnFace);
}

TForm::~TForm() {
    // Controls go first, while the window they paint on still exists.
    while (ComponentCount() > 0)
        delete Components(ComponentCount() - 1);
}

const TPublishedTable& TForm::Published() const {
    static const TPublishedTable none;
    return none;
}

void TForm::SetCaption(const AnsiString& v) {
    TWinControl::SetCaption(v);
    if (native_)
        native_->SetCaption(v);
}

void TForm::SetClientWidth(int v) {
    clientSize_.Width = v;
    TWinControl::SetBounds(Left(), Top(), v, clientSize_.Height);
    if (native_)
        native_->SetClientSize(clientSize_);
}

void TForm::SetClientHeight(int v) {
    clientSize_.Height = v;
    TWinControl::SetBounds(Left(), Top(), clientSize_.Width, v);
    if (native_)
        native_->SetClientSize(clientSize_);
}

void TForm::HandleNeeded() {
    if (native_)
        return;
    vcl::TWindowParams params;
    params.Caption = Caption();
    params.ClientSize = clientSize_;
    params.MinimizeBox = (borderIcons_ & biMinimize) != 0;
    bool sizeable = borderStyle_ == TFormBorderStyle::bsSizeable;
    params.MaximizeBox = sizeable && (borderIcons_ & biMaximize) != 0;
    TForm* main = Application ? Application->MainForm() : nullptr;
    if (main && main != this) {
        main->HandleNeeded();
        params.Owner = main->Native();
    }
    params.Icon = Icon() ? Icon() : (Application ? Application->Icon() : nullptr);
    native_ = vcl::Backend().CreateNativeWindow(params, *this);
}

void TForm::Show() {
    HandleNeeded();
    SetVisible(true);
    native_->Show(position_ == TPosition::poScreenCenter);
}

void TForm::Hide() {
    SetVisible(false);
    if (native_)
        native_->Hide();
}

void TForm::Close() {
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    else if (modal_)
        modalResult_ = mrCancel;
    else
        Hide();
}

namespace {

// The application's other windows wait while a modal form is up.
class TDisabledWindows {
public:
    explicit TDisabledWindows(const TForm* modal) {
        if (!Application)
            return;
        for (TForm* f : Application->Forms())
            if (f != modal && f->Native()) {
                f->Native()->SetEnabled(false);
                windows_.push_back(f->Native());
            }
    }
    ~TDisabledWindows() {
        for (auto* w : windows_)
            w->SetEnabled(true);
    }
    TDisabledWindows(const TDisabledWindows&) = delete;
    TDisabledWindows& operator=(const TDisabledWindows&) = delete;

private:
    std::vector<vcl::INativeWindow*> windows_;
};

} // namespace

int TForm::ShowModal() {
    TDisabledWindows others(this);
    modalResult_ = 0;
    modal_ = true;
    Show();
    try {
        while (modalResult_ == 0)
            vcl::Backend().WaitEvent();
    } catch (...) {
        modal_ = false;
        Hide();
        throw;
    }
    modal_ = false;
    Hide();
    return modalResult_;
}

void TForm::SetActiveControl(TWinControl* c) {
    if (c == active_)
        return;
    TWinControl* old = active_;
    active_ = c;
    if (old)
        old->FocusChanged(false);
    if (c)
        c->FocusChanged(true);
}

void TForm::SelectNext(bool forward) {
    std::vector<TWinControl*> stops;
    CollectTabStops(*this, stops);
    if (stops.empty())
        return;
    auto it = std::find(stops.begin(), stops.end(), active_);
    std::size_t i = it == stops.end() ? 0 : static_cast<std::size_t>(it - stops.begin());
    if (it != stops.end())
        i = forward ? (i + 1) % stops.size() : (i + stops.size() - 1) % stops.size();
    SetActiveControl(stops[i]);
}

void TForm::ControlRemoved(TControl* c) {
    if (capture_ == c)
        capture_ = nullptr;
    if (active_ == c)
        active_ = nullptr;
}

void TForm::PaintSelf() {
    canvas_.Brush()->SetColor(Color());
    canvas_.FillRect(ClientRect());
}

bool TForm::SetProperty(const AnsiString& name, const vcl::TFormValue& value) {
    using namespace vcl;
    if (name == "ClientWidth") {
        SetClientWidth(static_cast<int>(value.AsInteger()));
    } else if (name == "ClientHeight") {
        SetClientHeight(static_cast<int>(value.AsInteger()));
    } else if (name == "BorderStyle") {
        static const std::pair<const char*, TFormBorderStyle> table[] = {
            {"bsNone", TFormBorderStyle::bsNone},
            {"bsSingle", TFormBorderStyle::bsSingle},
            {"bsSizeable", TFormBorderStyle::bsSizeable},
            {"bsDialog", TFormBorderStyle::bsDialog}};
        borderStyle_ = ValueFromName(value.AsIdentifier(), table, "BorderStyle");
    } else if (name == "BorderIcons") {
        static const std::pair<const char*, TBorderIcon> table[] = {{"biSystemMenu", biSystemMenu},
                                                                    {"biMinimize", biMinimize},
                                                                    {"biMaximize", biMaximize},
                                                                    {"biHelp", biHelp}};
        borderIcons_ = 0;
        for (const AnsiString& n : value.AsSet())
            borderIcons_ |= ValueFromName(n, table, "BorderIcons");
    } else if (name == "Position") {
        static const std::pair<const char*, TPosition> table[] = {
            {"poDesigned", TPosition::poDesigned},
            {"poDefault", TPosition::poDefault},
            {"poScreenCenter", TPosition::poScreenCenter}};
        position_ = ValueFromName(value.AsIdentifier(), table, "Position");
    } else if (name == "Icon.Data") {
        const auto& bytes = value.AsBinary();
        icon_ = DecodeIcon(std::span<const std::uint8_t>(bytes.data(), bytes.size()));
    } else if (name == "PixelsPerInch" || name == "TextHeight") {
        // The layout was made at 96 pixels per inch with 13-pixel lines, which the
        // backends reproduce; nothing to scale.
        value.AsInteger();
    } else {
        return TWinControl::SetProperty(name, value);
    }
    return true;
}

template <typename F> void TForm::Dispatch(F&& handler) {
    try {
        handler();
    } catch (const Exception& e) {
        if (!Application)
            throw;
        Application->HandleException(e);
    }
}

TPoint TForm::LocalPoint(TControl* c, TPoint p) const {
    TPoint o = c->WindowOrigin();
    return {p.X - o.X, p.Y - o.Y};
}

void TForm::WindowPaint() {
    inPaint_ = true;
    try {
        PaintTree();
    } catch (...) {
        inPaint_ = false;
        throw;
    }
    inPaint_ = false;
    native_->Surface().Flush();
}

void TForm::WindowMouseDown(TPoint p, TMouseButton button) {
    Dispatch([&] {
        TControl* target = capture_ ? capture_ : ControlAt(p);
        if (!target)
            return;
        if (button == TMouseButton::mbLeft)
            capture_ = target;
        target->MouseDown(button, LocalPoint(target, p));
    });
}

void TForm::WindowMouseUp(TPoint p, TMouseButton button) {
    Dispatch([&] {
        TControl* target = capture_ ? capture_ : ControlAt(p);
        if (button == TMouseButton::mbLeft)
            capture_ = nullptr;
        if (target)
            target->MouseUp(button, LocalPoint(target, p));
    });
}

void TForm::WindowMouseMove(TPoint p) {
    Dispatch([&] {
        if (TControl* target = capture_ ? capture_ : ControlAt(p))
            target->MouseMove(LocalPoint(target, p));
    });
}

void TForm::WindowKeyDown(const vcl::TKeyEvent& key) {
    Dispatch([&] {
        if (DialogKey(key))
            return;
        if (key.Key == TKey::Tab)
            SelectNext(!key.Shift);
        else if (active_ && active_->CanFocus())
            active_->KeyDown(key);
    });
}

void TForm::WindowKeyUp(const vcl::TKeyEvent& key) {
    Dispatch([&] {
        if (active_ && active_->CanFocus())
            active_->KeyUp(key);
    });
}

void TForm::WindowCloseRequest() {
    Dispatch([&] {
        if (CloseQuery())
            Close();
    });
}

void TForm::WindowActivate(bool active) {
    Dispatch([&] {
        if (active && (!active_ || !active_->CanFocus()))
            SelectNext(true);
    });
}
