#include "vcl/FormText.h"

#include "vcl/Exception.h"

#include <cctype>
#include <limits>
#include <optional>

namespace vcl {

namespace {

constexpr int kMaxCharCode = 255;
constexpr int kDecimalBase = 10;
constexpr int kHexBase = 16;
constexpr int kHexDigitsPerInt64 = 16;

bool IsIdentStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsIdentChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

[[noreturn]] void Fail(int line, const AnsiString& what) {
    throw Exception("Form description, line " + std::to_string(line) + ": " + what);
}

enum class TTokenKind { End, Symbol, Integer, String, Binary, Char };

struct TToken {
    TTokenKind Kind = TTokenKind::End;
    int Line = 1;
    AnsiString Text;          // Symbol name, string bytes
    std::int64_t Integer = 0; // Integer
    TFormValue::TBytes Bytes; // Binary
    char Char = 0;            // Char: one of = : [ ] , + ( ) < >
};

// Splits the text into tokens; line breaks are plain white space in this format.
class TLexer {
public:
    explicit TLexer(std::string_view text) : text_(text) {}

    TToken Next() {
        SkipSpace();
        TToken t;
        t.Line = line_;
        if (pos_ >= text_.size())
            return t;
        const char c = text_[pos_];
        if (IsIdentStart(c)) {
            t.Kind = TTokenKind::Symbol;
            t.Text = ReadDottedName();
        } else if (IsDigit(c) || c == '$' ||
                   (c == '-' && pos_ + 1 < text_.size() &&
                    (IsDigit(text_[pos_ + 1]) || text_[pos_ + 1] == '$'))) {
            t.Kind = TTokenKind::Integer;
            t.Integer = ReadInteger();
        } else if (c == '\'' || c == '#') {
            t.Kind = TTokenKind::String;
            t.Text = ReadString();
        } else if (c == '{') {
            t.Kind = TTokenKind::Binary;
            t.Bytes = ReadBinary();
        } else if (AnsiString("=:[],+()<>").find(c) != AnsiString::npos) {
            t.Kind = TTokenKind::Char;
            t.Char = c;
            ++pos_;
        } else {
            Fail(line_, "unexpected character " + Describe(c));
        }
        return t;
    }

private:
    static AnsiString Describe(char c) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= ' ' && byte < 0x7F)
            return AnsiString("'") + c + "'";
        return "#" + std::to_string(byte);
    }

    void SkipSpace() {
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\n')
                ++line_;
            else if (c != ' ' && c != '\t' && c != '\r')
                return;
            ++pos_;
        }
    }

    bool AtIdentChar() const { return pos_ < text_.size() && IsIdentChar(text_[pos_]); }

    AnsiString ReadDottedName() {
        const std::size_t start = pos_;
        for (;;) {
            while (AtIdentChar())
                ++pos_;
            if (pos_ < text_.size() && text_[pos_] == '.') {
                ++pos_;
                if (pos_ >= text_.size() || !IsIdentStart(text_[pos_]))
                    Fail(line_, "name '" + AnsiString(text_.substr(start, pos_ - start)) +
                                    "' must continue after the dot");
                continue;
            }
            return AnsiString(text_.substr(start, pos_ - start));
        }
    }

    std::int64_t ReadInteger() {
        const bool negative = text_[pos_] == '-';
        if (negative)
            ++pos_;
        std::uint64_t magnitude = 0;
        bool hex = false;
        if (text_[pos_] == '$') {
            hex = true;
            ++pos_;
            int digits = 0;
            while (pos_ < text_.size() && HexValue(text_[pos_]) >= 0) {
                if (++digits > kHexDigitsPerInt64)
                    Fail(line_, "hexadecimal number is too long");
                magnitude = magnitude * kHexBase + static_cast<unsigned>(HexValue(text_[pos_]));
                ++pos_;
            }
            if (digits == 0)
                Fail(line_, "'$' must be followed by hexadecimal digits");
        } else {
            // One past the largest magnitude, which only a negative number may reach.
            const std::uint64_t limit =
                static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) + 1;
            while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                const unsigned digit = static_cast<unsigned>(text_[pos_] - '0');
                if (magnitude > (limit - digit) / kDecimalBase)
                    Fail(line_, "number is out of range");
                magnitude = magnitude * kDecimalBase + digit;
                ++pos_;
            }
            if (!negative && magnitude == limit)
                Fail(line_, "number is out of range");
        }
        if (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (!hex && (c == '.' || c == 'e' || c == 'E'))
                Fail(line_, "floating-point values are not supported");
            if (IsIdentChar(c) || c == '.')
                Fail(line_, "malformed number");
        }
        // Hexadecimal keeps its bit pattern, so $FFFFFFFFFFFFFFFF reads as -1.
        const auto value = static_cast<std::int64_t>(magnitude);
        return negative ? static_cast<std::int64_t>(0 - magnitude) : value;
    }

    // Quoted pieces and #nnn codes written side by side form one string.
    AnsiString ReadString() {
        AnsiString out;
        while (pos_ < text_.size()) {
            const char c = text_[pos_];
            if (c == '\'') {
                ++pos_;
                for (;;) {
                    if (pos_ >= text_.size() || text_[pos_] == '\n' || text_[pos_] == '\r')
                        Fail(line_, "unterminated string");
                    if (text_[pos_] == '\'') {
                        if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                            out += '\'';
                            pos_ += 2;
                            continue;
                        }
                        ++pos_;
                        break;
                    }
                    out += text_[pos_++];
                }
            } else if (c == '#') {
                ++pos_;
                int code = 0;
                int digits = 0;
                while (pos_ < text_.size() && IsDigit(text_[pos_])) {
                    code = code * kDecimalBase + (text_[pos_] - '0');
                    if (code > kMaxCharCode)
                        Fail(line_, "character code is above 255");
                    ++digits;
                    ++pos_;
                }
                if (digits == 0)
                    Fail(line_, "'#' must be followed by a decimal character code");
                out += static_cast<char>(code);
            } else {
                break;
            }
        }
        if (AtIdentChar())
            Fail(line_, "unexpected text after string");
        return out;
    }

    TFormValue::TBytes ReadBinary() {
        const int openLine = line_;
        ++pos_;
        TFormValue::TBytes out;
        int pending = -1; // high nibble waiting for its partner
        for (;;) {
            if (pos_ >= text_.size())
                Fail(openLine, "binary data opened here has no closing '}'");
            const char c = text_[pos_++];
            if (c == '}')
                break;
            if (c == '\n') {
                ++line_;
                continue;
            }
            if (c == ' ' || c == '\t' || c == '\r')
                continue;
            const int v = HexValue(c);
            if (v < 0)
                Fail(line_, "binary data holds a non-hexadecimal character " + Describe(c));
            if (pending < 0) {
                pending = v;
            } else {
                out.push_back(static_cast<std::uint8_t>(pending * kHexBase + v));
                pending = -1;
            }
        }
        if (pending >= 0)
            Fail(line_, "binary data has an odd number of hexadecimal digits");
        return out;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    int line_ = 1;
};

