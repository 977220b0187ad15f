#include "imaging/CFileManager.h"

#include "imaging/FilePosition.h"
#include "support/Log.h"

namespace {

std::string& ProgramFolder()
{
    static std::string folder;
    return folder;
}

} // namespace

CFileManager::CFileManager(bool mapped) : m_Mapped(mapped) {}

bool CFileManager::Read(void* buffer, DWORD count, DWORD* got)
{
    if (m_View)
        return ReadWithin(m_View, m_Size, &m_Position, buffer, count, got);
    if (m_Transfer == INVALID_HANDLE_VALUE || m_Position == m_Size) {
        if (got)
            *got = 0;
        return false;
    }
    return ReadPlain(buffer, count, got);
}

bool CFileManager::Seek(LONG offset, int origin)
{
    return SeekWithin(m_Size, &m_Position, offset, origin);
}

DWORD CFileManager::GetPosition()
{
    return m_Position;
}

DWORD CFileManager::GetSize()
{
    return m_Size;
}

void CFileManager::SetProgramFolderPath(const std::string& folder)
{
    ProgramFolder() = folder;
}

const std::string& CFileManager::GetProgramFolder()
{
    return ProgramFolder();
}

void CFileManager::GetFullPath(std::string& out, const std::string& name)
{
    out = ProgramFolder() + name;
}

void CFileManager::CheckForAndCreateDirectory(const std::string& path)
{
    if (!IsDirectory(path))
        CreateDirectory(path);
    LogMessage("CFileManager::CheckForAndCreateDirectory %s", path.c_str());
}

HANDLE CFileManager::FinishOpenRead(bool sized, DWORD size)
{
    m_Size = sized ? size : 0;
    m_Position = 0;
    m_BaseOffset = 0;
    if (!sized || (m_Mapped && !Map())) {
        Close();
        m_Size = 0;
        return nullptr;
    }
    if (!m_Mapped)
        m_Transfer = m_File;
    return m_File;
}
