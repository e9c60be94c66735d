// A throw-away Wine prefix with drive C: for the file benchmarks: WINEPREFIX points at it
// while it lives, and everything in it goes with it.
#pragma once

#include "tests/support/TempFiles.h"

namespace bench {

using testprefix::PatternedBytes;
using testprefix::WriteFile;
namespace fs = std::filesystem;

class TempPrefix {
public:
    TempPrefix() : env_("WINEPREFIX", folder_.Path().c_str()) { fs::create_directories(DriveC()); }

    // Where "C:\" lies on Linux.
    fs::path DriveC() const { return folder_.Path() / "drive_c"; }

private:
    testprefix::TempFolder folder_;
    testprefix::ScopedEnv env_;
};

} // namespace bench
