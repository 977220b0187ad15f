#include "persist/DeSerializer.h"

#include <cstdio>
#include <filesystem>

#include "persist/FileHold.h"
#include "persist/NativePath.h"

namespace {

// The thrown text must outlive the throw; files are read on the main thread only.
char g_OpenFailure[1024];

[[noreturn]] void ThrowUnableToOpen(const std::string& path)
{
    std::snprintf(g_OpenFailure, sizeof g_OpenFailure,
                  "DeSerializer::DeSerializer: unable to open: %s", path.c_str());
    throw static_cast<const char*>(g_OpenFailure);
}

} // namespace

const char DeSerializer::FILE_HELD[] = "DeSerializer::DeSerializer: file held by another program";

DeSerializer::DeSerializer(const std::string& path) : std::istream(nullptr)
{
    const std::string native = NativePath(path);
    bool held = false;
    if (!RetriedWhileHeld("open", path, [&] { return Open(native); },
                          [&] { return held = IsHeldForReading(native); })) {
        if (held)
            throw static_cast<const char*>(FILE_HELD);
        ThrowUnableToOpen(path);
    }
    rdbuf(&m_File);
    seekg(0, std::ios::end);
    m_Size = tellg();
    seekg(0, std::ios::beg);
    if (m_Size < 0 || fail())
        ThrowUnableToOpen(path);
}

bool DeSerializer::Open(const std::string& nativePath)
{
    if (!m_File.open(nativePath, std::ios::in | std::ios::binary))
        return false;
    // Some systems open a folder for reading; it is no file all the same.
    std::error_code ignored;
    if (!std::filesystem::is_directory(nativePath, ignored))
        return true;
    m_File.close();
    return false;
}

DeSerializer::DeSerializer(const void* bytes, size_t count)
    : std::istream(nullptr),
      m_Memory(std::string(static_cast<const char*>(bytes), count), std::ios::in),
      m_Size(static_cast<std::streamoff>(count))
{
    rdbuf(&m_Memory);
}

int32_t DeSerializer::GetLong()
{
    if (eof())
        throw "DeSerializer::GetLong: end of file";
    unsigned char bytes[4] = {0, 0, 0, 0};
    read(reinterpret_cast<char*>(bytes), sizeof bytes);
    if (bad())
        throw "DeSerializer::GetLong: file read failed";
    // Half a number is no number: a damaged last record must not count.
    if (gcount() != sizeof bytes)
        throw "DeSerializer::GetLong: end of file";
    const uint32_t bits = bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) |
                          (static_cast<uint32_t>(bytes[3]) << 24);
    return static_cast<int32_t>(bits);
}

std::string DeSerializer::GetString()
{
    const int32_t length = GetLong();
    const std::streamoff left = m_Size - tellg();
    if (length < 0 || length > left)
        throw "DeSerializer::GetString: string longer than the file";
    std::string text(static_cast<size_t>(length), '\0');
    read(&text[0], length);
    if (bad())
        throw "DeSerializer::GetString: file read failed";
    return text;
}
