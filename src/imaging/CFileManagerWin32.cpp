#include "imaging/CFileManager.h"

HANDLE CFileManager::OpenRead(const std::string& path)
{
    std::string full;
    GetFullPath(full, path);
    m_File = CreateFileA(full.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_File == INVALID_HANDLE_VALUE)
        return nullptr;
    const DWORD size = GetFileSize(m_File, nullptr);
    return FinishOpenRead(size != INVALID_FILE_SIZE, size);
}

bool CFileManager::CanOpenForReading(const std::string& fullPath)
{
    // Without backup semantics a folder does not open.
    HANDLE file = CreateFileA(fullPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

bool CFileManager::Map()
{
    // An empty file cannot be mapped; reads from it give 0 bytes.
    if (m_Size == 0)
        return true;
    m_Mapping = CreateFileMappingA(m_File, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (!m_Mapping)
        return false;
    m_View = static_cast<const BYTE*>(MapViewOfFile(m_Mapping, FILE_MAP_READ, 0, 0, 0));
    return m_View != nullptr;
}

HANDLE CFileManager::OpenWrite(const std::string& path)
{
    std::string full;
    GetFullPath(full, path);
    m_File = CreateFileA(full.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_File == INVALID_HANDLE_VALUE)
        return nullptr;
    m_Transfer = m_File;
    m_BaseOffset = 0;
    m_Position = 0;
    return m_File;
}

bool CFileManager::Close()
{
    DWORD error = 0;
    auto note = [&error](BOOL ok) {
        if (!ok && error == 0)
            error = GetLastError();
    };
    if (m_View)
        note(UnmapViewOfFile(m_View));
    if (m_Mapping)
        note(CloseHandle(m_Mapping));
    if (m_File != INVALID_HANDLE_VALUE)
        note(CloseHandle(m_File));
    // A handle whose close failed is unusable anyway: forget it either way.
    m_View = nullptr;
    m_Mapping = nullptr;
    m_File = INVALID_HANDLE_VALUE;
    m_Transfer = INVALID_HANDLE_VALUE;
    m_Position = 0;
    SetLastError(error);
    return error == 0;
}

bool CFileManager::ReadPlain(void* buffer, DWORD count, DWORD* got)
{
    if (SetFilePointer(m_Transfer, static_cast<LONG>(m_BaseOffset + m_Position), nullptr,
                       FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    DWORD read = 0;
    const BOOL ok = ReadFile(m_Transfer, buffer, count, &read, nullptr);
    if (ok)
        m_Position += read;
    if (got)
        *got = read;
    return ok != FALSE;
}

bool CFileManager::Write(const void* buffer, DWORD count, DWORD* written)
{
    if (m_Transfer == INVALID_HANDLE_VALUE)
        return false;
    if (SetFilePointer(m_Transfer, static_cast<LONG>(m_BaseOffset + m_Position), nullptr,
                       FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    DWORD done = 0;
    if (!WriteFile(m_Transfer, buffer, count, &done, nullptr))
        return false;
    m_Position += done;
    if (written)
        *written = done;
    return true;
}

bool CFileManager::IsDirectory(const std::string& path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CFileManager::CreateDirectory(const std::string& path)
{
    return ::CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}
