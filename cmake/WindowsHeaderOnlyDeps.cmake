# nlohmann-json and CLI11 for the Windows cross-build. Debian installs these
# header-only libraries for the host only, under /usr/include, which also holds
# glibc's headers and must never be on the mingw include path. A staging
# folder in the build tree links just their two include folders instead.
find_path(NETLIST_NLOHMANN_JSON_INCLUDE nlohmann/json.hpp PATHS /usr/include
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(NETLIST_CLI11_INCLUDE CLI/CLI.hpp PATHS /usr/include
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)

set(NETLIST_STAGED_INCLUDE ${CMAKE_BINARY_DIR}/staged-include)
file(MAKE_DIRECTORY ${NETLIST_STAGED_INCLUDE})
foreach(folder IN ITEMS "${NETLIST_NLOHMANN_JSON_INCLUDE}/nlohmann" "${NETLIST_CLI11_INCLUDE}/CLI")
    get_filename_component(name ${folder} NAME)
    if(NOT IS_SYMLINK ${NETLIST_STAGED_INCLUDE}/${name})
        file(CREATE_LINK ${folder} ${NETLIST_STAGED_INCLUDE}/${name} SYMBOLIC)
    endif()
endforeach()

# Imported targets: their include folder is a system one, so the libraries'
# own warnings stay out of -Werror.
foreach(target IN ITEMS nlohmann_json::nlohmann_json CLI11::CLI11)
    add_library(${target} INTERFACE IMPORTED)
    set_target_properties(${target} PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES ${NETLIST_STAGED_INCLUDE})
endforeach()
