// Position arithmetic shared by the file objects.
#pragma once

#include "support/Platform.h"

// The position a seek lands on: offset from the start (origin 0), from the
// current position (1) or back from the end (2), clamped to 0..size. False
// (with last error 87) when it had to be clamped, or for an unknown origin,
// which leaves *position alone.
bool SeekWithin(DWORD size, DWORD* position, LONG offset, int origin);

// Copies up to count bytes from bytes + *position, advancing *position.
// False (with last error 87) when fewer than count bytes were left.
bool ReadWithin(const BYTE* bytes, DWORD size, DWORD* position, void* buffer,
                DWORD count, DWORD* got);
