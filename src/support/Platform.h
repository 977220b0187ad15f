// The Win32 value types: from <windows.h> in the Windows build, from our own
// stand-in on the host, so the neutral code compiles in both.
#pragma once

#ifdef _WIN32
#include <windows.h>
#else
#include "support/WinTypes.h"
#endif
