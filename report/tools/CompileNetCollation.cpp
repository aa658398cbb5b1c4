// Build tool: compiles the net-order tailoring on top of the root collation
// and writes the compiled form as a C++ byte array. Compiling the rules at
// start-up costs more than ordering ten thousand nets; loading the compiled
// form costs next to nothing.
//   CompileNetCollation OUTPUT.inc
#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/tblcoll.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "report/NetCollationRules.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT.inc\n", argv[0]);
        return 2;
    }
    UErrorCode error = U_ZERO_ERROR;
    icu::RuleBasedCollator collator(icu::UnicodeString(netlist::kNetTailoring), error);
    if (U_FAILURE(error)) {
        std::fprintf(stderr, "the tailoring does not compile: %s\n", u_errorName(error));
        return 1;
    }
    const int32_t size = collator.cloneBinary(nullptr, 0, error);
    if (error != U_BUFFER_OVERFLOW_ERROR) {
        std::fprintf(stderr, "no compiled form: %s\n", u_errorName(error));
        return 1;
    }
    error = U_ZERO_ERROR;
    std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
    collator.cloneBinary(bytes.data(), size, error);
    if (U_FAILURE(error)) {
        std::fprintf(stderr, "no compiled form: %s\n", u_errorName(error));
        return 1;
    }
    std::ofstream out(argv[1]);
    // The compiled form is read in place by 32-bit words.
    out << "alignas(16) static const unsigned char kCompiledNetTailoring[] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i)
        out << (i % 16 == 0 ? "\n    " : " ") << static_cast<unsigned>(bytes[i]) << ',';
    out << "\n};\n";
    out.close();
    return out ? 0 : 1;
}
