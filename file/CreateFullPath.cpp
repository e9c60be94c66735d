#include "file/FILE.h"

#include "win32/Paths.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

int32_t CreateFullPath(const char* path) {
    try {
        if (path == nullptr)
            return 0;
        const win32::MappedPath folder = win32::MapWindowsPath(path);
        if (!folder)
            return 0;
        // New folders get 0777 less the umask, as mkdir gives them.
        std::error_code ec;
        fs::create_directories(folder.Path, ec);
        return fs::is_directory(folder.Path, ec) ? 1 : 0;
    } catch (...) {
        return 0;
    }
}
