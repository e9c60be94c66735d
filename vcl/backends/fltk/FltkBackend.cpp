#include "vcl/backends/fltk/FltkBackend.h"

#include "vcl/Exception.h"
#include "vcl/backends/fltk/FltkContext.h"
#include "vcl/backends/fltk/FltkWindow.h"
#include "win32/Cp1252.h"

#include <FL/Fl.H>
#include <FL/x.H>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>
#include <utility>

namespace vcl::fltk {

namespace {

constexpr int kBellVolume = 0; // the server's configured volume

void OpenDisplay() {
    if (fl_display)
        return; // FLTK keeps its connection for the life of the process
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        const char* name = std::getenv("DISPLAY");
        if (!name || !*name)
            throw Exception("Keine grafische Anzeige: die Umgebungsvariable DISPLAY ist "
                            "nicht gesetzt.");
        throw Exception(AnsiString("Die grafische Anzeige \"") + name +
                        "\" l\xE4sst sich nicht \xF6"
                        "ffnen.");
    }
    fl_open_display(display);
}

class TFltkBackend : public IBackend {
public:
    TFltkBackend() { OpenDisplay(); }
    ~TFltkBackend() override { Fl::do_widget_deletion(); }
    TFltkBackend(const TFltkBackend&) = delete;
    TFltkBackend& operator=(const TFltkBackend&) = delete;

    std::unique_ptr<INativeWindow> CreateNativeWindow(const TWindowParams& params,
                                                      IWindowEvents& events) override {
        return std::make_unique<TFltkWindow>(context_, params, events);
    }
    void SetApplicationTitle(const AnsiString& title) override {
        context_.ApplicationTitle = title;
    }
    void ProcessPending() override {
        Dispatch([] { Fl::check(); });
    }
    void WaitEvent() override {
        // Reports held back since the last dispatch count as events already waiting.
        if (HeldBack())
            ProcessPending();
        else
            Dispatch([] { Fl::wait(); });
    }
    TSize ScreenSize() override { return FullScreenSize(fl_display); }
    TFontMetrics FontMetrics(const TFontSpec& font) override {
        return context_.Fonts.Resolve(font).Metrics;
    }
    int TextWidth(const AnsiString& text, const TFontSpec& font) override {
        return context_.Fonts.TextWidth(text, font);
    }
    void Beep() override {
        XBell(fl_display, kBellVolume);
        XFlush(fl_display);
    }
    void Sleep(unsigned milliseconds) override {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }

private:
    bool HeldBack() const {
        return std::any_of(context_.Windows.begin(), context_.Windows.end(),
                           [](const TFltkWindow* w) { return w->HasHeldBackReports(); });
    }

    template <class F> void Dispatch(F&& wait) {
        struct TDispatching {
            int& depth;
            explicit TDispatching(int& d) : depth(d) { ++depth; }
            ~TDispatching() { --depth; }
        } dispatching(context_.Dispatching);

        wait();
        // Handlers may destroy windows, so each one is looked up again before its turn.
        std::vector<TFltkWindow*> windows = context_.Windows;
        for (TFltkWindow* w : windows)
            if (std::find(context_.Windows.begin(), context_.Windows.end(), w) !=
                context_.Windows.end())
                w->AfterDispatch();
        if (context_.Failure)
            std::rethrow_exception(std::exchange(context_.Failure, nullptr));
    }

    TFltkContext context_;
};

} // namespace

std::unique_ptr<IBackend> CreateFltkBackend() {
    return std::make_unique<TFltkBackend>();
}

} // namespace vcl::fltk

std::unique_ptr<vcl::IBackend> vcl::fltk::CreateFltkBackendOrExplain() {
    try {
        return CreateFltkBackend();
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", win32::Cp1252ToUtf8(e.Message()).c_str());
        return nullptr;
    }
}
