# Shared part of the mingw-w64 cross toolchains; the including file sets
# NETLIST_MINGW_TRIPLE and CMAKE_SYSTEM_PROCESSOR first.
set(CMAKE_SYSTEM_NAME Windows)

# The posix thread model gives the full C++ thread library; its runtime is
# linked in statically below, like libgcc and libstdc++.
find_program(NETLIST_MINGW_CC NAMES ${NETLIST_MINGW_TRIPLE}-gcc-posix ${NETLIST_MINGW_TRIPLE}-gcc
             REQUIRED)
find_program(NETLIST_MINGW_CXX NAMES ${NETLIST_MINGW_TRIPLE}-g++-posix ${NETLIST_MINGW_TRIPLE}-g++
             REQUIRED)
set(CMAKE_C_COMPILER ${NETLIST_MINGW_CC})
set(CMAKE_CXX_COMPILER ${NETLIST_MINGW_CXX})
set(CMAKE_RC_COMPILER ${NETLIST_MINGW_TRIPLE}-windres)

# Libraries, headers and CMake packages come from the mingw sysroot only, so
# the host's ICU, Qt and GoogleTest are never picked up by mistake. A Qt 6
# built for Windows is found by adding its prefix to CMAKE_FIND_ROOT_PATH.
list(APPEND CMAKE_FIND_ROOT_PATH /usr/${NETLIST_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Self-contained executables and DLLs: nothing but the system's own DLLs is
# needed at run time (on Windows and under wine alike).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
