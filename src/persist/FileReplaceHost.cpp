#include "persist/FileReplace.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool ReplaceOnHost(const std::string& temporary, const std::string& target)
{
    // The data must be on the disk before the name points at it.
    const int fd = open(temporary.c_str(), O_WRONLY);
    const bool durable = fd >= 0 && fsync(fd) == 0;
    if (fd >= 0)
        close(fd);
    if (durable && std::rename(temporary.c_str(), target.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

} // namespace

FileReplacer ReplaceWithTemporary = ReplaceOnHost;
