// A native window as one top-level FLTK window: it reports FLTK's events to the component
// library and is the surface the library paints on, inside a paint or at once.
#pragma once

#include "vcl/Backend.h"
#include "vcl/backends/fltk/FltkContext.h"
#include "vcl/backends/fltk/X11Wm.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace vcl::fltk {

class TFlWindow;
// FLTK may still be inside the window's handler when we let go of it: it deletes it later.
struct TFlWindowDeleter {
    void operator()(TFlWindow* window) const;
};

class TFltkWindow : public INativeWindow, public ISurface {
public:
    TFltkWindow(TFltkContext& context, const TWindowParams& params, IWindowEvents& events);
    ~TFltkWindow() override;
    TFltkWindow(const TFltkWindow&) = delete;
    TFltkWindow& operator=(const TFltkWindow&) = delete;

    ISurface& Surface() override { return *this; }
    void SetCaption(const AnsiString& caption) override;
    void SetClientSize(TSize size) override;
    void Show(bool centred) override;
    void Hide() override;
    bool Visible() const override { return visible_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }
    void Invalidate() override;

    void SetClip(const TRect& clip) override { clip_ = clip; }
    void FillRect(const TRect& r, TRGB color) override;
    void DrawText(TPoint cell, const AnsiString& text, const TFontSpec& font, TRGB color) override;
    void Flush() override;

    // From the FLTK window.
    void Paint();
    int Handle(int event);
    void CloseBox();

    // From the backend once FLTK has dispatched: reports what happened outside dispatch
    // and finishes the first placement. May destroy the window through its handlers.
    void AfterDispatch();
    bool HasHeldBackReports() const { return pendingActive_.has_value() || repaintLater_; }

private:
    class TDrawScope;
    // A first showing centred on the screen, corrected once the frame is known.
    struct TPlacement {
        TFrameExtents Assumed;
        std::chrono::steady_clock::time_point Since;
    };

    template <class F> void Report(F&& report);
    void Activated(bool active);
    bool IsOwnKeyEvent() const;
    // The newest visible window this one owns.
    TFltkWindow* ShownDialog() const;
    unsigned long XId() const;
    TWmHints Hints() const;
    TPoint CentredClientOrigin(const TFrameExtents& frame) const;
    void StartPlacement();
    void FinishPlacement();
    void ApplyLabels();

    TFltkContext& context_;
    IWindowEvents& events_;
    std::unique_ptr<TFlWindow, TFlWindowDeleter> window_;
    TFltkWindow* owner_;
    bool minimizeBox_;
    TSize size_;
    TRect clip_;
    std::string caption_;   // UTF-8
    std::string iconLabel_; // UTF-8; FLTK keeps a pointer to it
    bool visible_ = false;
    bool shownBefore_ = false;
    bool enabled_ = true;
    bool repaintLater_ = false;
    std::optional<bool> reportedActive_;
    std::optional<bool> pendingActive_;
    std::optional<TPlacement> placement_;
};

} // namespace vcl::fltk
