// Temporary folders, environment and current folder held for a scope, and small file
// helpers: what the file tests and the file benchmarks both need. No test framework here.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <set>
#include <stdexcept>
#include <string>

namespace testprefix {

namespace fs = std::filesystem;

// Sets or clears an environment variable for the lifetime of the object.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = old;
        if (value != nullptr)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;
    ~ScopedEnv() {
        if (old_)
            ::setenv(name_.c_str(), old_->c_str(), 1);
        else
            ::unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "setup-test-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        path_ = pattern;
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const fs::path& folder) : old_(fs::current_path()) {
        fs::current_path(folder);
    }
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;
    ~ScopedCurrentFolder() {
        std::error_code ec;
        fs::current_path(old_, ec);
    }

private:
    fs::path old_;
};

inline void WriteFile(const fs::path& file, const std::string& content) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

inline std::string ReadFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary | std::ios::ate);
    if (!in)
        return {};
    std::string content(static_cast<std::size_t>(in.tellg()), '\0');
    in.seekg(0);
    in.read(content.data(), static_cast<std::streamsize>(content.size()));
    return content;
}

inline std::set<std::string> Entries(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

inline mode_t ModeBits(const fs::path& file) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0)
        throw std::runtime_error("cannot stat " + file.string());
    return info.st_mode & 07777;
}

// Bytes that differ from position to position, so a shifted or truncated copy shows.
inline std::string PatternedBytes(std::size_t size) {
    // A plain linear congruential generator (Numerical Recipes' constants) is enough.
    constexpr std::uint32_t kSeed = 0x12345678u;
    constexpr std::uint32_t kMultiplier = 1664525u;
    constexpr std::uint32_t kIncrement = 1013904223u;
    std::string bytes(size, '\0');
    std::uint32_t state = kSeed;
    for (auto& b : bytes) {
        state = state * kMultiplier + kIncrement;
        b = static_cast<char>(state >> 24);
    }
    return bytes;
}

} // namespace testprefix
