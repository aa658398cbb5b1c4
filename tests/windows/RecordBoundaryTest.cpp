// Every record the program reads, filled by the stand-in DLL from
// designs/boundary.json and read back through the binding, with nothing
// written outside the record. (design/Records.h pins the offsets at compile
// time; this is what crosses the DLL boundary at run time.)
#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>

#include "design/FixedText.h"
#include "design/StatusCodes.h"
#include "design/windows/HostLibrary.h"
#include "tests/windows/Check.h"

namespace netlist::test {
namespace {

constexpr unsigned char kUntouched = 0xA5;

// A record with guard bytes on both sides, everything set to kUntouched.
template <typename Record>
struct Guarded {
    unsigned char before[64];
    Record record;
    unsigned char after[64];

    Guarded() { std::memset(static_cast<void*>(this), kUntouched, sizeof *this); }
    bool guardsIntact() const {
        for (std::size_t i = 0; i < sizeof before; ++i)
            if (before[i] != kUntouched || after[i] != kUntouched) return false;
        return true;
    }
    // The bytes of a member the program does not read: the caller's, untouched.
    template <typename Member>
    bool untouched(const Member& member) const {
        const auto* bytes = reinterpret_cast<const unsigned char*>(&member);
        for (std::size_t i = 0; i < sizeof member; ++i)
            if (bytes[i] != kUntouched) return false;
        return true;
    }
};

// The same "prefix0123456789..." pattern that the design file holds.
std::string pattern(std::string prefix, std::size_t length) {
    for (std::size_t i = 0; prefix.size() < length; ++i) prefix += static_cast<char>('0' + i % 10);
    return prefix;
}

// The stand-in DLL serving a design of the test data; it reads the design on
// the first call after it was loaded.
struct StandIn {
    explicit StandIn(const std::string& designFile, const char* kind = "PCB") {
        SetEnvironmentVariableA("NETLIST_STANDIN_DESIGN",
                                (test::DataFolder() + "/" + designFile).c_str());
        opened = library.TOpenDesign(0, kInterfaceVersion, kind, context);
    }
    ~StandIn() { SetEnvironmentVariableA("NETLIST_STANDIN_DESIGN", nullptr); }

    HostLibrary library;
    SessionContext context{};
    std::int32_t opened;
};

constexpr std::int32_t kNetA = 0x12345678;
constexpr std::int32_t kNetB = 2000000001;

TEST_CASE("the session context and design information, Windows-1252 texts filling their field") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.opened == 0);
    Guarded<DesignInfoRecord> info;
    REQUIRE(standIn.library.TGetDesignInfo(standIn.context, info.record) == 0);
    CHECK(info.guardsIntact());
    CHECK_EQ(TrimFixedText(info.record.designPath), "C:\\Boundary\\offsets-test.pcb");
    CHECK_EQ(TrimFixedText(info.record.title), pattern("TITLE:", 100));  // no NUL
    CHECK_EQ(TrimFixedText(info.record.engineer), "J\xFCrgen \xD8 \x80");
    CHECK_EQ(TrimFixedText(info.record.revision), "Rev-7Q");
    CHECK(info.untouched(info.record.opaqueTexts));
    // The context serves the later calls: it is the one the library filled.
    CHECK_EQ(standIn.library.TCloseDesign(standIn.context, ""), 0);
    CHECK(standIn.library.TGetDesignInfo(standIn.context, info.record) != 0);
}

TEST_CASE("net, layer and component records, with 32-bit extremes") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.opened == 0);
    Guarded<NetRecord> net;
    REQUIRE(standIn.library.TGetFirstNet(standIn.context, net.record) == 0);
    CHECK(net.record.netId == kNetA && net.record.nodeCount == 77);
    CHECK_EQ(TrimFixedText(net.record.netName), pattern("NET-A:", 100));
    CHECK(net.untouched(net.record.opaque112));  // in/out: the caller's own record
    REQUIRE(standIn.library.TGetNextNet(standIn.context, net.record) == 0);
    CHECK(net.record.netId == kNetB && net.record.netLength == 2147483647);
    REQUIRE(standIn.library.TGetNetById(standIn.context, kNetA, net.record) == 0);
    CHECK_EQ(net.record.netLength, -123456789);
    CHECK(net.guardsIntact());

    Guarded<LayerRecord> layer;
    REQUIRE(standIn.library.TGetFirstLayer(standIn.context, layer.record) == 0);
    REQUIRE(standIn.library.TGetNextLayer(standIn.context, layer.record) == 0);
    REQUIRE(standIn.library.TGetNextLayer(standIn.context, layer.record) == 0);
    CHECK_EQ(layer.record.layerType, 24301);
    CHECK(layer.guardsIntact());

    Guarded<ComponentRecord> component;
    REQUIRE(standIn.library.TGetFirstComponent(standIn.context, component.record) == 0);
    CHECK(component.record.padCount == 0x01020304 && component.record.bottomSide == 5);
    CHECK(component.guardsIntact());
}

TEST_CASE("nodes: a board fills the pad member, a schematic the symbol pin") {
    for (const bool board : {true, false}) {
        StandIn standIn("boundary.json", board ? "PCB" : "SCH");
        REQUIRE(standIn.opened == 0);
        Guarded<NetNodeRecord> node;
        const auto& pad = node.record.pad;
        const auto& symbolPin = node.record.symbolPin;
        const auto refDes = [&] {
            return std::string_view(board ? pad.padRefDes : symbolPin.symPinRefDes, 100);
        };
        const auto pinDes = [&] {
            return std::string_view(board ? pad.pin.pinDes : symbolPin.pin.pinDes, 100);
        };
        REQUIRE(standIn.library.TGetFirstNetNode(standIn.context, kNetA, node.record) == 0);
        CHECK(refDes() == pattern("REF-A:", 100));
        CHECK(pinDes() == pattern("PIN-A:", 100));
        CHECK(board ? node.untouched(symbolPin.symPinRefDes) && node.untouched(symbolPin.pin.pinDes)
                    : node.untouched(pad.padRefDes) && node.untouched(pad.pin.pinDes));
        REQUIRE(standIn.library.TGetNextNetNode(standIn.context, node.record) == 0);
        CHECK(TrimFixedText(refDes()) == "R5" && TrimFixedText(pinDes()) == "2");
        CHECK_EQ(standIn.library.TGetNextNetNode(standIn.context, node.record),
                 status::kNoMoreItems);
        REQUIRE(standIn.library.TGetFirstNetNode(standIn.context, kNetB, node.record) == 0);
        CHECK_EQ(TrimFixedText(pinDes()), "?1");  // no Windows-1252 omega
        CHECK(node.guardsIntact());
    }
}

TEST_CASE("a design file the stand-in cannot read is refused, not served") {
    StandIn standIn("no-such-design.json");
    CHECK_EQ(standIn.opened, status::kConnectionError);
    DesignInfoRecord info{};
    CHECK_EQ(standIn.library.TGetDesignInfo(standIn.context, info), status::kNoConnection);
}

}  // namespace
}  // namespace netlist::test
