# The program that ships: 32-bit (PE32), run by Wine's 32-bit loader.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MOSSLEAF_BUILD win32)
set(MOSSLEAF_WINE /usr/lib/wine/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
