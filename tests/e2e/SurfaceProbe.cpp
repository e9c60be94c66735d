// A small program for the X11 end-to-end tests: a window through the FLTK backend (and on
// request a dialog it owns), a known scene painted into it, and every event it receives
// written to stdout, one line each, so that a script can drive it like a person.
//
//   e2e_surface_probe [--size WxH] [--caption TEXT] [--title TEXT] [--dialog]
//
// Pressing "d" draws a rectangle at once from program code, flushes, prints
// "drawn-at-once" and sleeps without processing events; "awake" follows.
#include "tests/e2e/ProbeScene.h"

#include "vcl/Exception.h"
#include "vcl/Icon.h"
#include "vcl/backends/fltk/FltkBackend.h"

#include <cctype>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

namespace {

using namespace vcl;

constexpr unsigned kHoldMilliseconds = 3000;
constexpr TSize kDefaultSize{400, 200};
constexpr TSize kDialogSize{240, 100};
constexpr int kIconSide = 32;
constexpr std::uint32_t kIconTop = 0xFFFF0000;    // opaque red
constexpr std::uint32_t kIconBottom = 0xFF0000FF; // opaque blue

struct TOptions {
    TSize Size = kDefaultSize;
    AnsiString Caption = "Oberfl\xE4"
                         "chenprobe";
    AnsiString Title = "Setup";
    bool Dialog = false;
};

void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

const char* ButtonName(TMouseButton b) {
    switch (b) {
    case TMouseButton::mbLeft:
        return "left";
    case TMouseButton::mbRight:
        return "right";
    default:
        return "middle";
    }
}

const char* KeyName(TKey k) {
    switch (k) {
    case TKey::Enter:
        return "Enter";
    case TKey::Space:
        return "Space";
    case TKey::Tab:
        return "Tab";
    case TKey::Escape:
        return "Escape";
    case TKey::Left:
        return "Left";
    case TKey::Right:
        return "Right";
    case TKey::Up:
        return "Up";
    case TKey::Down:
        return "Down";
    default:
        return "Other";
    }
}

// Letters and digits as they are, anything else by its Windows-1252 code.
std::string CharName(char c) {
    if (c == 0)
        return "none";
    auto code = static_cast<unsigned char>(c);
    if (std::isalnum(code) && code < 0x80)
        return std::string(1, c);
    char hex[8];
    std::snprintf(hex, sizeof hex, "0x%02x", code);
    return hex;
}

TIconImage MakeIcon() {
    TIconImage icon;
    icon.Width = icon.Height = kIconSide;
    for (int y = 0; y < kIconSide; ++y)
        for (int x = 0; x < kIconSide; ++x)
            icon.Pixels.push_back(y < kIconSide / 2 ? kIconTop : kIconBottom);
    return icon;
}

// One probe window: paints its scene (or plain white for the dialog) and logs its events
// prefixed with its name.
class TProbeWindow : public IWindowEvents {
public:
    TProbeWindow(IBackend& backend, std::string name, bool scene)
        : backend_(backend), name_(std::move(name)), scene_(scene) {}

    void Open(const TWindowParams& params) {
        size_ = params.ClientSize;
        window_ = backend_.CreateNativeWindow(params, *this);
        window_->Show(true);
        Say(name_ + " shown");
    }
    INativeWindow& Window() { return *window_; }
    bool CloseRequested() const { return closeRequested_; }

