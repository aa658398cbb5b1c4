# The layers of the program, each on those below it:
#   platform <- design <- report <- ui <- app
# A layer's targets get an include root in the build tree that holds a link
# to the layer's own folder only; the roots of the layers below come with the
# targets they link. So a source that includes a header of a layer above its
# own, e.g. a report/ source including "ui/...", fails to build.
function(netlist_layer target layer)
    set(root ${PROJECT_BINARY_DIR}/layers/${layer})
    if(NOT IS_SYMLINK ${root}/${layer})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${layer} ${root}/${layer} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "STATIC_LIBRARY" OR type STREQUAL "OBJECT_LIBRARY")
        target_include_directories(${target} PUBLIC ${root})
    else()
        target_include_directories(${target} PRIVATE ${root})
    endif()
endfunction()
