# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads);
# the "mingw" preset of CMakePresets.json uses it. Builds the plain libraries
# (the Win32 task layer among them), tracciati-batch and their test programs,
# statically linked so that they run without the compiler's DLLs; ctest runs
# the test programs under wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TRACCIATI_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TRACCIATI_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TRACCIATI_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TRACCIATI_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TRACCIATI_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Debian puts the 64-bit loader outside PATH.
find_program(TRACCIATI_WINE NAMES wine wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(TRACCIATI_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TRACCIATI_WINE})
endif()
