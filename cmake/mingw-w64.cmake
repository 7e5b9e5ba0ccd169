# Cross-compiles for 64-bit Windows with Debian's MinGW-w64.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VESKARO_MINGW x86_64-w64-mingw32)
# The posix-threads compiler: std::thread and friends need it, and it is the
# one the Debian packages keep up to date.
set(CMAKE_C_COMPILER ${VESKARO_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VESKARO_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${VESKARO_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VESKARO_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Fully static: with only -static-libgcc -static-libstdc++ the programs still
# need libwinpthread-1.dll and die at start without a word.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# ctest runs the Windows test programs under Wine.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tests/win32/wine-run.sh)
