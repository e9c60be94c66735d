#include "vcl/backends/fltk/X11Wm.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <memory>
#include <thread>
#include <vector>

namespace vcl::fltk {

namespace {

// _MOTIF_WM_HINTS, the one way to take single buttons off a frame.
constexpr long kMwmHintsFunctions = 1;
constexpr long kMwmFuncAll = 1; // with ALL set, the bits below are taken away
constexpr long kMwmFuncResize = 2;
constexpr long kMwmFuncMinimize = 8;
constexpr long kMwmFuncMaximize = 16;
constexpr long kMwmDecorAll = 1;
constexpr int kMwmHintsLength = 5;

constexpr auto kPollInterval = std::chrono::milliseconds(2);

Atom Intern(Display* display, const char* name) {
    return XInternAtom(display, name, False);
}

struct TXFree {
    void operator()(unsigned char* p) const { XFree(p); }
};

// A 32-bit property as longs (Xlib's representation); empty when absent or of another
// format.
std::vector<long> ReadLongs(Display* display, Window window, Atom property, Atom type) {
    Atom actualType = None;
    int actualFormat = 0;
    unsigned long count = 0, remaining = 0;
    unsigned char* raw = nullptr;
    constexpr long kMaxLongs = 4096;
    if (XGetWindowProperty(display, window, property, 0, kMaxLongs, False, type, &actualType,
                           &actualFormat, &count, &remaining, &raw) != Success)
        return {};
    std::unique_ptr<unsigned char, TXFree> data(raw);
    if (!data || actualFormat != 32)
        return {};
    const long* values = reinterpret_cast<const long*>(data.get());
    return std::vector<long>(values, values + count);
}

bool Supports(Display* display, const char* feature) {
    std::vector<long> atoms =
        ReadLongs(display, DefaultRootWindow(display), Intern(display, "_NET_SUPPORTED"), XA_ATOM);
    Atom wanted = Intern(display, feature);
    return std::find(atoms.begin(), atoms.end(), static_cast<long>(wanted)) != atoms.end();
}

// A top-level window that is never mapped; it stands in for one we are about to show.
class TStandIn {
public:
    TStandIn(Display* display, TSize size)
        : display_(display),
          window_(XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0,
                                      static_cast<unsigned>(std::max(1, size.Width)),
                                      static_cast<unsigned>(std::max(1, size.Height)), 0, 0, 0)) {}
    ~TStandIn() { XDestroyWindow(display_, window_); }
    TStandIn(const TStandIn&) = delete;
    TStandIn& operator=(const TStandIn&) = delete;
    Window Id() const { return window_; }

private:
    Display* display_;
    Window window_;
};

// The size hints FLTK gives a window that cannot be resized.
void SetFixedSize(Display* display, Window window, TSize size) {
    XSizeHints hints{};
    hints.flags = PMinSize | PMaxSize | PWinGravity;
    hints.min_width = hints.max_width = size.Width;
    hints.min_height = hints.max_height = size.Height;
    hints.win_gravity = StaticGravity;
    XSetWMNormalHints(display, window, &hints);
}

} // namespace

void ApplyWmHints(Display* display, Window window, const TWmHints& hints) {
    long functions = kMwmFuncAll | kMwmFuncResize | kMwmFuncMaximize;
    if (!hints.MinimizeBox)
        functions |= kMwmFuncMinimize;
    long mwm[kMwmHintsLength] = {kMwmHintsFunctions, functions, kMwmDecorAll, 0, 0};
    Atom mwmAtom = Intern(display, "_MOTIF_WM_HINTS");
    XChangeProperty(display, window, mwmAtom, mwmAtom, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(mwm), kMwmHintsLength);
    if (hints.TransientFor != None)
        XSetTransientForHint(display, window, hints.TransientFor);
}

void SetLegacyNames(Display* display, Window window, const std::string& title,
                    const std::string& iconName) {
    auto set = [&](const std::string& utf8, void (*store)(Display*, Window, XTextProperty*)) {
        char* list[] = {const_cast<char*>(utf8.c_str())};
        XTextProperty property{};
        // Latin-1 text becomes STRING, anything else COMPOUND_TEXT.
        if (Xutf8TextListToTextProperty(display, list, 1, XStdICCTextStyle, &property) < 0)
            return;
        store(display, window, &property);
        XFree(property.value);
    };
    set(title, XSetWMName);
    set(iconName, XSetWMIconName);
}

void RequestActivation(Display* display, Window window, Window current, unsigned long time) {
    constexpr long kFromApplication = 1;
    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = window;
    request.xclient.message_type = Intern(display, "_NET_ACTIVE_WINDOW");
    request.xclient.format = 32;
    request.xclient.data.l[0] = kFromApplication;
    request.xclient.data.l[1] = static_cast<long>(time);
    request.xclient.data.l[2] = static_cast<long>(current);
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(display);
}

bool HasWindowManager(Display* display) {
    Atom check = Intern(display, "_NET_SUPPORTING_WM_CHECK");
    std::vector<long> root = ReadLongs(display, DefaultRootWindow(display), check, XA_WINDOW);
    if (root.empty())
        return false;
    // A window manager that died leaves the root property behind; its own copy is gone.
    std::vector<long> own = ReadLongs(display, static_cast<Window>(root[0]), check, XA_WINDOW);
    return !own.empty() && own[0] == root[0];
}

std::optional<TFrameExtents> ReadFrameExtents(Display* display, Window window) {
    std::vector<long> v =
        ReadLongs(display, window, Intern(display, "_NET_FRAME_EXTENTS"), XA_CARDINAL);
    constexpr std::size_t kSides = 4;
    if (v.size() < kSides)
        return std::nullopt;
    return TFrameExtents{static_cast<int>(v[0]), static_cast<int>(v[1]), static_cast<int>(v[2]),
                         static_cast<int>(v[3])};
}

std::optional<TFrameExtents> PredictFrameExtents(Display* display, const TWmHints& hints,
                                                 std::chrono::milliseconds timeout) {
    if (!HasWindowManager(display))
        return TFrameExtents{};
    if (!Supports(display, "_NET_REQUEST_FRAME_EXTENTS"))
        return std::nullopt;

    TStandIn standIn(display, hints.ClientSize);
    SetFixedSize(display, standIn.Id(), hints.ClientSize);
    ApplyWmHints(display, standIn.Id(), hints);

    XEvent request{};
    request.xclient.type = ClientMessage;
    request.xclient.window = standIn.Id();
    request.xclient.message_type = Intern(display, "_NET_REQUEST_FRAME_EXTENTS");
    request.xclient.format = 32;
    XSendEvent(display, DefaultRootWindow(display), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &request);
    XFlush(display);

    // Polling the property leaves the event queue to FLTK; the answer takes milliseconds.
    auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        if (auto extents = ReadFrameExtents(display, standIn.Id()))
            return extents;
        std::this_thread::sleep_for(kPollInterval);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

TPoint ClientOrigin(Display* display, Window window) {
    int x = 0, y = 0;
    Window child = None;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), 0, 0, &x, &y, &child);
    return {x, y};
}

TSize FullScreenSize(Display* display) {
    int screen = DefaultScreen(display);
    return {DisplayWidth(display, screen), DisplayHeight(display, screen)};
}

} // namespace vcl::fltk
