// A throw-away Wine prefix with drive C: for the file benchmarks: WINEPREFIX points at it
// while it lives, and everything in it goes with it.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

#include <stdlib.h>

namespace bench {

namespace fs = std::filesystem;

class TempPrefix {
public:
    TempPrefix() {
        std::string pattern = (fs::temp_directory_path() / "setup-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        root_ = pattern;
        fs::create_directories(DriveC());
        if (const char* old = std::getenv(kVariable))
            oldPrefix_ = old;
        ::setenv(kVariable, root_.c_str(), 1);
    }
    TempPrefix(const TempPrefix&) = delete;
    TempPrefix& operator=(const TempPrefix&) = delete;
    ~TempPrefix() {
        if (oldPrefix_)
            ::setenv(kVariable, oldPrefix_->c_str(), 1);
        else
            ::unsetenv(kVariable);
        std::error_code ec;
        fs::remove_all(root_, ec);
    }

    // Where "C:\" lies on Linux.
    fs::path DriveC() const { return root_ / "drive_c"; }

private:
    static constexpr const char* kVariable = "WINEPREFIX";
    fs::path root_;
    std::optional<std::string> oldPrefix_;
};

inline void WriteFile(const fs::path& file, const std::string& content) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

// Bytes that vary, so no layer below can shortcut runs of zeros.
inline std::string PatternedBytes(std::size_t size) {
    // Numerical Recipes' linear congruential generator: cheap and good enough here.
    constexpr std::uint32_t kSeed = 0x2468ACE1u;
    constexpr std::uint32_t kMultiplier = 1664525u;
    constexpr std::uint32_t kIncrement = 1013904223u;
    std::string bytes(size, '\0');
    std::uint32_t state = kSeed;
    for (char& b : bytes) {
        state = state * kMultiplier + kIncrement;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

} // namespace bench
