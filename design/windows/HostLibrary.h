// The binding to the host application's design-database DLL. The DLL is
// loaded at run time and its twelve operations are called through the
// __stdcall convention with the records passed by pointer, exactly as the
// host lays them out (design/Records.h). Windows only.
#pragma once

#include <memory>
#include <string>

#include "design/DesignLibrary.h"
#include "design/HostLibraryError.h"

namespace netlist {

inline constexpr const char* kHostLibraryDll = "designdb32.dll";

class HostLibrary final : public DesignLibrary {
  public:
    // Loads dllName the Windows way (beside the executable first, then the
    // system folders and PATH; never the current folder) and resolves every
    // operation up front, so that a missing one is reported before any call.
    // Throws HostLibraryError.
    explicit HostLibrary(const std::string& dllName = kHostLibraryDll);
    ~HostLibrary() override;
    HostLibrary(const HostLibrary&) = delete;
    HostLibrary& operator=(const HostLibrary&) = delete;

    // Where the DLL was found.
    const std::string& modulePath() const { return modulePath_; }

    std::int32_t TOpenDesign(std::int32_t reserved, std::int32_t version, const char* kind,
                             SessionContext& context) override;
    std::int32_t TCloseDesign(SessionContext& context, const char* reserved) override;
    std::int32_t TGetDesignInfo(SessionContext& context, DesignInfoRecord& info) override;
    std::int32_t TGetFirstNet(SessionContext& context, NetRecord& net) override;
    std::int32_t TGetNextNet(SessionContext& context, NetRecord& net) override;
    std::int32_t TGetNetById(SessionContext& context, std::int32_t netId, NetRecord& net) override;
    std::int32_t TGetFirstNetNode(SessionContext& context, std::int32_t netId,
                                  NetNodeRecord& node) override;
    std::int32_t TGetNextNetNode(SessionContext& context, NetNodeRecord& node) override;
    std::int32_t TGetFirstLayer(SessionContext& context, LayerRecord& layer) override;
    std::int32_t TGetNextLayer(SessionContext& context, LayerRecord& layer) override;
    std::int32_t TGetFirstComponent(SessionContext& context, ComponentRecord& component) override;
    std::int32_t TGetNextComponent(SessionContext& context, ComponentRecord& component) override;

  private:
    struct Exports;

    void* module_ = nullptr;  // HMODULE, kept opaque so <windows.h> stays out of here
    std::string modulePath_;
    std::unique_ptr<Exports> exports_;
};

}  // namespace netlist
