// A CFile over bytes in memory: readers are fed from it in tests and fuzzers,
// and it collects what a writer puts.
#pragma once

#include <vector>

#include "imaging/CFile.h"

class CMemoryFile : public CFile {
public:
    CMemoryFile() = default;
    explicit CMemoryFile(std::vector<BYTE> bytes);
    CMemoryFile(const void* bytes, size_t count);

    // The name is ignored: the file is the bytes held.
    HANDLE OpenRead(const std::string& path) override;
    // Empties the bytes.
    HANDLE OpenWrite(const std::string& path) override;
    bool Close() override;
    bool Read(void* buffer, DWORD count, DWORD* got) override;
    bool Seek(LONG offset, int origin) override;
    DWORD GetPosition() override;
    DWORD GetSize() override;
    bool Write(const void* buffer, DWORD count, DWORD* written) override;

    const std::vector<BYTE>& Bytes() const { return m_Bytes; }

private:
    std::vector<BYTE> m_Bytes;
    DWORD m_Position = 0;
};
