// Font, brush and pen: the drawing attributes of a canvas and of controls.
#pragma once

#include "vcl/Backend.h"
#include "vcl/Types.h"

#include <functional>

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

// A font. Height is negative for a character height without internal leading, as
// layouts store it. OnChange fires on every write.
class TFont {
public:
    AnsiString Name() const { return name_; }
    void SetName(const AnsiString& v) { name_ = v, Changed(); }
    int Height() const { return height_; }
    void SetHeight(int v) { height_ = v, Changed(); }
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles v) { style_ = v, Changed(); }
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v, Changed(); }
    int Charset() const { return charset_; }
    void SetCharset(int v) { charset_ = v, Changed(); }
    // Copies every attribute, colour included; fires OnChange once.
    void Assign(const TFont& other);

    vcl::TFontSpec Spec() const;
    std::function<void()> OnChange;

private:
    void Changed() {
        if (OnChange)
            OnChange();
    }
    AnsiString name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_ = 0;
    TColor color_ = clWindowText;
    int charset_ = 1; // DEFAULT_CHARSET
};

enum class TBrushStyle { bsSolid, bsClear };

class TBrush {
public:
    TColor Color() const { return color_; }
    // A colour makes a clear brush solid again, as the platform does.
    void SetColor(TColor v) { color_ = v, style_ = TBrushStyle::bsSolid; }
    TBrushStyle Style() const { return style_; }
    void SetStyle(TBrushStyle v) { style_ = v; }

private:
    TColor color_ = clWhite;
    TBrushStyle style_ = TBrushStyle::bsSolid;
};

class TPen {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor v) { color_ = v; }
    int Width() const { return width_; }
    void SetWidth(int v) { width_ = v; }

private:
    TColor color_ = clBlack;
    int width_ = 1;
};
