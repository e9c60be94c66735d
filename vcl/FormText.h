// Reader for text form descriptions (the "object Form1: TForm1 ... end" layout format):
// turns the text into a tree of objects with their properties in stored order.
#pragma once

#include "vcl/Types.h"

#include <cstdint>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace vcl {

enum class TFormValueKind { Integer, String, Identifier, Set, Binary };

// One property value. Strings and binary data are raw bytes (Windows-1252 for strings).
struct TFormValue {
    // An identifier keeps its own type so it never mixes with a string of the same bytes.
    struct TIdent {
        AnsiString Name;
        friend bool operator==(const TIdent&, const TIdent&) = default;
    };
    using TSetItems = std::vector<AnsiString>;
    using TBytes = std::vector<std::uint8_t>;

    std::variant<std::int64_t, AnsiString, TIdent, TSetItems, TBytes> Value;

    static TFormValue Integer(std::int64_t v) { return {v}; }
    static TFormValue String(AnsiString s) { return {std::move(s)}; }
    static TFormValue Identifier(AnsiString name) { return {TIdent{std::move(name)}}; }
    static TFormValue Set(TSetItems items) { return {std::move(items)}; }
    static TFormValue Binary(TBytes bytes) { return {std::move(bytes)}; }

    TFormValueKind Kind() const { return static_cast<TFormValueKind>(Value.index()); }

    // Each accessor throws Exception naming the expected and the actual kind.
    std::int64_t AsInteger() const;
    const AnsiString& AsString() const;
    const AnsiString& AsIdentifier() const;
    const TSetItems& AsSet() const;
    const TBytes& AsBinary() const;

    friend bool operator==(const TFormValue&, const TFormValue&) = default;
};

// "Integer", "String", ... for messages.
const char* FormValueKindName(TFormValueKind kind);

// One "object Name: TClass ... end" block.
struct TFormObject {
    AnsiString Name;
    AnsiString ClassName;
    // In stored order; names may be dotted ("Font.Name", "Icon.Data").
    std::vector<std::pair<AnsiString, TFormValue>> Properties;
    std::vector<TFormObject> Children;
    int Line = 0; // of the "object" keyword, 1-based

    // Property names compare case-insensitively, as the format's readers always have;
    // nullptr when absent.
    const TFormValue* FindProperty(std::string_view name) const;
};

// Parses one top-level object. Throws Exception naming the line on any syntax error.
TFormObject ParseFormText(std::string_view text);

} // namespace vcl
