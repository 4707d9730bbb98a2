# Cross build for 64-bit Windows with Debian's mingw-w64 (posix threads):
#   cmake -S . -B build-mingw -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake \
#         -DTRACCIATI_WITH_QT=OFF -DTRACCIATI_TESTS=OFF -DTRACCIATI_BENCH=OFF
# Builds the plain libraries (the Win32 task layer among them) and
# tracciati-batch, statically linked so that it runs without the compiler's
# DLLs.
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
