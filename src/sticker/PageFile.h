// The header every page file begins with; a page with no stickers is the
// header alone. The ledger carries the same text and number after its own.
#pragma once

#include <cstdint>

#include "persist/Serializer.h"

const char VERSION_TEXT[] = "MORVEN04";
const int32_t VER_NUMBER = 1024;

inline void PutPageHeader(Serializer& out)
{
    out.PutString(VERSION_TEXT);
    out.PutLong(VER_NUMBER);
}
