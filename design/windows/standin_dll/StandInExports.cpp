// The stand-in library behind the host DLL's C interface: the twelve
// operations as __stdcall functions taking pointers, serving the design file
// named by NETLIST_STANDIN_DESIGN (the built-in sample board when unset or
// empty). The exported names come from the .def file that CMake writes.
#include <windows.h>

#include <cstdio>
#include <exception>
#include <memory>
#include <string>

#include "design/StatusCodes.h"
#include "design/files/DesignFileLoader.h"
#include "design/files/SampleDesign.h"
#include "design/standin/StandInLibrary.h"

using namespace netlist;

namespace {

constexpr const wchar_t* kDesignVariable = L"NETLIST_STANDIN_DESIGN";

std::unique_ptr<StandInLibrary> loadLibrary() {
    // The size with the terminating NUL: 1 for a variable that is set but empty.
    DWORD length = GetEnvironmentVariableW(kDesignVariable, nullptr, 0);
    if (length <= 1) return std::make_unique<StandInLibrary>(SampleDesign());
    std::wstring path(length, L'\0');
    length = GetEnvironmentVariableW(kDesignVariable, path.data(), length);
    path.resize(length);
    try {
        return std::make_unique<StandInLibrary>(LoadDesignFile(path));
    } catch (const std::exception& error) {
        // The host would refuse the open; the reason goes where a developer
        // running the stand-in sees it.
        std::fprintf(stderr, "designdb32 stand-in: %s\n", error.what());
        return nullptr;
    }
}

// The design is read on the first call, not while Windows loads the DLL.
StandInLibrary* library() {
    static const std::unique_ptr<StandInLibrary> served = loadLibrary();
    return served.get();
}

// Runs one operation. Nothing may unwind through the C interface, and a null
// pointer from the caller is refused like an unknown session.
template <typename Operation>
std::int32_t serve(std::int32_t refusal, bool argumentsPresent, Operation operation) {
    if (!argumentsPresent) return refusal;
    try {
        StandInLibrary* served = library();
        return served ? operation(*served) : refusal;
    } catch (...) {
        return refusal;
    }
}

constexpr std::int32_t kClosed = status::kNoConnection;

}  // namespace

extern "C" {

std::int32_t __stdcall TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                                   SessionContext* context) {
    return serve(status::kConnectionError, kind && context, [&](StandInLibrary& lib) {
        return lib.TOpenDesign(reserved, version, kind, *context);
    });
}

std::int32_t __stdcall TCloseDesign(SessionContext* context, const char* reserved) {
    return serve(kClosed, context != nullptr,
                 [&](StandInLibrary& lib) { return lib.TCloseDesign(*context, reserved); });
}

std::int32_t __stdcall TGetDesignInfo(SessionContext* context, DesignInfoRecord* info) {
    return serve(kClosed, context && info,
                 [&](StandInLibrary& lib) { return lib.TGetDesignInfo(*context, *info); });
}

std::int32_t __stdcall TGetFirstNet(SessionContext* context, NetRecord* net) {
    return serve(kClosed, context && net,
                 [&](StandInLibrary& lib) { return lib.TGetFirstNet(*context, *net); });
}

std::int32_t __stdcall TGetNextNet(SessionContext* context, NetRecord* net) {
    return serve(kClosed, context && net,
                 [&](StandInLibrary& lib) { return lib.TGetNextNet(*context, *net); });
}

std::int32_t __stdcall TGetNetById(SessionContext* context, std::int32_t netId, NetRecord* net) {
    return serve(kClosed, context && net,
                 [&](StandInLibrary& lib) { return lib.TGetNetById(*context, netId, *net); });
}

std::int32_t __stdcall TGetFirstNetNode(SessionContext* context, std::int32_t netId,
                                        NetNodeRecord* node) {
    return serve(kClosed, context && node,
                 [&](StandInLibrary& lib) { return lib.TGetFirstNetNode(*context, netId, *node); });
}

std::int32_t __stdcall TGetNextNetNode(SessionContext* context, NetNodeRecord* node) {
    return serve(kClosed, context && node,
                 [&](StandInLibrary& lib) { return lib.TGetNextNetNode(*context, *node); });
}

std::int32_t __stdcall TGetFirstLayer(SessionContext* context, LayerRecord* layer) {
    return serve(kClosed, context && layer,
                 [&](StandInLibrary& lib) { return lib.TGetFirstLayer(*context, *layer); });
}

std::int32_t __stdcall TGetNextLayer(SessionContext* context, LayerRecord* layer) {
    return serve(kClosed, context && layer,
                 [&](StandInLibrary& lib) { return lib.TGetNextLayer(*context, *layer); });
}

std::int32_t __stdcall TGetFirstComponent(SessionContext* context, ComponentRecord* component) {
    return serve(kClosed, context && component,
                 [&](StandInLibrary& lib) { return lib.TGetFirstComponent(*context, *component); });
}

std::int32_t __stdcall TGetNextComponent(SessionContext* context, ComponentRecord* component) {
    return serve(kClosed, context && component,
                 [&](StandInLibrary& lib) { return lib.TGetNextComponent(*context, *component); });
}

}  // extern "C"
