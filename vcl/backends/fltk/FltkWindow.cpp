#include "vcl/backends/fltk/FltkWindow.h"

#include "vcl/backends/fltk/FltkIcon.h"
#include "vcl/backends/fltk/FltkInput.h"
#include "win32/Cp1252.h"

#include <FL/Fl.H>
#include <FL/Fl_Window.H>
#include <FL/fl_draw.H>
#include <FL/x.H>

#include <algorithm>

namespace vcl::fltk {

namespace {
// How long the window manager may take to say what frame it would draw.
constexpr auto kFrameQueryTimeout = std::chrono::milliseconds(500);
// How long we wait for the frame of a window just shown before leaving it where it is.
constexpr auto kPlacementPatience = std::chrono::seconds(3);
} // namespace

// The FLTK side: a single-buffered window with no widgets that hands everything to us.
class TFlWindow : public Fl_Window {
public:
    TFlWindow(TFltkWindow& owner, TSize size)
        : Fl_Window(std::max(1, size.Width), std::max(1, size.Height)), owner_(&owner) {
        end();
    }
    void Detach() { owner_ = nullptr; }
    int BaseHandle(int event) { return Fl_Window::handle(event); }

    int handle(int event) override {
        if (owner_)
            return owner_->Handle(event);
        return event == FL_SHOW || event == FL_HIDE ? Fl_Window::handle(event) : 1;
    }
    void draw() override {
        if (owner_)
            owner_->Paint();
    }
    // FLTK also calls a window's callback for Escape; only the close box closes.
    static void OnCallback(Fl_Widget* widget, void*) {
        auto* self = static_cast<TFlWindow*>(widget);
        if (Fl::event() == FL_CLOSE && self->owner_)
            self->owner_->CloseBox();
    }

private:
    TFltkWindow* owner_;
};

void TFlWindowDeleter::operator()(TFlWindow* window) const {
    window->Detach();
    Fl::delete_widget(window);
}

// Makes the window FLTK's drawing target outside its paint; inside it, FLTK already has
// (clipped to what needs painting). Another window's running paint gets its target back.
class TFltkWindow::TDrawScope {
public:
    explicit TDrawScope(TFltkWindow& w) {
        shown_ = w.window_->shown();
        if (!shown_ || w.context_.Painting == &w)
            return;
        w.window_->make_current();
        interrupted_ = w.context_.Painting;
    }
    ~TDrawScope() {
        if (interrupted_)
            interrupted_->window_->make_current();
    }
    TDrawScope(const TDrawScope&) = delete;
    TDrawScope& operator=(const TDrawScope&) = delete;
    explicit operator bool() const { return shown_; }

private:
    TFltkWindow* interrupted_ = nullptr;
    bool shown_ = false;
};

TFltkWindow::TFltkWindow(TFltkContext& context, const TWindowParams& params, IWindowEvents& events)
    : context_(context), events_(events),
      window_(std::make_unique<TFlWindow>(*this, params.ClientSize).release()),
      owner_(dynamic_cast<TFltkWindow*>(params.Owner)), minimizeBox_(params.MinimizeBox),
      size_(params.ClientSize), clip_{0, 0, params.ClientSize.Width, params.ClientSize.Height},
      caption_(win32::Cp1252ToUtf8(params.Caption)) {
    window_->size_range(window_->w(), window_->h(), window_->w(), window_->h());
    window_->box(FL_NO_BOX);
    window_->callback(&TFlWindow::OnCallback);
    if (params.Icon)
        SetWindowIcon(*window_, *params.Icon);
    ApplyLabels();
    context_.Windows.push_back(this);
}

TFltkWindow::~TFltkWindow() {
    auto& windows = context_.Windows;
    windows.erase(std::remove(windows.begin(), windows.end(), this), windows.end());
    for (TFltkWindow* w : windows)
        if (w->owner_ == this)
            w->owner_ = nullptr;
    if (context_.Painting == this)
        context_.Painting = nullptr;
}

void TFltkWindow::ApplyLabels() {
    window_->copy_label(caption_.c_str());
    if (!iconLabel_.empty())
        window_->iconlabel(iconLabel_.c_str());
    if (window_->shown())
        SetLegacyNames(fl_display, XId(), caption_, iconLabel_.empty() ? caption_ : iconLabel_);
}

void TFltkWindow::SetCaption(const AnsiString& caption) {
    caption_ = win32::Cp1252ToUtf8(caption);
    ApplyLabels();
    if (window_->shown())
        XFlush(fl_display);
}

void TFltkWindow::SetClientSize(TSize size) {
    size_ = size;
    clip_ = {0, 0, size.Width, size.Height};
    int w = std::max(1, size.Width), h = std::max(1, size.Height);
    window_->size_range(w, h, w, h);
    window_->size(w, h);
    if (window_->shown()) {
        // FLTK has rewritten the frame hints for the new size.
        ApplyWmHints(fl_display, XId(), Hints());
        XFlush(fl_display);
    }
    window_->redraw();
}

unsigned long TFltkWindow::XId() const {
    return fl_xid(window_.get());
}

TWmHints TFltkWindow::Hints() const {
    TWmHints hints;
    hints.ClientSize = size_;
    hints.MinimizeBox = minimizeBox_;
    if (owner_ && owner_->window_->shown())
        hints.TransientFor = owner_->XId();
    return hints;
}

TPoint TFltkWindow::CentredClientOrigin(const TFrameExtents& frame) const {
    TPoint outer = CentreOnScreen(FullScreenSize(fl_display), frame.Around(size_));
    return {outer.X + frame.Left, outer.Y + frame.Top};
}

void TFltkWindow::Show(bool centred) {
    bool first = !shownBefore_;
    if (first && !context_.ApplicationTitle.empty()) {
        // The window manager reads the class only when it first sees the window.
        window_->xclass(context_.ApplicationTitle.c_str());
        iconLabel_ = win32::Cp1252ToUtf8(context_.ApplicationTitle);
        ApplyLabels();
    }
    std::optional<TFrameExtents> predicted;
    if (first && centred) {
        predicted = PredictFrameExtents(fl_display, Hints(), kFrameQueryTimeout);
        TPoint origin = CentredClientOrigin(predicted.value_or(TFrameExtents{}));
        window_->position(origin.X, origin.Y);
    }
    bool create = !window_->shown();
    window_->show();
    visible_ = true;
    shownBefore_ = true;
    if (create) {
        ApplyWmHints(fl_display, XId(), Hints());
        ApplyLabels();
    }
    if (first && centred) {
        // FLTK pulls new windows fully onto the screen; a framed one wider than the
        // screen belongs with its frame's edge at 0. Undo that before the frame appears.
        TPoint origin = CentredClientOrigin(predicted.value_or(TFrameExtents{}));
        XMoveWindow(fl_display, XId(), origin.X, origin.Y);
        placement_ =
            TPlacement{predicted.value_or(TFrameExtents{}), std::chrono::steady_clock::now()};
    }
    XFlush(fl_display);
}

void TFltkWindow::FinishPlacement() {
    if (!placement_ || !window_->shown())
        return;
    std::optional<TFrameExtents> frame = ReadFrameExtents(fl_display, XId());
    if (!frame) {
        bool waiting = HasWindowManager(fl_display) &&
                       std::chrono::steady_clock::now() - placement_->Since < kPlacementPatience;
        if (!waiting)
            placement_.reset();
        return;
    }
    TPoint wanted = CentredClientOrigin(*frame);
    if (ClientOrigin(fl_display, XId()) != wanted) {
        XMoveWindow(fl_display, XId(), wanted.X, wanted.Y);
        XFlush(fl_display);
    }
    placement_.reset();
}

void TFltkWindow::Hide() {
    visible_ = false;
    placement_.reset();
    window_->hide();
}

void TFltkWindow::Invalidate() {
    window_->redraw();
}

void TFltkWindow::FillRect(const TRect& r, TRGB color) {
    TDrawScope scope(*this);
    if (!scope)
        return;
    TRect area = r.Intersect(clip_).Intersect({0, 0, size_.Width, size_.Height});
    if (area.IsEmpty())
        return;
    fl_color(color.R, color.G, color.B);
    fl_rectf(area.Left, area.Top, area.Width(), area.Height());
}

void TFltkWindow::DrawText(TPoint cell, const AnsiString& text, const TFontSpec& font, TRGB color) {
    TDrawScope scope(*this);
    if (!scope || text.empty())
        return;
    TRect clip = clip_.Intersect({0, 0, size_.Width, size_.Height});
    if (clip.IsEmpty())
        return;
    const TFltkFont& f = context_.Fonts.Select(font);
    std::string utf8 = win32::Cp1252ToUtf8(text);
    fl_color(color.R, color.G, color.B);
    fl_push_clip(clip.Left, clip.Top, clip.Width(), clip.Height());
    fl_draw(utf8.c_str(), static_cast<int>(utf8.size()), cell.X, cell.Y + f.Metrics.Ascent);
    fl_pop_clip();
}

void TFltkWindow::Flush() {
    // A round trip: when it returns, the server has drawn everything we sent.
    if (window_->shown())
        XSync(fl_display, False);
}

template <class F> void TFltkWindow::Report(F&& report) {
    if (context_.Failure)
        return;
    try {
        report();
    } catch (...) {
        context_.Failure = std::current_exception();
    }
}

void TFltkWindow::Paint() {
    if (context_.Failure || context_.Dispatching == 0) {
        repaintLater_ = true;
        return;
    }
    TFltkWindow* outer = context_.Painting;
    context_.Painting = this;
    Report([this] { events_.WindowPaint(); });
    context_.Painting = outer;
}

bool TFltkWindow::IsOwnKeyEvent() const {
    return fl_xevent && (fl_xevent->type == KeyPress || fl_xevent->type == KeyRelease) &&
           fl_xevent->xkey.window == XId();
}

int TFltkWindow::Handle(int event) {
    // Input is reported only when enabled; handled events return 1 so that FLTK does
    // nothing of its own with them (such as closing the window on Escape).
    switch (event) {
    case FL_PUSH:
    case FL_RELEASE:
        if (auto button = CurrentButton(); button && enabled_) {
            TPoint p = CurrentMousePosition();
            if (event == FL_PUSH)
                Report([&] { events_.WindowMouseDown(p, *button); });
            else
                Report([&] { events_.WindowMouseUp(p, *button); });
        }
        return 1;
    case FL_MOVE:
    case FL_DRAG:
        if (enabled_) {
            TPoint p = CurrentMousePosition();
            Report([&] { events_.WindowMouseMove(p); });
        }
        return 1;
    case FL_ENTER:
    case FL_LEAVE:
        return 1;
    case FL_KEYBOARD:
    case FL_SHORTCUT:
    case FL_KEYUP:
        // FLTK offers unclaimed keys to every window as shortcuts; only ours counts.
        if (!IsOwnKeyEvent())
            return 0;
        if (enabled_) {
            TKeyEvent key = CurrentKey();
            if (event == FL_KEYUP)
                Report([&] { events_.WindowKeyUp(key); });
            else
                Report([&] { events_.WindowKeyDown(key); });
        }
        return 1;
    case FL_FOCUS:
        // As on Windows, activating a window that waits for its dialog activates the dialog.
        if (!enabled_)
            if (TFltkWindow* dialog = ShownDialog())
                RequestActivation(fl_display, dialog->XId(), XId(), fl_event_time);
        Activated(true);
        return 1;
    case FL_UNFOCUS:
        Activated(false);
        return 1;
    default:
        return window_->BaseHandle(event);
    }
}

TFltkWindow* TFltkWindow::ShownDialog() const {
    auto& windows = context_.Windows;
    auto it = std::find_if(windows.rbegin(), windows.rend(), [this](const TFltkWindow* w) {
        return w->owner_ == this && w->visible_ && w->window_->shown();
    });
    return it == windows.rend() ? nullptr : *it;
}

void TFltkWindow::Activated(bool active) {
    // FLTK moves focus inside show() and hide() too; those reports wait for dispatch.
    if (context_.Dispatching == 0) {
        pendingActive_ = active;
        return;
    }
    if (reportedActive_ == active)
        return;
    reportedActive_ = active;
    Report([&] { events_.WindowActivate(active); });
}

void TFltkWindow::CloseBox() {
    if (enabled_)
        Report([this] { events_.WindowCloseRequest(); });
}

void TFltkWindow::AfterDispatch() {
    if (repaintLater_ && !context_.Failure) {
        repaintLater_ = false;
        window_->redraw();
    }
    FinishPlacement();
    if (pendingActive_) {
        bool active = *pendingActive_;
        pendingActive_.reset();
        Activated(active); // last: the handler may destroy this window
    }
}

} // namespace vcl::fltk
