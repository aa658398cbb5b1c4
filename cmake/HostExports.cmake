# Export tables (.def files) for DLLs that offer the host's twelve __stdcall
# operations. Each operation's decorated names carry its argument bytes, four
# per argument as on the 32-bit stack.
set(NETLIST_HOST_OPERATIONS
    TOpenDesign:4 TCloseDesign:2 TGetDesignInfo:2
    TGetFirstNet:2 TGetNextNet:2 TGetNetById:3
    TGetFirstNetNode:3 TGetNextNetNode:2
    TGetFirstLayer:2 TGetNextLayer:2
    TGetFirstComponent:2 TGetNextComponent:2)

# netlist_write_host_def(OUTPUT LIBRARY [DECORATED_ONLY] [OMIT operation]
#                        [EXTRA name:argumentCount...])
#   By default every operation is exported as Name, _Name@N and Name@N.
#   DECORATED_ONLY exports only one decorated name per operation, _Name@N and
#   Name@N by turns; OMIT leaves one operation out. Both serve to test how a
#   binding copes with other export tables. EXTRA adds __stdcall functions of
#   the DLL's own.
function(netlist_write_host_def output library)
    cmake_parse_arguments(arg "DECORATED_ONLY" "OMIT" "EXTRA" ${ARGN})
    set(lines "LIBRARY ${library}\nEXPORTS\n")
    set(index 0)
    foreach(entry IN LISTS NETLIST_HOST_OPERATIONS arg_EXTRA)
        string(REPLACE ":" ";" parts ${entry})
        list(GET parts 0 name)
        list(GET parts 1 count)
        math(EXPR bytes "${count} * 4")
        # The symbol the compiler gave the function: 32-bit __stdcall
        # functions carry their argument bytes, 64-bit ones have none.
        if(CMAKE_SIZEOF_VOID_P EQUAL 4)
            set(symbol "${name}@${bytes}")
        else()
            set(symbol "${name}")
        endif()
        if(name STREQUAL arg_OMIT)
        elseif(arg_DECORATED_ONLY)
            math(EXPR turn "${index} % 2")
            if(turn EQUAL 0)
                string(APPEND lines "    \"_${name}@${bytes}\" = ${symbol}\n")
            else()
                string(APPEND lines "    \"${name}@${bytes}\" = ${symbol}\n")
            endif()
        else()
            string(APPEND lines "    ${name} = ${symbol}\n")
            string(APPEND lines "    \"_${name}@${bytes}\" = ${symbol}\n")
            string(APPEND lines "    \"${name}@${bytes}\" = ${symbol}\n")
        endif()
        math(EXPR index "${index} + 1")
    endforeach()
    file(CONFIGURE OUTPUT ${output} CONTENT "${lines}")
endfunction()
