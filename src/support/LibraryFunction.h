// A function of a library loaded when first needed, with its own type.
#pragma once

#include <windows.h>

// Null when the library has no function of that name.
template <typename Function>
Function LibraryFunction(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}
