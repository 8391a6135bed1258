# Cross build for 64-bit Windows with Debian's MinGW-w64 (POSIX threads variant).
# The programs link libgcc, libstdc++ and winpthread statically, so they run without extra DLLs
# (under Wine in CI).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# ctest runs the test programs through Wine when it is there.
find_program(KK_WINE NAMES wine64 wine)
if(KK_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KK_WINE})
endif()
