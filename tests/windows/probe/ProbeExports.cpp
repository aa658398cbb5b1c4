// A DLL with the host's twelve operations that does nothing but note how it
// was called, so that the tests can see every argument as the binding passes
// it. ProbeLastCall hands out the note.
#include <cstring>

#include "tests/windows/probe/ProbeCall.h"

using netlist::probe::ProbeCall;
using netlist::probe::ProbeStatus;

namespace {

ProbeCall lastCall;

struct Note {
    explicit Note(const char* operation) {
        lastCall = ProbeCall{};
        std::strncpy(lastCall.operation, operation, sizeof lastCall.operation - 1);
    }
    Note& integer(std::int32_t value) {
        lastCall.integers[lastCall.integerCount++] = value;
        return *this;
    }
    Note& text(const char* value) {
        lastCall.textPresent = value != nullptr;
        if (value) std::strncpy(lastCall.text, value, sizeof lastCall.text - 1);
        return *this;
    }
    Note& pointer(const void* value) {
        lastCall.pointers[lastCall.pointerCount++] = value;
        return *this;
    }
};

}  // namespace

extern "C" {

const ProbeCall* __stdcall ProbeLastCall() {
    return &lastCall;
}

std::int32_t __stdcall TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                                   void* context) {
    Note("TOpenDesign").integer(reserved).integer(version).text(kind).pointer(context);
    return ProbeStatus(0);
}

std::int32_t __stdcall TCloseDesign(void* context, const char* reserved) {
    Note("TCloseDesign").pointer(context).text(reserved);
    return ProbeStatus(1);
}

// The operations that take the session context and one record.
#define PROBE_RECORD_CALL(name, index)                         \
    std::int32_t __stdcall name(void* context, void* record) { \
        Note(#name).pointer(context).pointer(record);          \
        return ProbeStatus(index);                             \
    }
PROBE_RECORD_CALL(TGetDesignInfo, 2)
PROBE_RECORD_CALL(TGetFirstNet, 3)
PROBE_RECORD_CALL(TGetNextNet, 4)
PROBE_RECORD_CALL(TGetNextNetNode, 7)
PROBE_RECORD_CALL(TGetFirstLayer, 8)
PROBE_RECORD_CALL(TGetNextLayer, 9)
PROBE_RECORD_CALL(TGetFirstComponent, 10)
PROBE_RECORD_CALL(TGetNextComponent, 11)

std::int32_t __stdcall TGetNetById(void* context, std::int32_t netId, void* net) {
    Note("TGetNetById").pointer(context).integer(netId).pointer(net);
    return ProbeStatus(5);
}

std::int32_t __stdcall TGetFirstNetNode(void* context, std::int32_t netId, void* node) {
    Note("TGetFirstNetNode").pointer(context).integer(netId).pointer(node);
    return ProbeStatus(6);
}

}  // extern "C"
