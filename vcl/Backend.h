// The seam between the component library and a windowing system. Our code paints every
// control; a backend only offers windows, a drawing surface, input and a few services.
#pragma once

#include "vcl/Types.h"
#include "win32/Desktop.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace vcl {

struct TIconImage;

// What a backend needs to pick a font. Height is the character height without internal
// leading, in pixels, as a positive number.
struct TFontSpec {
    AnsiString Name;
    int Height = 11;
    bool Bold = false;
    friend bool operator==(const TFontSpec&, const TFontSpec&) = default;
};

struct TFontMetrics {
    int Height = 0; // line pitch: ascent + descent
    int Ascent = 0;
    int AveCharWidth = 0; // the width tab stops are measured in
};

// A window's drawing surface, in client coordinates. Drawing outside the clip does nothing.
class ISurface {
public:
    virtual ~ISurface() = default;
    virtual void SetClip(const TRect& clip) = 0;
    virtual void FillRect(const TRect& r, TRGB color) = 0;
    // Draws text (Windows-1252) with the top-left corner of its text cell at `cell`.
    virtual void DrawText(TPoint cell, const AnsiString& text, const TFontSpec& font,
                          TRGB color) = 0;
    // Puts everything drawn so far on the screen before returning.
    virtual void Flush() = 0;
};

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

enum class TKey { Other, Enter, Space, Tab, Escape, Left, Right, Up, Down };

struct TKeyEvent {
    TKey Key = TKey::Other;
    char Char = 0; // the typed character, for accelerators
    bool Shift = false;
    bool Alt = false;
};

// What a native window reports to its owner. Called only from ProcessPending/WaitEvent.
class IWindowEvents {
public:
    virtual ~IWindowEvents() = default;
    virtual void WindowPaint() = 0;
    virtual void WindowMouseDown(TPoint p, TMouseButton button) = 0;
    virtual void WindowMouseUp(TPoint p, TMouseButton button) = 0;
    virtual void WindowMouseMove(TPoint p) = 0;
    virtual void WindowKeyDown(const TKeyEvent& key) = 0;
    virtual void WindowKeyUp(const TKeyEvent& key) = 0;
    virtual void WindowCloseRequest() = 0;
    virtual void WindowActivate(bool active) = 0;
};

class INativeWindow;

struct TWindowParams {
    AnsiString Caption;
    TSize ClientSize;
    bool MinimizeBox = true;
    bool MaximizeBox = false;
    INativeWindow* Owner = nullptr; // a dialog stays above its owner
    const TIconImage* Icon = nullptr;
};

class INativeWindow {
public:
    virtual ~INativeWindow() = default;
    virtual ISurface& Surface() = 0;
    virtual void SetCaption(const AnsiString& caption) = 0;
    virtual void SetClientSize(TSize size) = 0;
    // Shows the window; `centred` places it once on the full screen by its framed size.
    virtual void Show(bool centred) = 0;
    virtual void Hide() = 0;
    virtual bool Visible() const = 0;
    // A disabled window takes no input (its dialog is modal).
    virtual void SetEnabled(bool enabled) = 0;
    // Asks for a later WindowPaint.
    virtual void Invalidate() = 0;
};

// Where a window of the given framed size sits when centred on a screen.
TPoint CentreOnScreen(TSize screen, TSize outer);

// The backend is also the desktop that sounds the bell and keeps the time.
class IBackend : public win32::IDesktop {
public:
    virtual ~IBackend() = default;
    virtual std::unique_ptr<INativeWindow> CreateNativeWindow(const TWindowParams& params,
                                                              IWindowEvents& events) = 0;
    // The name the window manager and taskbar know the program by.
    virtual void SetApplicationTitle(const AnsiString& title) = 0;
    // Dispatches every event that is waiting, then returns.
    virtual void ProcessPending() = 0;
    // Waits for at least one event and dispatches what is waiting.
    virtual void WaitEvent() = 0;
    virtual TSize ScreenSize() = 0;
    virtual TFontMetrics FontMetrics(const TFontSpec& font) = 0;
    virtual int TextWidth(const AnsiString& text, const TFontSpec& font) = 0;
    // A backend may answer a message box itself (tests); otherwise our dialog shows.
    virtual std::optional<int> AnswerMessageBox(const AnsiString& text, const AnsiString& caption,
                                                unsigned flags) {
        (void)text, (void)caption, (void)flags;
        return std::nullopt;
    }
};

// The backend in use. The program installs one before anything else runs.
IBackend& Backend();
void InstallBackend(std::unique_ptr<IBackend> backend);
std::unique_ptr<IBackend> RemoveBackend();

} // namespace vcl
