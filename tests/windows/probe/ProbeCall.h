// What the probe DLL saw of the latest call made to it: which operation, the
// integers, the text and the pointers, in the order they came in. Shared by
// the probe DLL and the tests, which are built by the same compiler.
#pragma once

#include <cstdint>

namespace netlist::probe {

struct ProbeCall {
    char operation[32];
    std::int32_t integers[2];
    std::int32_t integerCount;
    char text[32];
    bool textPresent;
    const void* pointers[2];
    std::int32_t pointerCount;
};

// The status each operation answers: distinct per operation and negative, so
// that a mixed-up export or a lost sign shows.
inline constexpr std::int32_t ProbeStatus(int operationIndex) {
    return -1000 - operationIndex;
}

}  // namespace netlist::probe
