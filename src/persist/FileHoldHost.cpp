#include "persist/FileHold.h"

namespace {

// Nothing on the host locks a file against reading.
bool NeverHeld(const std::string&)
{
    return false;
}

} // namespace

HoldProbe IsHeldForReading = NeverHeld;
