#include "vcl/backends/fltk/FltkFonts.h"

#include "win32/Cp1252.h"

#include <FL/Fl.H>
#include <FL/fl_draw.H>
#include <fontconfig/fontconfig.h>

#include <cmath>
#include <memory>

namespace vcl::fltk {

namespace {

// A font's line pitch is its character height plus this much internal leading.
constexpr int kInternalLeading = 2;
// Sizes tried when looking for a line pitch: generous above the pitch itself.
constexpr int kLargestSizeFactor = 2;
// FLTK's face names start with a style letter.
constexpr char kRegularPrefix = ' ';
constexpr char kBoldPrefix = 'B';
constexpr const char* kAlphabet = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int kAlphabetLength = 52;

struct TPatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
struct TObjectSetDeleter {
    void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};
struct TFontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;

bool FamilyInstalled(const std::string& name) {
    if (name.empty())
        return false;
    TPattern pattern(FcPatternCreate());
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(name.c_str()));
    std::unique_ptr<FcObjectSet, TObjectSetDeleter> objects(
        FcObjectSetBuild(FC_FAMILY, static_cast<char*>(nullptr)));
    // Listing (unlike matching) ignores aliases: only fonts that carry the family count.
    std::unique_ptr<FcFontSet, TFontSetDeleter> fonts(
        FcFontList(nullptr, pattern.get(), objects.get()));
    return fonts && fonts->nfont > 0;
}

std::string DefaultSansFamily(bool bold) {
    TPattern pattern(FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif")));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    TPattern match(FcFontMatch(nullptr, pattern.get(), &result));
    FcChar8* family = nullptr;
    if (match && FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch)
        return reinterpret_cast<const char*>(family);
    return "sans";
}

} // namespace

std::string ResolveFamily(const std::string& name, bool bold) {
    return FamilyInstalled(name) ? name : DefaultSansFamily(bold);
}

Fl_Font TFltkFonts::Face(const std::string& family, bool bold) {
    auto key = std::make_pair(family, bold);
    if (auto it = faces_.find(key); it != faces_.end())
        return it->second;
    Fl_Font face = static_cast<Fl_Font>(FL_FREE_FONT + static_cast<int>(faces_.size()));
    faceNames_.push_back((bold ? kBoldPrefix : kRegularPrefix) + family);
    Fl::set_font(face, faceNames_.back().c_str());
    faces_.emplace(key, face);
    return face;
}

const TFltkFont& TFltkFonts::Resolve(const TFontSpec& spec) {
    auto key = std::make_tuple(spec.Name, spec.Height, spec.Bold);
    if (auto it = fonts_.find(key); it != fonts_.end())
        return it->second;

    TFltkFont font;
    font.Face = Face(ResolveFamily(win32::Cp1252ToUtf8(spec.Name), spec.Bold), spec.Bold);
    // The size whose pitch is exactly right, else the one coming nearest from below.
    int wanted = spec.Height + kInternalLeading;
    int bestPitch = 0;
    Fl_Fontsize best = 1;
    for (int size = 1; size <= wanted * kLargestSizeFactor; ++size) {
        fl_font(font.Face, size);
        int pitch = fl_height();
        if (pitch <= wanted && pitch > bestPitch) {
            bestPitch = pitch;
            best = size;
        }
    }
    fl_font(font.Face, best);
    font.Size = best;
    font.Metrics.Height = fl_height();
    font.Metrics.Ascent = fl_height() - fl_descent();
    double letters = fl_width(kAlphabet, kAlphabetLength);
    font.Metrics.AveCharWidth = static_cast<int>(std::lround(letters / kAlphabetLength));
    return fonts_.emplace(key, font).first->second;
}

const TFltkFont& TFltkFonts::Select(const TFontSpec& spec) {
    const TFltkFont& font = Resolve(spec);
    fl_font(font.Face, font.Size);
    return font;
}

int TFltkFonts::TextWidth(const AnsiString& text, const TFontSpec& spec) {
    Select(spec);
    std::string utf8 = win32::Cp1252ToUtf8(text);
    return static_cast<int>(std::lround(fl_width(utf8.c_str(), static_cast<int>(utf8.size()))));
}

} // namespace vcl::fltk
