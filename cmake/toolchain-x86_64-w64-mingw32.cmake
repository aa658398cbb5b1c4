# 64-bit Windows cross-build, for testing under a 64-bit-only wine.
#   cmake -S . -B build-win64 -G Ninja \
#       -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-x86_64-w64-mingw32.cmake
set(NETLIST_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-common.cmake)
