// An unsorted list of byte strings that loads a text file by the platform's line rule.
#pragma once

#include "vcl/Exception.h"

#include <string_view>
#include <vector>

// A file that cannot be opened, or cannot be read.
class EFOpenError : public Exception {
    using Exception::Exception;
};
class EReadError : public Exception {
    using Exception::Exception;
};

class TStringList {
public:
    int Count() const { return static_cast<int>(strings_.size()); }
    const AnsiString& Strings(int index) const { return strings_.at(index); }
    void Add(const AnsiString& s) { strings_.push_back(s); }
    void Clear() { strings_.clear(); }

    // Replaces the entries with the lines of `text`: CR LF, a lone CR and a lone LF end a
    // line (LF CR is two ends with an empty line between); a break at the very end adds no
    // entry; a zero byte ends the text. Lines are kept as they are, blanks included.
    void SetText(std::string_view text);
    // Opens an existing file (a Windows path) for reading, alone, and loads its lines.
    void LoadFromFile(const AnsiString& fileName);

private:
    std::vector<AnsiString> strings_;
};
