#include "imaging/CFileManager.h"

#include <cerrno>
#include <cstdint>
#include <filesystem>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "persist/NativePath.h"

namespace {

HANDLE FromDescriptor(int fd)
{
    return fd < 0 ? INVALID_HANDLE_VALUE : reinterpret_cast<HANDLE>(static_cast<intptr_t>(fd));
}

int ToDescriptor(HANDLE handle)
{
    return static_cast<int>(reinterpret_cast<intptr_t>(handle));
}

HANDLE OpenNamed(const std::string& name, int flags)
{
    std::string full;
    CFileManager::GetFullPath(full, name);
    return FromDescriptor(open(NativePath(full).c_str(), flags, 0644));
}

} // namespace

HANDLE CFileManager::OpenRead(const std::string& path)
{
    m_File = OpenNamed(path, O_RDONLY);
    if (m_File == INVALID_HANDLE_VALUE)
        return nullptr;
    struct stat info;
    const bool sized = fstat(ToDescriptor(m_File), &info) == 0 && S_ISREG(info.st_mode) &&
                       info.st_size < static_cast<off_t>(UINT32_MAX);
    return FinishOpenRead(sized, sized ? static_cast<DWORD>(info.st_size) : 0);
}

bool CFileManager::CanOpenForReading(const std::string& fullPath)
{
    const int fd = open(NativePath(fullPath).c_str(), O_RDONLY);
    if (fd < 0)
        return false;
    struct stat info;
    const bool file = fstat(fd, &info) == 0 && !S_ISDIR(info.st_mode);
    close(fd);
    return file;
}

bool CFileManager::Map()
{
    if (m_Size == 0)
        return true;
    void* view = mmap(nullptr, m_Size, PROT_READ, MAP_PRIVATE, ToDescriptor(m_File), 0);
    if (view == MAP_FAILED)
        return false;
    m_View = static_cast<const BYTE*>(view);
    return true;
}

HANDLE CFileManager::OpenWrite(const std::string& path)
{
    m_File = OpenNamed(path, O_WRONLY | O_CREAT | O_TRUNC);
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
    if (m_View && munmap(const_cast<BYTE*>(m_View), m_Size) != 0)
        error = static_cast<DWORD>(errno);
    if (m_File != INVALID_HANDLE_VALUE && close(ToDescriptor(m_File)) != 0 && error == 0)
        error = static_cast<DWORD>(errno);
    m_View = nullptr;
    m_File = INVALID_HANDLE_VALUE;
    m_Transfer = INVALID_HANDLE_VALUE;
    m_Position = 0;
    SetLastError(error);
    return error == 0;
}

bool CFileManager::ReadPlain(void* buffer, DWORD count, DWORD* got)
{
    const ssize_t read = pread(ToDescriptor(m_Transfer), buffer, count, m_BaseOffset + m_Position);
    if (read < 0)
        return false;
    m_Position += static_cast<DWORD>(read);
    if (got)
        *got = static_cast<DWORD>(read);
    return true;
}

bool CFileManager::Write(const void* buffer, DWORD count, DWORD* written)
{
    if (m_Transfer == INVALID_HANDLE_VALUE)
        return false;
    const ssize_t done = pwrite(ToDescriptor(m_Transfer), buffer, count, m_BaseOffset + m_Position);
    if (done < 0)
        return false;
    m_Position += static_cast<DWORD>(done);
    if (written)
        *written = static_cast<DWORD>(done);
    return true;
}

bool CFileManager::IsDirectory(const std::string& path)
{
    std::error_code error;
    return std::filesystem::is_directory(NativePath(path), error);
}

bool CFileManager::CreateDirectory(const std::string& path)
{
    std::error_code error;
    return std::filesystem::create_directory(NativePath(path), error);
}
