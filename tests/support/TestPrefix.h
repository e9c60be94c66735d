// A throw-away Wine prefix for file tests: drive C: as dosdevices/c: -> ../drive_c, drive D:
// as a plain folder, the current folder inside it; environment and folder restored after.
#pragma once

#include "tests/support/TempFiles.h"

#include <gtest/gtest.h>

namespace testprefix {

class PrefixTest : public ::testing::Test {
protected:
    PrefixTest()
        : prefix_(temp_.Path() / "prefix"), cwd_(temp_.Path() / "cwd"),
          env_("WINEPREFIX", prefix_.c_str()) {
        fs::create_directories(cwd_);
        current_.emplace(cwd_);
        fs::create_directories(prefix_ / "drive_c");
        fs::create_directories(prefix_ / "dosdevices" / "d:");
        fs::create_symlink("../drive_c", prefix_ / "dosdevices" / "c:");
    }

public:
    const fs::path& Root() const { return temp_.Path(); }
    const fs::path& Prefix() const { return prefix_; }
    const fs::path& Cwd() const { return cwd_; }
    fs::path C() const { return prefix_ / "dosdevices" / "c:"; }
    fs::path D() const { return prefix_ / "dosdevices" / "d:"; }

private:
    TempFolder temp_;
    fs::path prefix_;
    fs::path cwd_;
    ScopedEnv env_;
    std::optional<ScopedCurrentFolder> current_;
};

} // namespace testprefix