class TParser {
public:
    explicit TParser(std::string_view text) : lexer_(text) { Advance(); }

    TFormObject ParseRoot() {
        if (tok_.Kind == TTokenKind::End)
            Fail(tok_.Line, "no object found");
        TFormObject root = ParseObject();
        if (tok_.Kind != TTokenKind::End)
            Fail(tok_.Line, "unexpected text after the final 'end'");
        return root;
    }

private:
    void Advance() { tok_ = lexer_.Next(); }

    bool IsKeyword(std::string_view word) const {
        return tok_.Kind == TTokenKind::Symbol && EqualsNoCase(tok_.Text, word);
    }
    bool IsChar(char c) const { return tok_.Kind == TTokenKind::Char && tok_.Char == c; }

    // Header faults name the header's line, even when the text runs on to the next.
    AnsiString ExpectName(int headerLine, const char* what) {
        if (tok_.Kind != TTokenKind::Symbol || tok_.Text.find('.') != AnsiString::npos)
            Fail(headerLine, AnsiString("expected ") + what);
        AnsiString name = std::move(tok_.Text);
        Advance();
        return name;
    }

    TFormObject ParseObject() {
        if (IsKeyword("inherited") || IsKeyword("inline"))
            Fail(tok_.Line, "'" + tok_.Text + "' objects are not supported, only 'object'");
        if (!IsKeyword("object"))
            Fail(tok_.Line, "expected 'object'");
        TFormObject obj;
        obj.Line = tok_.Line;
        Advance();
        obj.Name = ExpectName(obj.Line, "an object name after 'object' (object Name: TClass)");
        if (!IsChar(':'))
            Fail(obj.Line, "expected ':' and a class name after object name '" + obj.Name + "'");
        Advance();
        obj.ClassName = ExpectName(obj.Line, "a class name after ':'");

        for (;;) {
            if (tok_.Kind == TTokenKind::End)
                Fail(tok_.Line, "missing 'end' for object '" + obj.Name + "' opened on line " +
                                    std::to_string(obj.Line));
            if (IsKeyword("end")) {
                Advance();
                return obj;
            }
            if (IsKeyword("object") || IsKeyword("inherited") || IsKeyword("inline")) {
                obj.Children.push_back(ParseObject());
                continue;
            }
            if (tok_.Kind != TTokenKind::Symbol)
                Fail(tok_.Line, "expected a property name, 'object' or 'end'");
            if (!obj.Children.empty())
                Fail(tok_.Line, "property '" + tok_.Text + "' follows a child object");
            AnsiString name = std::move(tok_.Text);
            const int nameLine = tok_.Line;
            Advance();
            if (!IsChar('='))
                Fail(tok_.Line, "expected '=' after property name '" + name + "'");
            Advance();
            TFormValue value = ParseValue(nameLine);
            obj.Properties.emplace_back(std::move(name), std::move(value));
        }
    }

