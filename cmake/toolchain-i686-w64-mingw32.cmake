# 32-bit Windows cross-build: the shipping build, since the host's design
# library is a 32-bit DLL.
#   cmake -S . -B build-win32 -G Ninja \
#       -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake
set(NETLIST_MINGW_TRIPLE i686-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR x86)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
