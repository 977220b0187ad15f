#include "imaging/FilePosition.h"

#include <cstdint>
#include <cstring>

bool SeekWithin(DWORD size, DWORD* position, LONG offset, int origin)
{
    int64_t target;
    switch (origin) {
    case 0:
        target = offset;
        break;
    case 1:
        target = static_cast<int64_t>(*position) + offset;
        break;
    case 2:
        target = static_cast<int64_t>(size) - offset;
        break;
    default:
        return false;
    }
    const bool inside = target >= 0 && target <= static_cast<int64_t>(size);
    if (target < 0)
        target = 0;
    else if (target > static_cast<int64_t>(size))
        target = size;
    *position = static_cast<DWORD>(target);
    if (!inside)
        SetLastError(ERROR_INVALID_PARAMETER);
    return inside;
}

bool ReadWithin(const BYTE* bytes, DWORD size, DWORD* position, void* buffer, DWORD count,
                DWORD* got)
{
    if (size == 0) {
        if (got)
            *got = 0;
        return false;
    }
    const DWORD left = size - *position;
    const DWORD copied = count > left ? left : count;
    if (copied > 0)
        std::memcpy(buffer, bytes + *position, copied);
    *position += copied;
    if (got)
        *got = copied;
    if (copied < count) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    return true;
}
