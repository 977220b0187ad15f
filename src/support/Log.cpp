#include "support/Log.h"

#include <chrono>
#include <cstdio>

int g_LogEnabled = 0;

namespace {

const char LOG_FILE_NAME[] = "log.txt";

unsigned long SteadyMilliseconds()
{
    using namespace std::chrono;
    return static_cast<unsigned long>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

LogClockFn g_LogClock = SteadyMilliseconds;

} // namespace

void SetLogClock(LogClockFn clock)
{
    g_LogClock = clock ? clock : SteadyMilliseconds;
}

void FormatLogPrefix(char* buffer, size_t size, unsigned long milliseconds)
{
    // A signed division, as the time is kept in a 32-bit signed value.
    const int tenths = static_cast<int>(static_cast<unsigned int>(milliseconds)) / 100;
    // The zero flag is redundant beside the precision, but this is the format.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat"
    std::snprintf(buffer, size, "%0.5i:\t", tenths);
#pragma GCC diagnostic pop
}

void LogStartupStep(const char* step)
{
    if (!g_LogEnabled)
        return;
    static const unsigned long origin = g_LogClock();
    const unsigned long now = g_LogClock();
    LogMessage("Start-up %s: %lu ms (clock %lu)", step, now - origin, now);
}

int LogMessage(const char* format, ...)
{
    if (!g_LogEnabled)
        return 1;

    char prefix[32];
    FormatLogPrefix(prefix, sizeof prefix, g_LogClock());

    // Opened and closed per line, so the file is complete after every call;
    // binary, so a line ends in a single line feed.
    FILE* file = std::fopen(LOG_FILE_NAME, "a+b");
    if (!file)
        return 0;
    std::fputs(prefix, file);
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
    return 1;
}
