// A failed file-system call inside the win32 layer; the Windows-style entry points catch it.
#pragma once

#include "vcl/Exception.h"

#include <cerrno>
#include <cstring>
#include <string>

namespace win32 {

class FileError : public Exception {
public:
    FileError(const std::string& what, int error)
        : Exception(what + ": " + std::strerror(error)), error_(error) {}
    int Error() const { return error_; }

private:
    int error_;
};

} // namespace win32
