#include "persist/FileHold.h"

#include <chrono>
#include <thread>

#include "support/Log.h"

namespace {

const int ATTEMPTS = 10;
const int RETRY_STEP_MS = 25;

} // namespace

bool RetriedWhileHeld(const char* what, const std::string& file, const std::function<bool()>& step,
                      const std::function<bool()>& held)
{
    for (int attempt = 1;; ++attempt) {
        if (step())
            return true;
        if (!held())
            return false;
        if (attempt == ATTEMPTS) {
            LogMessage("RetriedWhileHeld: %s: still held after %i tries: %s", what, ATTEMPTS,
                       file.c_str());
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(RETRY_STEP_MS * attempt));
    }
}
