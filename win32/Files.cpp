#include "win32/Files.h"

#include "win32/FileCopy.h"
#include "win32/Paths.h"

BOOL CopyFileA(LPCSTR existingFileName, LPCSTR newFileName, BOOL failIfExists) {
    try {
        if (existingFileName == nullptr || newFileName == nullptr)
            return FALSE;
        const win32::MappedPath source = win32::MapWindowsPath(existingFileName);
        const win32::MappedPath destination = win32::MapWindowsPath(newFileName);
        if (!source || !destination)
            return FALSE;
        win32::CopyFileDurably(source.Path, destination.Path, failIfExists != FALSE);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

BOOL DeleteFileA(LPCSTR fileName) {
    try {
        if (fileName == nullptr)
            return FALSE;
        const win32::MappedPath file = win32::MapWindowsPath(fileName);
        if (!file)
            return FALSE;
        win32::RemoveFile(file.Path);
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}
