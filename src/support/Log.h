// The trace log: printf-style lines appended to "log.txt" in the current
// directory, each prefixed with the system time in tenths of a second.
#pragma once

#include <cstdarg>
#include <cstddef>

// Off in the product; only the trace build of the program and the tests turn it on.
extern int g_LogEnabled;

// Milliseconds since the system started (timeGetTime on Windows).
typedef unsigned long (*LogClockFn)();
void SetLogClock(LogClockFn clock);

// Returns 1 when the flag is off or the line was written, 0 when the file
// cannot be opened.
int LogMessage(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;

// Trace build: "Start-up <step>: <n> ms (clock <c>)", n counted from the
// first call and c the log clock, so the steps of start-up can be timed to
// the millisecond, also against what happens outside the program.
void LogStartupStep(const char* step);

// The "%0.5i:\t" prefix for a clock reading, as written before every line.
void FormatLogPrefix(char* buffer, size_t size, unsigned long milliseconds);
