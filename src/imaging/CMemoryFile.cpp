#include "imaging/CMemoryFile.h"

#include <cstring>

#include "imaging/FilePosition.h"

CMemoryFile::CMemoryFile(std::vector<BYTE> bytes) : m_Bytes(std::move(bytes)) {}

CMemoryFile::CMemoryFile(const void* bytes, size_t count)
    : m_Bytes(static_cast<const BYTE*>(bytes), static_cast<const BYTE*>(bytes) + count)
{
}

HANDLE CMemoryFile::OpenRead(const std::string& path)
{
    m_Position = 0;
    return this;
}

HANDLE CMemoryFile::OpenWrite(const std::string& path)
{
    m_Bytes.clear();
    m_Position = 0;
    return this;
}

bool CMemoryFile::Close()
{
    return true;
}

bool CMemoryFile::Read(void* buffer, DWORD count, DWORD* got)
{
    return ReadWithin(m_Bytes.data(), GetSize(), &m_Position, buffer, count, got);
}

bool CMemoryFile::Seek(LONG offset, int origin)
{
    return SeekWithin(GetSize(), &m_Position, offset, origin);
}

DWORD CMemoryFile::GetPosition()
{
    return m_Position;
}

DWORD CMemoryFile::GetSize()
{
    return static_cast<DWORD>(m_Bytes.size());
}

bool CMemoryFile::Write(const void* buffer, DWORD count, DWORD* written)
{
    if (m_Position + static_cast<size_t>(count) > m_Bytes.size())
        m_Bytes.resize(m_Position + static_cast<size_t>(count));
    if (count > 0)
        std::memcpy(m_Bytes.data() + m_Position, buffer, count);
    m_Position += count;
    if (written)
        *written = count;
    return true;
}
