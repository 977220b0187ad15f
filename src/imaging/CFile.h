// A file the picture readers take: opened by name, read and written at a
// position. CFileManager is the real one; tests hand readers memory files.
#pragma once

#include <string>

#include "support/Platform.h"

class CFile {
public:
    virtual ~CFile() = default;
    // Non-null on success.
    virtual HANDLE OpenRead(const std::string& path) = 0;
    virtual HANDLE OpenWrite(const std::string& path) = 0;
    virtual bool Close() = 0;
    // *got (when given) receives the count actually read: a plain read that
    // meets the end of the file succeeds with fewer bytes, so callers
    // compare it.
    virtual bool Read(void* buffer, DWORD count, DWORD* got) = 0;
    // origin 0 begin, 1 current, 2 end (the offset counts back from the end).
    // A target outside the file is clamped to it and reported as false with
    // last error 87.
    virtual bool Seek(LONG offset, int origin) = 0;
    virtual DWORD GetPosition() = 0;
    virtual DWORD GetSize() = 0;
    virtual bool Write(const void* buffer, DWORD count, DWORD* written) = 0;
};
