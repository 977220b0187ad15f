# The 64-bit twin (PE32+), run by wine64: machines whose Linux runs no 32-bit
# code can run and test the Windows code through it. It is not shipped.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MOSSLEAF_BUILD win64)
set(MOSSLEAF_WINE /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw.cmake)
