// The missing-file check of start-up: probes the picture files in their
// groups and stops at the first one that cannot be opened for reading.
#pragma once

#include <string>

class CCheckFile {
public:
    // Runs the whole check over the folder.
    explicit CCheckFile(const std::string& programFolder);
    virtual ~CCheckFile() = default;

    // 1 when a file is missing, else 0.
    int CheckMissingFiles() const { return m_Missing; }
    // The full path of the first missing file; empty when none.
    const std::string& GetMissingPath() const { return m_MissingPath; }

private:
    int m_Missing = 0;
    std::string m_MissingPath;
};
