// How the binding finds and calls the DLL's exports: argument order and
// pointers as the probe DLL sees them, the fallback to decorated names, and
// the messages for a DLL or an export that is not there.
#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "design/windows/HostLibrary.h"
#include "tests/windows/Check.h"
#include "tests/windows/probe/ProbeCall.h"

namespace netlist::test {
namespace {

using probe::ProbeCall;
using probe::ProbeStatus;

const ProbeCall& lastProbeCall() {
    const HMODULE module = GetModuleHandleA("designdb_probe.dll");
    const FARPROC address = module ? GetProcAddress(module, "ProbeLastCall") : nullptr;
    if (!address) throw std::runtime_error("designdb_probe.dll is not loaded");
    using LastCall = const ProbeCall*(__stdcall*)();
    return *reinterpret_cast<LastCall>(reinterpret_cast<void (*)()>(address))();
}

// The message of the HostLibraryError that loading dllName throws; empty if
// it loads.
std::string loadFailure(const std::string& dllName) {
    try {
        HostLibrary library(dllName);
    } catch (const HostLibraryError& error) {
        return error.what();
    }
    return {};
}

// All twelve operations with the records a program would pass.
struct Records {
    SessionContext context{};
    DesignInfoRecord info{};
    NetRecord net{};
    NetNodeRecord node{};
    LayerRecord layer{};
    ComponentRecord component{};
};

struct OperationCall {
    const char* name;
    std::function<std::int32_t()> call;
    const void* record;  // the second pointer the DLL must receive, if any
    const char* text;    // the text it must receive, if any
    std::vector<std::int32_t> integers;
};

// clang-format off
std::vector<OperationCall> everyOperation(HostLibrary& l, Records& r) {
    SessionContext& c = r.context;
    return {
        {"TOpenDesign", [&] { return l.TOpenDesign(0, 16000, "PCB", c); }, nullptr, "PCB", {0, 16000}},
        {"TCloseDesign", [&] { return l.TCloseDesign(c, ""); }, nullptr, "", {}},
        {"TGetDesignInfo", [&] { return l.TGetDesignInfo(c, r.info); }, &r.info, nullptr, {}},
        {"TGetFirstNet", [&] { return l.TGetFirstNet(c, r.net); }, &r.net, nullptr, {}},
        {"TGetNextNet", [&] { return l.TGetNextNet(c, r.net); }, &r.net, nullptr, {}},
        {"TGetNetById", [&] { return l.TGetNetById(c, 4711, r.net); }, &r.net, nullptr, {4711}},
        {"TGetFirstNetNode", [&] { return l.TGetFirstNetNode(c, -9, r.node); }, &r.node, nullptr, {-9}},
        {"TGetNextNetNode", [&] { return l.TGetNextNetNode(c, r.node); }, &r.node, nullptr, {}},
        {"TGetFirstLayer", [&] { return l.TGetFirstLayer(c, r.layer); }, &r.layer, nullptr, {}},
        {"TGetNextLayer", [&] { return l.TGetNextLayer(c, r.layer); }, &r.layer, nullptr, {}},
        {"TGetFirstComponent", [&] { return l.TGetFirstComponent(c, r.component); }, &r.component, nullptr, {}},
        {"TGetNextComponent", [&] { return l.TGetNextComponent(c, r.component); }, &r.component, nullptr, {}},
    };
}
// clang-format on

TEST_CASE("every operation reaches its export with the arguments in the host's order") {
    HostLibrary library("designdb_probe.dll");
    Records records;
    const std::vector<OperationCall> operations = everyOperation(library, records);
    for (std::size_t i = 0; i < operations.size(); ++i) {
        const OperationCall& operation = operations[i];
        CHECK_EQ(operation.call(), ProbeStatus(static_cast<int>(i)));
        const ProbeCall& seen = lastProbeCall();
        CHECK_EQ(std::string(seen.operation), operation.name);
        // The session context is the program's own, never a copy, and comes
        // first everywhere except in TOpenDesign, where it comes last.
        CHECK_EQ(seen.pointers[0], static_cast<const void*>(&records.context));
        CHECK_EQ(seen.pointerCount, operation.record ? 2 : 1);
        if (operation.record) CHECK_EQ(seen.pointers[1], operation.record);
        CHECK_EQ(seen.textPresent, operation.text != nullptr);
        if (operation.text) CHECK_EQ(std::string(seen.text), operation.text);
        CHECK_EQ(seen.integerCount, static_cast<std::int32_t>(operation.integers.size()));
        for (std::size_t k = 0; k < operation.integers.size(); ++k)
            CHECK_EQ(seen.integers[k], operation.integers[k]);
    }
}

TEST_CASE("decorated export names are found when the plain ones are missing") {
    // This DLL exports _Name@N and Name@N by turns and no plain name.
    HostLibrary library("designdb_decorated.dll");
    Records records;
    const std::vector<OperationCall> operations = everyOperation(library, records);
    for (std::size_t i = 0; i < operations.size(); ++i)
        CHECK_EQ(operations[i].call(), ProbeStatus(static_cast<int>(i)));
}

TEST_CASE("a missing DLL or export is named, with the Windows error and the names looked for") {
    const std::pair<const char*, std::vector<const char*>> rows[] = {
        {"netlist-no-such-library.dll", {"netlist-no-such-library.dll", "(error 126)"}},
        {"designdb_partial.dll",
         {"designdb_partial.dll has no export TGetNextComponent", "_TGetNextComponent@8",
          "(error 127)"}},
    };
    for (const auto& [dll, parts] : rows)
        for (const char* part : parts) CHECK(loadFailure(dll).find(part) != std::string::npos);
}

TEST_CASE("the DLL beside the program is the one loaded") {
    char programPath[MAX_PATH];
    REQUIRE(GetModuleFileNameA(nullptr, programPath, MAX_PATH) > 0);
    std::string programFolder(programPath);
    programFolder.erase(programFolder.find_last_of("\\/") + 1);
    HostLibrary beside("designdb_probe.dll");
    CHECK_EQ(beside.modulePath(), programFolder + "designdb_probe.dll");
}

}  // namespace
}  // namespace netlist::test