    void WindowPaint() override {
        Say(name_ + " paint");
        if (scene_)
            probe::PaintScene(window_->Surface(), size_);
        else
            probe::PaintPlain(window_->Surface(), size_);
    }
    void WindowMouseDown(TPoint p, TMouseButton b) override { Mouse("down", p, b); }
    void WindowMouseUp(TPoint p, TMouseButton b) override { Mouse("up", p, b); }
    void WindowMouseMove(TPoint) override {}
    void WindowKeyDown(const TKeyEvent& key) override {
        Key("key", key);
        if (scene_ && key.Char == 'd')
            DrawAtOnce();
    }
    void WindowKeyUp(const TKeyEvent& key) override { Key("keyup", key); }
    void WindowCloseRequest() override {
        Say(name_ + " close");
        closeRequested_ = true;
    }
    void WindowActivate(bool active) override { Say(name_ + " activate " + (active ? "1" : "0")); }

private:
    void Mouse(const char* what, TPoint p, TMouseButton b) {
        Say(name_ + " " + what + " " + std::to_string(p.X) + " " + std::to_string(p.Y) + " " +
            ButtonName(b));
    }
    void Key(const char* what, const TKeyEvent& key) {
        std::string ch = CharName(key.Char);
        Say(name_ + " " + what + " " + KeyName(key.Key) + " char=" + ch +
            (key.Shift ? " shift" : "") + (key.Alt ? " alt" : ""));
    }
    // What a control's "repaint now" does: straight into the window, then flushed.
    void DrawAtOnce() {
        probe::PaintAtOnce(window_->Surface(), size_);
        window_->Surface().Flush();
        Say(name_ + " drawn-at-once");
        backend_.Sleep(kHoldMilliseconds);
        Say(name_ + " awake");
    }

    IBackend& backend_;
    std::string name_;
    bool scene_;
    TSize size_;
    std::unique_ptr<INativeWindow> window_;
    bool closeRequested_ = false;
};

bool ParseSize(const char* text, TSize& size) {
    return std::sscanf(text, "%dx%d", &size.Width, &size.Height) == 2;
}

bool ParseOptions(int argc, char** argv, TOptions& options) {
    for (int i = 1; i < argc; ++i) {
        bool hasValue = i + 1 < argc;
        if (!std::strcmp(argv[i], "--size") && hasValue) {
            if (!ParseSize(argv[++i], options.Size))
                return false;
        } else if (!std::strcmp(argv[i], "--caption") && hasValue) {
            options.Caption = argv[++i];
        } else if (!std::strcmp(argv[i], "--title") && hasValue) {
            options.Title = argv[++i];
        } else if (!std::strcmp(argv[i], "--dialog")) {
            options.Dialog = true;
        } else {
            return false;
        }
    }
    return true;
}

void SayMetrics(IBackend& backend) {
    for (bool bold : {false, true}) {
        TFontSpec font = probe::kSceneFont;
        font.Bold = bold;
        TFontMetrics m = backend.FontMetrics(font);
        Say(std::string("metrics ") + (bold ? "bold" : "regular") +
            " height=" + std::to_string(m.Height) + " ascent=" + std::to_string(m.Ascent) +
            " avechar=" + std::to_string(m.AveCharWidth) +
            " width=" + std::to_string(backend.TextWidth(probe::kSceneText, font)));
    }
}

int Run(const TOptions& options) {
    std::unique_ptr<IBackend> backend = fltk::CreateFltkBackend();
    backend->SetApplicationTitle(options.Title);
    TSize screen = backend->ScreenSize();
    Say("screen " + std::to_string(screen.Width) + "x" + std::to_string(screen.Height));
    SayMetrics(*backend);

    TIconImage icon = MakeIcon();
    TProbeWindow main(*backend, "main", true);
    TWindowParams params;
    params.Caption = options.Caption;
    params.ClientSize = options.Size;
    params.Icon = &icon;
    main.Open(params);

    std::unique_ptr<TProbeWindow> dialog;
    if (options.Dialog) {
        backend->ProcessPending(); // the owner is on the screen before its dialog
        dialog = std::make_unique<TProbeWindow>(*backend, "dialog", false);
        TWindowParams dialogParams;
        dialogParams.Caption = "Probe-Dialog";
        dialogParams.ClientSize = kDialogSize;
        dialogParams.MinimizeBox = false;
        dialogParams.Owner = &main.Window();
        main.Window().SetEnabled(false);
        dialog->Open(dialogParams);
    }

    while (!main.CloseRequested()) {
        backend->WaitEvent();
        if (dialog && dialog->CloseRequested()) {
            dialog.reset();
            main.Window().SetEnabled(true);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    TOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: %s [--size WxH] [--caption TEXT] [--title TEXT] [--dialog]\n",
                     argv[0]);
        return 2;
    }
    try {
        return Run(options);
    } catch (const Exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
