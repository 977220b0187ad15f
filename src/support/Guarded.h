// Where the system calls into the program (window, dialog and timer
// procedures, a thread's start), no C++ exception may leave: the system
// cannot unwind it, and 64-bit Windows may swallow it or end the program.
#pragma once

#include "support/Log.h"

// Returns what body returns; when body throws, traces where and what, and
// returns fallback.
template <typename Result, typename Body>
Result CallGuarded(const char* where, Result fallback, Body&& body) noexcept
{
    try {
        return body();
    } catch (const char* text) {
        LogMessage("%s: catch: %s", where, text);
    } catch (...) {
        LogMessage("%s: catch(...)", where);
    }
    return fallback;
}
