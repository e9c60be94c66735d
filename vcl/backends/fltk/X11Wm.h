// What the window manager is told about our windows beyond what FLTK says, and what it
// tells us back about the frames it draws around them.
#pragma once

#include "vcl/Types.h"

#include <X11/Xlib.h>

#include <chrono>
#include <optional>
#include <string>

namespace vcl::fltk {

struct TWmHints {
    TSize ClientSize; // fixed: the frame offers no resizing
    bool MinimizeBox = true;
    Window TransientFor = None; // a dialog's owner, kept below it
};

// Widths of the frame's four sides around the client area.
struct TFrameExtents {
    int Left = 0, Right = 0, Top = 0, Bottom = 0;
    TSize Around(TSize client) const {
        return {client.Width + Left + Right, client.Height + Top + Bottom};
    }
    friend bool operator==(const TFrameExtents&, const TFrameExtents&) = default;
};

// Owner and frame buttons, on a window FLTK has created. FLTK rewrites the buttons when
// the size changes, so this is applied again after every resize.
void ApplyWmHints(Display* display, Window window, const TWmHints& hints);

// WM_NAME and WM_ICON_NAME in the encodings those old properties allow (FLTK writes
// UTF-8 bytes into them); the UTF-8 _NET_WM_ names stay as FLTK set them.
void SetLegacyNames(Display* display, Window window, const std::string& title,
                    const std::string& iconName);

// Asks the window manager to activate `window` instead of `current`, one of ours, on
// behalf of the user's action at `time`.
void RequestActivation(Display* display, Window window, Window current, unsigned long time);

bool HasWindowManager(Display* display);

// The frame the window manager has put around `window`; nullopt until it has managed it.
std::optional<TFrameExtents> ReadFrameExtents(Display* display, Window window);

// The frame the window manager would put around a window with these hints, asked before
// the window is shown: none without a window manager, nullopt when it does not answer.
std::optional<TFrameExtents> PredictFrameExtents(Display* display, const TWmHints& hints,
                                                 std::chrono::milliseconds timeout);

// The client area's top-left corner in screen coordinates.
TPoint ClientOrigin(Display* display, Window window);

// The whole default screen, not just the part the panels leave free.
TSize FullScreenSize(Display* display);

} // namespace vcl::fltk
