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

std::int32_t __stdcall TGetDesignInfo(void* context, void* info) {
    Note("TGetDesignInfo").pointer(context).pointer(info);
    return ProbeStatus(2);
}

std::int32_t __stdcall TGetFirstNet(void* context, void* net) {
    Note("TGetFirstNet").pointer(context).pointer(net);
    return ProbeStatus(3);
}

std::int32_t __stdcall TGetNextNet(void* context, void* net) {
    Note("TGetNextNet").pointer(context).pointer(net);
    return ProbeStatus(4);
}

std::int32_t __stdcall TGetNetById(void* context, std::int32_t netId, void* net) {
    Note("TGetNetById").pointer(context).integer(netId).pointer(net);
    return ProbeStatus(5);
}

std::int32_t __stdcall TGetFirstNetNode(void* context, std::int32_t netId, void* node) {
    Note("TGetFirstNetNode").pointer(context).integer(netId).pointer(node);
    return ProbeStatus(6);
}

std::int32_t __stdcall TGetNextNetNode(void* context, void* node) {
    Note("TGetNextNetNode").pointer(context).pointer(node);
    return ProbeStatus(7);
}

std::int32_t __stdcall TGetFirstLayer(void* context, void* layer) {
    Note("TGetFirstLayer").pointer(context).pointer(layer);
    return ProbeStatus(8);
}

std::int32_t __stdcall TGetNextLayer(void* context, void* layer) {
    Note("TGetNextLayer").pointer(context).pointer(layer);
    return ProbeStatus(9);
}

std::int32_t __stdcall TGetFirstComponent(void* context, void* component) {
    Note("TGetFirstComponent").pointer(context).pointer(component);
    return ProbeStatus(10);
}

std::int32_t __stdcall TGetNextComponent(void* context, void* component) {
    Note("TGetNextComponent").pointer(context).pointer(component);
    return ProbeStatus(11);
}

}  // extern "C"
