// Reads back the long and string records of a file written by Serializer.
// Every failure throws a pointer to its message text (const char*).
//
// A read that runs into the end of the file is not reported by that call;
// the next GetLong or GetString throws "DeSerializer::GetLong: end of file".
// Readers that loop until the end of the file rely on that.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>

class DeSerializer : public std::ifstream {
public:
    // Throws "DeSerializer::DeSerializer: unable to open: <path>" when the
    // file cannot be opened for reading.
    explicit DeSerializer(const std::string& path);

    int32_t GetLong();
    // Throws "DeSerializer::GetString: string longer than the file" for a
    // length that is negative or exceeds the bytes left.
    std::string GetString();

private:
    std::streamoff m_Size = 0;
};
