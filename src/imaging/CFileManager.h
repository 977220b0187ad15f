// Reads a file through a read-only memory mapping or through plain reads,
// and creates and writes files. Also the program's folder services: every
// name the program uses begins with a backslash and is appended to the
// program folder.
#pragma once

#include <string>

#include "imaging/CFile.h"

class CFileManager : public CFile {
public:
    // mapped: OpenRead maps the file, so reads are memory copies.
    explicit CFileManager(bool mapped);
    // Does not close: every open is followed by Close.
    ~CFileManager() override = default;

    CFileManager(const CFileManager&) = delete;
    CFileManager& operator=(const CFileManager&) = delete;

    // The name is passed through GetFullPath first. Null on failure; a
    // failed open releases whatever it had obtained.
    HANDLE OpenRead(const std::string& path) override;
    HANDLE OpenWrite(const std::string& path) override;
    // Sets the thread's last error to the first failing call's code (or 0).
    bool Close() override;
    bool Read(void* buffer, DWORD count, DWORD* got) override;
    bool Seek(LONG offset, int origin) override;
    DWORD GetPosition() override;
    DWORD GetSize() override;
    bool Write(const void* buffer, DWORD count, DWORD* written) override;

    // The program folder, without a trailing separator; empty until set.
    static void SetProgramFolderPath(const std::string& folder);
    static const std::string& GetProgramFolder();
    // out = program folder + name, or name alone while no folder is set.
    static void GetFullPath(std::string& out, const std::string& name);

    static bool IsDirectory(const std::string& path);
    // True when the file at the full path opens for reading (a folder does
    // not); it is closed again at once. Cheaper than any reader's open.
    static bool CanOpenForReading(const std::string& fullPath);
    static bool CreateDirectory(const std::string& path);
    // Creates the folder (relative to the current directory) unless it
    // exists; a failure shows later, when a file in it cannot be written.
    static void CheckForAndCreateDirectory(const std::string& path);

private:
    bool ReadPlain(void* buffer, DWORD count, DWORD* got);
    bool Map();
    // The part of opening for reading that both platforms share: the
    // position rules, the mapping, and closing again on failure.
    HANDLE FinishOpenRead(bool sized, DWORD size);

    const BYTE* m_View = nullptr;
    HANDLE m_Transfer = INVALID_HANDLE_VALUE;
    DWORD m_BaseOffset = 0;
    DWORD m_Size = 0;
    DWORD m_Position = 0;
    HANDLE m_File = INVALID_HANDLE_VALUE;
    HANDLE m_Mapping = nullptr;
    bool m_Mapped;
};
