# What the Windows build does differently: no ICU (each source that uses it
# has a Win32 twin), header-only libraries from a staging folder, and the
# Win32 API at the Windows 7 level.
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/WindowsHeaderOnlyDeps.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/Win32Sources.cmake)

add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601 WIN32_LEAN_AND_MEAN NOMINMAX)
if(NETLIST_SANITIZE)
    message(FATAL_ERROR "The sanitizers are not available in the Windows build")
endif()
