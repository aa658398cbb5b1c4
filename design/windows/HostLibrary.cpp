#include "design/windows/HostLibrary.h"

#include <windows.h>

#include <string_view>
#include <vector>

#include "platform/windows/WindowsError.h"

namespace netlist {

// The host's operations as it exports them: __stdcall, 32-bit integers by
// value, the session context and records by pointer, texts as NUL-terminated
// Windows-1252 strings.
struct HostLibrary::Exports {
    using Context = SessionContext*;
    std::int32_t(__stdcall* TOpenDesign)(std::int32_t, std::int32_t, char*, Context);
    std::int32_t(__stdcall* TCloseDesign)(Context, char*);
    std::int32_t(__stdcall* TGetDesignInfo)(Context, DesignInfoRecord*);
    std::int32_t(__stdcall* TGetFirstNet)(Context, NetRecord*);
    std::int32_t(__stdcall* TGetNextNet)(Context, NetRecord*);
    std::int32_t(__stdcall* TGetNetById)(Context, std::int32_t, NetRecord*);
    std::int32_t(__stdcall* TGetFirstNetNode)(Context, std::int32_t, NetNodeRecord*);
    std::int32_t(__stdcall* TGetNextNetNode)(Context, NetNodeRecord*);
    std::int32_t(__stdcall* TGetFirstLayer)(Context, LayerRecord*);
    std::int32_t(__stdcall* TGetNextLayer)(Context, LayerRecord*);
    std::int32_t(__stdcall* TGetFirstComponent)(Context, ComponentRecord*);
    std::int32_t(__stdcall* TGetNextComponent)(Context, ComponentRecord*);
};

namespace {

std::string modulePathOf(HMODULE module, const std::string& fallback) {
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(module, path, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(path, length) : fallback;
}

// A __stdcall function is exported under its plain name when the DLL was
// linked with a .def file, as "_Name@N" by Microsoft's tools otherwise, and
// as "Name@N" by the GNU tools; N is the size of its arguments on the 32-bit
// stack, four bytes each, which is also what a 64-bit build looks for.
std::vector<std::string> exportNames(std::string_view name, int argumentCount) {
    std::string gnu(name);
    gnu.append("@").append(std::to_string(argumentCount * 4));
    std::string microsoft("_");
    microsoft.append(gnu);
    return {std::string(name), std::move(microsoft), std::move(gnu)};
}

// Converts through a plain function pointer type, which -Wcast-function-type
// accepts as the go-between for the real signature.
template <typename Function>
void resolve(HMODULE module, const std::string& modulePath, std::string_view name,
             int argumentCount, Function& function) {
    const std::vector<std::string> names = exportNames(name, argumentCount);
    for (const std::string& candidate : names) {
        if (const FARPROC address = GetProcAddress(module, candidate.c_str())) {
            function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
            return;
        }
    }
    const std::string error = WindowsErrorText(GetLastError());
    throw HostLibraryError(modulePath + " has no export " + std::string(name) + " (looked for " +
                           names[0] + ", " + names[1] + " and " + names[2] + "): " + error);
}

// The library receives its own copy of a text: an old library may write into
// the buffer it is handed, which must not be the caller's string.
std::string textArgument(const char* text) {
    return text ? std::string(text) : std::string();
}

}  // namespace

HostLibrary::HostLibrary(const std::string& dllName) : exports_(std::make_unique<Exports>()) {
    // Takes the current folder out of the DLL search, so that a design's folder
    // can never supply a library of its own.
    SetDllDirectoryA("");
    const HMODULE module = LoadLibraryA(dllName.c_str());
    if (!module)
        throw HostLibraryError("cannot load the design-database library " + dllName + ": " +
                               WindowsErrorText(GetLastError()));
    module_ = module;
    modulePath_ = modulePathOf(module, dllName);
    try {
        resolve(module, modulePath_, "TOpenDesign", 4, exports_->TOpenDesign);
        resolve(module, modulePath_, "TCloseDesign", 2, exports_->TCloseDesign);
        resolve(module, modulePath_, "TGetDesignInfo", 2, exports_->TGetDesignInfo);
        resolve(module, modulePath_, "TGetFirstNet", 2, exports_->TGetFirstNet);
        resolve(module, modulePath_, "TGetNextNet", 2, exports_->TGetNextNet);
        resolve(module, modulePath_, "TGetNetById", 3, exports_->TGetNetById);
        resolve(module, modulePath_, "TGetFirstNetNode", 3, exports_->TGetFirstNetNode);
        resolve(module, modulePath_, "TGetNextNetNode", 2, exports_->TGetNextNetNode);
        resolve(module, modulePath_, "TGetFirstLayer", 2, exports_->TGetFirstLayer);
        resolve(module, modulePath_, "TGetNextLayer", 2, exports_->TGetNextLayer);
        resolve(module, modulePath_, "TGetFirstComponent", 2, exports_->TGetFirstComponent);
        resolve(module, modulePath_, "TGetNextComponent", 2, exports_->TGetNextComponent);
    } catch (...) {
        FreeLibrary(module);
        throw;
    }
}

HostLibrary::~HostLibrary() {
    FreeLibrary(static_cast<HMODULE>(module_));
}

std::int32_t HostLibrary::TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                                      SessionContext& context) {
    std::string text = textArgument(kind);
    return exports_->TOpenDesign(reserved, version, text.data(), &context);
}

std::int32_t HostLibrary::TCloseDesign(SessionContext& context, const char* reserved) {
    std::string text = textArgument(reserved);
    return exports_->TCloseDesign(&context, text.data());
}

std::int32_t HostLibrary::TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) {
    return exports_->TGetDesignInfo(&context, &info);
}

std::int32_t HostLibrary::TGetFirstNet(SessionContext& context, NetRecord& net) {
    return exports_->TGetFirstNet(&context, &net);
}

std::int32_t HostLibrary::TGetNextNet(SessionContext& context, NetRecord& net) {
    return exports_->TGetNextNet(&context, &net);
}

std::int32_t HostLibrary::TGetNetById(SessionContext& context, std::int32_t netId, NetRecord& net) {
    return exports_->TGetNetById(&context, netId, &net);
}

std::int32_t HostLibrary::TGetFirstNetNode(SessionContext& context, std::int32_t netId,
                                           NetNodeRecord& node) {
    return exports_->TGetFirstNetNode(&context, netId, &node);
}

std::int32_t HostLibrary::TGetNextNetNode(SessionContext& context, NetNodeRecord& node) {
    return exports_->TGetNextNetNode(&context, &node);
}

std::int32_t HostLibrary::TGetFirstLayer(SessionContext& context, LayerRecord& layer) {
    return exports_->TGetFirstLayer(&context, &layer);
}

std::int32_t HostLibrary::TGetNextLayer(SessionContext& context, LayerRecord& layer) {
    return exports_->TGetNextLayer(&context, &layer);
}

std::int32_t HostLibrary::TGetFirstComponent(SessionContext& context, ComponentRecord& component) {
    return exports_->TGetFirstComponent(&context, &component);
}

std::int32_t HostLibrary::TGetNextComponent(SessionContext& context, ComponentRecord& component) {
    return exports_->TGetNextComponent(&context, &component);
}

}  // namespace netlist
