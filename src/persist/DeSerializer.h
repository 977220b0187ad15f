// Reads back the long and string records of a file written by Serializer.
// Every failure throws a pointer to its message text (const char*).
//
// A number cut short by the end of the file throws "DeSerializer::GetLong:
// end of file", so a record is either read whole or not at all. Readers that
// loop until the end of the file rely on that.
#pragma once

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <istream>
#include <sstream>
#include <string>

class DeSerializer : public std::istream {
public:
    // Throws "DeSerializer::DeSerializer: unable to open: <path>" when the
    // file cannot be opened for reading, or FILE_HELD when it is there but
    // another program held it through every try.
    explicit DeSerializer(const std::string& path);
    // The records of a file already in memory (the fuzzers read this way).
    DeSerializer(const void* bytes, size_t count);

    int32_t GetLong();
    // Throws "DeSerializer::GetString: string longer than the file" for a
    // length that is negative or exceeds the bytes left.
    std::string GetString();

    // Thrown as it stands, so that callers can tell a held file (compare the
    // pointer) from a missing one.
    static const char FILE_HELD[];

private:
    bool Open(const std::string& nativePath);

    std::filebuf m_File;
    std::stringbuf m_Memory;
    std::streamoff m_Size = 0;
};
