#include "vcl/TextLayout.h"

#include <string_view>

namespace vcl {

namespace {

constexpr char kBlank = ' ';
constexpr char kTab = '\t';
constexpr char kCR = '\r';
constexpr char kLF = '\n';

// The text between line breaks. Either order of CR and LF makes one break, and so does
// either of them alone; a break at the end opens no further line.
std::vector<std::string_view> SplitParagraphs(std::string_view text) {
    std::vector<std::string_view> paragraphs;
    std::size_t start = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c != kCR && c != kLF) {
            ++i;
            continue;
        }
        paragraphs.push_back(text.substr(start, i - start));
        const char partner = c == kCR ? kLF : kCR;
        i += i + 1 < text.size() && text[i + 1] == partner ? 2 : 1;
        start = i;
    }
    if (start < text.size())
        paragraphs.push_back(text.substr(start));
    return paragraphs;
}

class TParagraphLayout {
public:
    TParagraphLayout(const TTextLayoutOptions& options,
                     const std::function<int(const AnsiString&)>& measure)
        : options_(options), measure_(measure) {}

    // Runs for one line's text; `right` receives where the pen ends.
    TTextLine Line(std::string_view text, int* right = nullptr) const {
        TTextLine line;
        int x = 0;
        std::size_t start = 0;
        for (;;) {
            const std::size_t tab =
                options_.ExpandTabs ? text.find(kTab, start) : std::string_view::npos;
            const std::string_view piece = text.substr(start, tab - start);
            if (!piece.empty()) {
                line.Runs.push_back({x, AnsiString(piece)});
                x += measure_(line.Runs.back().Text);
            }
            if (tab == std::string_view::npos)
                break;
            x = NextTabStop(x);
            start = tab + 1;
        }
        if (right)
            *right = x;
        return line;
    }

    // A tab ends a word as a blank does: the line may break there, and the tab is
    // dropped along with the blanks around it, as the platform's word break treats it.
    bool IsSeparator(char c) const { return c == kBlank || (c == kTab && options_.ExpandTabs); }

    // Where the next word after `pos` ends; npos when only separators remain.
    std::size_t EndOfNextWord(std::string_view text, std::size_t pos) const {
        pos = SkipSeparators(text, pos);
        if (pos == text.size())
            return std::string_view::npos;
        while (pos < text.size() && !IsSeparator(text[pos]))
            ++pos;
        return pos;
    }

    std::size_t SkipSeparators(std::string_view text, std::size_t pos) const {
        while (pos < text.size() && IsSeparator(text[pos]))
            ++pos;
        return pos;
    }

    bool Fits(std::string_view text) const {
        int right = 0;
        Line(text, &right);
        return right <= options_.Width;
    }

    // Greedy word wrap: each line takes as many whole words as fit, but at least one.
    void Wrap(std::string_view text, std::vector<TTextLine>& lines) const {
        std::size_t start = 0;
        for (;;) {
            std::size_t end = EndOfNextWord(text, start);
            if (end == std::string_view::npos) {
                // Separators only: the line keeps them as they are.
                lines.push_back(Line(text.substr(start)));
                return;
            }
            for (;;) {
                const std::size_t next = EndOfNextWord(text, end);
                if (next == std::string_view::npos || !Fits(text.substr(start, next - start)))
                    break;
                end = next;
            }
            const std::size_t nextLine = SkipSeparators(text, end);
            if (nextLine == text.size()) {
                lines.push_back(Line(text.substr(start)));
                return;
            }
            lines.push_back(Line(text.substr(start, end - start)));
            start = nextLine;
        }
    }

private:
    int NextTabStop(int x) const {
        if (options_.TabWidth <= 0)
            return x;
        return (x / options_.TabWidth + 1) * options_.TabWidth;
    }

    const TTextLayoutOptions& options_;
    const std::function<int(const AnsiString&)>& measure_;
};

} // namespace

std::vector<TTextLine> LayoutText(const AnsiString& text, const TTextLayoutOptions& options,
                                  const std::function<int(const AnsiString&)>& measure) {
    const TParagraphLayout layout(options, measure);
    std::vector<TTextLine> lines;
    for (const std::string_view paragraph : SplitParagraphs(text)) {
        if (options.WordWrap)
            layout.Wrap(paragraph, lines);
        else
            lines.push_back(layout.Line(paragraph));
    }
    return lines;
}

} // namespace vcl
