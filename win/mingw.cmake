# Cross-building the Windows edition with Debian's mingw-w64. PENNANTRY_WINDOWS_CPU is i686 (the
# program we ship) or x86_64 (for running the tests where 32-bit programs cannot run). The POSIX
# thread model, as the default one has no std::mutex; everything linked statically, so that the
# program needs no DLL beyond the system's.
set(PENNANTRY_WINDOWS_CPU i686 CACHE STRING "i686 or x86_64")
set(triple ${PENNANTRY_WINDOWS_CPU}-w64-mingw32)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${PENNANTRY_WINDOWS_CPU})
set(CMAKE_C_COMPILER ${triple}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triple}-g++-posix)
set(CMAKE_RC_COMPILER ${triple}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