    TFormValue ParseValue(int nameLine) {
        switch (tok_.Kind) {
        case TTokenKind::End:
            Fail(nameLine, "property has no value");
        case TTokenKind::Integer: {
            const std::int64_t v = tok_.Integer;
            Advance();
            return TFormValue::Integer(v);
        }
        case TTokenKind::String:
            return TFormValue::String(ParseStringSum());
        case TTokenKind::Symbol: {
            if (IsKeyword("object") || IsKeyword("end"))
                Fail(tok_.Line, "property has no value");
            TFormValue v = TFormValue::Identifier(std::move(tok_.Text));
            Advance();
            return v;
        }
        case TTokenKind::Binary: {
            TFormValue v = TFormValue::Binary(std::move(tok_.Bytes));
            Advance();
            return v;
        }
        case TTokenKind::Char:
            break;
        }
        if (IsChar('['))
            return ParseSet();
        if (IsChar('('))
            Fail(tok_.Line, "value lists '( ... )' are not supported");
        if (IsChar('<'))
            Fail(tok_.Line, "collections '< ... >' are not supported");
        Fail(tok_.Line, AnsiString("unexpected '") + tok_.Char + "' where a value belongs");
    }

    // 'a' + 'b' joins across line breaks.
    AnsiString ParseStringSum() {
        AnsiString out = std::move(tok_.Text);
        Advance();
        while (IsChar('+')) {
            Advance();
            if (tok_.Kind != TTokenKind::String)
                Fail(tok_.Line, "expected a string after '+'");
            out += tok_.Text;
            Advance();
        }
        return out;
    }

    TFormValue ParseSet() {
        const int openLine = tok_.Line;
        Advance();
        TFormValue::TSetItems items;
        if (IsChar(']')) {
            Advance();
            return TFormValue::Set(std::move(items));
        }
        for (;;) {
            if (tok_.Kind == TTokenKind::End)
                Fail(openLine, "set opened here has no closing ']'");
            if (tok_.Kind != TTokenKind::Symbol)
                Fail(tok_.Line, "set elements must be identifiers");
            items.push_back(std::move(tok_.Text));
            Advance();
            if (IsChar(']')) {
                Advance();
                return TFormValue::Set(std::move(items));
            }
            if (tok_.Kind == TTokenKind::End)
                Fail(openLine, "set opened here has no closing ']'");
            if (!IsChar(','))
                Fail(tok_.Line, "expected ',' or ']' in set");
            Advance();
        }
    }

    TLexer lexer_;
    TToken tok_;
};

[[noreturn]] void WrongKind(TFormValueKind wanted, TFormValueKind actual) {
    throw Exception(AnsiString("Form value is ") + FormValueKindName(actual) + ", not " +
                    FormValueKindName(wanted));
}

} // namespace

const char* FormValueKindName(TFormValueKind kind) {
    switch (kind) {
    case TFormValueKind::Integer:
        return "an integer";
    case TFormValueKind::String:
        return "a string";
    case TFormValueKind::Identifier:
        return "an identifier";
    case TFormValueKind::Set:
        return "a set";
    case TFormValueKind::Binary:
        return "binary data";
    }
    return "unknown";
}

std::int64_t TFormValue::AsInteger() const {
    if (const auto* v = std::get_if<std::int64_t>(&Value))
        return *v;
    WrongKind(TFormValueKind::Integer, Kind());
}

const AnsiString& TFormValue::AsString() const {
    if (const auto* v = std::get_if<AnsiString>(&Value))
        return *v;
    WrongKind(TFormValueKind::String, Kind());
}

const AnsiString& TFormValue::AsIdentifier() const {
    if (const auto* v = std::get_if<TIdent>(&Value))
        return v->Name;
    WrongKind(TFormValueKind::Identifier, Kind());
}

const TFormValue::TSetItems& TFormValue::AsSet() const {
    if (const auto* v = std::get_if<TSetItems>(&Value))
        return *v;
    WrongKind(TFormValueKind::Set, Kind());
}

const TFormValue::TBytes& TFormValue::AsBinary() const {
    if (const auto* v = std::get_if<TBytes>(&Value))
        return *v;
    WrongKind(TFormValueKind::Binary, Kind());
}

const TFormValue* TFormObject::FindProperty(std::string_view name) const {
    for (const auto& [key, value] : Properties) {
        if (EqualsNoCase(key, name))
            return &value;
    }
    return nullptr;
}

TFormObject ParseFormText(std::string_view text) {
    return TParser(text).ParseRoot();
}

} // namespace vcl
