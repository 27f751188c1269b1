# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix thread model, which
# std::thread and GoogleTest need). The executables run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)

set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The compiler's run-time linked in: the executables need no DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Debian keeps wine64 out of PATH.
find_program(GLOW_WINE64 NAMES wine64 PATHS /usr/lib/wine NO_CMAKE_FIND_ROOT_PATH)
if(GLOW_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${GLOW_WINE64})
endif()
