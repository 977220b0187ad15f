#include "persist/FileReplace.h"

#include <cstdio>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool FlushOnHost(const std::string& path)
{
    const int fd = open(path.c_str(), O_WRONLY);
    if (fd < 0)
        return false;
    const bool flushed = fsync(fd) == 0;
    close(fd);
    return flushed;
}

bool MoveOnHost(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

ReplaceCalls SystemReplaceCalls = {FlushOnHost, MoveOnHost};

bool ReplaceWithTemporary(const std::string& temporary, const std::string& target)
{
    // The data must be on the disk before the name points at it.
    if (SystemReplaceCalls.flush(temporary) && SystemReplaceCalls.move(temporary, target))
        return true;
    std::remove(temporary.c_str());
    return false;
}
