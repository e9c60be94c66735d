// Fonts for the component library's font specs: the family fontconfig really has (or a
// sans of the same weight), at the FLTK size whose line pitch matches the spec.
#pragma once

#include "vcl/Backend.h"

#include <FL/Enumerations.H>

#include <deque>
#include <map>
#include <string>
#include <tuple>

namespace vcl::fltk {

struct TFltkFont {
    Fl_Font Face = FL_HELVETICA;
    Fl_Fontsize Size = FL_NORMAL_SIZE;
    TFontMetrics Metrics;
};

// Needs an open display. Makes the resolved font FLTK's current one where it says so.
class TFltkFonts {
public:
    const TFltkFont& Resolve(const TFontSpec& spec);
    // Makes the font current for fl_draw/fl_width and returns it.
    const TFltkFont& Select(const TFontSpec& spec);
    int TextWidth(const AnsiString& text, const TFontSpec& spec);

private:
    Fl_Font Face(const std::string& family, bool bold);

    std::map<std::tuple<AnsiString, int, bool>, TFltkFont> fonts_;
    std::map<std::pair<std::string, bool>, Fl_Font> faces_;
    std::deque<std::string> faceNames_; // FLTK keeps pointers to the names it is given
};

// The family fontconfig has under `name` (UTF-8), else the family of its default sans
// serif in that weight.
std::string ResolveFamily(const std::string& name, bool bold);

} // namespace vcl::fltk
