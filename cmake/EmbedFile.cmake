# Turns a file into a C++ source that holds its bytes, so that the program
# carries the file without reading it at run time.
#   cmake -DINPUT=file -DOUTPUT=source.cpp -DNAME=kSymbol -P EmbedFile.cmake
# The source defines netlist::embedded::NAME (the bytes) and NAME##Size.
file(READ "${INPUT}" bytes HEX)
string(LENGTH "${bytes}" hex_length)
math(EXPR size "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
string(REPEAT "[^,]*," 16 sixteen)
string(REGEX REPLACE "(${sixteen})" "\\1\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.new"
"// Generated at build time from ${INPUT}; edit that file instead.
#include <cstddef>

namespace netlist::embedded {

extern const char ${NAME}[] = {
    ${bytes}};
extern const std::size_t ${NAME}Size = ${size};

}  // namespace netlist::embedded
")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")
