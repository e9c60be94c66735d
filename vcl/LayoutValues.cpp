#include "vcl/LayoutValues.h"

#include <utility>

namespace vcl {

bool BoolFromName(const AnsiString& name) {
    static const std::pair<const char*, bool> table[] = {{"True", true}, {"False", false}};
    return ValueFromName(name, table, "einen Wahrheitswert");
}

TAlign AlignFromName(const AnsiString& name) {
    static const std::pair<const char*, TAlign> table[] = {
        {"alNone", TAlign::alNone}, {"alTop", TAlign::alTop},     {"alBottom", TAlign::alBottom},
        {"alLeft", TAlign::alLeft}, {"alRight", TAlign::alRight}, {"alClient", TAlign::alClient}};
    return ValueFromName(name, table, "Align");
}

TColor ColorFromValue(const TFormValue& value) {
    if (value.Kind() == TFormValueKind::Integer)
        return TColor{static_cast<std::uint32_t>(value.AsInteger())};
    static const std::pair<const char*, TColor> table[] = {{"clBlack", clBlack},
                                                           {"clRed", clRed},
                                                           {"clWhite", clWhite},
                                                           {"clWindow", clWindow},
                                                           {"clWindowText", clWindowText},
                                                           {"clHighlight", clHighlight},
                                                           {"clBtnFace", clBtnFace},
                                                           {"clBtnShadow", clBtnShadow},
                                                           {"clGrayText", clGrayText},
                                                           {"clBtnText", clBtnText},
                                                           {"clBtnHighlight", clBtnHighlight},
                                                           {"cl3DDkShadow", cl3DDkShadow},
                                                           {"cl3DLight", cl3DLight}};
    return ValueFromName(value.AsIdentifier(), table, "eine Farbe");
}

TFontStyles FontStylesFromSet(const std::vector<AnsiString>& names) {
    static const std::pair<const char*, TFontStyle> table[] = {{"fsBold", fsBold},
                                                               {"fsItalic", fsItalic},
                                                               {"fsUnderline", fsUnderline},
                                                               {"fsStrikeOut", fsStrikeOut}};
    TFontStyles styles = 0;
    for (const AnsiString& n : names)
        styles |= ValueFromName(n, table, "Font.Style");
    return styles;
}

int CharsetFromValue(const TFormValue& value) {
    if (value.Kind() == TFormValueKind::Integer)
        return static_cast<int>(value.AsInteger());
    static const std::pair<const char*, int> table[] = {{"ANSI_CHARSET", 0},
                                                        {"DEFAULT_CHARSET", 1}};
    return ValueFromName(value.AsIdentifier(), table, "Font.Charset");
}

} // namespace vcl
