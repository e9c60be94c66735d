// A new file in a folder that appears under its final name only when committed, replacing
// what was there in one step; dropped before that, it leaves nothing behind.
#pragma once

#include "win32/UniqueFd.h"

#include <string>

namespace win32 {

class PendingFile {
public:
    // Creates the file in the open folder `folderFd`; throws FileError.
    PendingFile(int folderFd, std::string finalName);
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;
    ~PendingFile();

    int Fd() const { return fd_.Get(); }

    // Flushes the file, renames it over the final name and flushes the folder, so the
    // new content survives a crash once this returns. Throws FileError.
    void Commit();

private:
    void CreateNamed();
    void LinkAnonymous();

    int folderFd_;
    std::string finalName_;
    UniqueFd fd_;
    std::string tempName_; // the hidden name while it has one
    bool anonymous_ = false;
};

} // namespace win32
