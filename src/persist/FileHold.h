// A virus scanner, a backup or a sync tool may hold one of the book's files
// for a moment; what failed on the file then succeeds a little later.
#pragma once

#include <functional>
#include <string>

#include "support/Platform.h"

// Runs step until it succeeds, trying again while held() says the failure
// came from such a hold: at most ten tries, each wait 25 ms longer than the
// one before. held() is asked at once after every failure. False when step
// never succeeded; giving up on a held file is traced with what and the name.
bool RetriedWhileHeld(const char* what, const std::string& file, const std::function<bool()>& step,
                      const std::function<bool()>& held);

// After an open for reading failed: whether the file at the (native) path is
// there but another program keeps it from us for now. The platform's answer;
// a test may put its own in front to fake a held file.
typedef bool (*HoldProbe)(const std::string& path);
extern HoldProbe IsHeldForReading;

#ifdef _WIN32
// Whether a call on the file at path that failed with error may succeed once
// another program lets go of the file.
bool IsPassingHold(DWORD error, const std::string& path);
#endif
