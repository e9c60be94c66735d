// Multi-line text layout as the platform draws a word-wrapping label: line breaks, word
// wrap at blanks, tabs expanded to stops, "&" drawn as it is. Drawing is the caller's job.
#pragma once

#include "vcl/Types.h"

#include <functional>
#include <vector>

namespace vcl {

// A piece of a line drawn in one go; X is in pixels from the line's left edge.
struct TTextRun {
    int X = 0;
    AnsiString Text;
    friend bool operator==(const TTextRun&, const TTextRun&) = default;
};

// An empty line has no runs.
struct TTextLine {
    std::vector<TTextRun> Runs;
    friend bool operator==(const TTextLine&, const TTextLine&) = default;
};

// Tab stops lie every eight average character widths.
inline constexpr int kTabStopChars = 8;

struct TTextLayoutOptions {
    int Width = 0;
    bool WordWrap = true;
    bool ExpandTabs = true;
    int TabWidth = 0; // pixels between tab stops: 8 average character widths
};

// Breaks Windows-1252 text into lines; `measure` gives a string's width in pixels.
//
// CR LF, LF CR, a lone CR and a lone LF each end a line. A break at the very end of the
// text ends the last line without starting another, as the platform counts it; empty
// text has no lines. Every line is returned: cutting at the bottom is the caller's job,
// and so is clipping a single word wider than Width, which is never split.
std::vector<TTextLine> LayoutText(const AnsiString& text, const TTextLayoutOptions& options,
                                  const std::function<int(const AnsiString&)>& measure);

} // namespace vcl
