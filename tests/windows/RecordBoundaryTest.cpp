// Every record field the program reads, filled by the stand-in DLL from
// designs/boundary.json and read back through the binding: at its documented
// offset, in little-endian order, with nothing written outside the record.
// The offsets are written out as numbers on purpose; they are the host's
// layout, not whatever Records.h happens to say.
#include <windows.h>

#include <cstring>
#include <string>
#include <string_view>

#include "design/FixedText.h"
#include "design/StatusCodes.h"
#include "design/windows/HostLibrary.h"
#include "tests/windows/Check.h"

namespace netlist {
namespace {

constexpr unsigned char kUntouched = 0xA5;

// A record with guard bytes on both sides, everything set to kUntouched.
template <typename Record>
struct Guarded {
    unsigned char before[64];
    Record record;
    unsigned char after[64];

    Guarded() { std::memset(static_cast<void*>(this), kUntouched, sizeof *this); }
    const unsigned char* bytes() const { return reinterpret_cast<const unsigned char*>(&record); }
    bool guardsIntact() const {
        for (std::size_t i = 0; i < sizeof before; ++i)
            if (before[i] != kUntouched || after[i] != kUntouched) return false;
        return true;
    }
};

// The same "prefix0123456789..." pattern that the design file holds.
std::string pattern(std::string prefix, std::size_t length) {
    for (std::size_t i = 0; prefix.size() < length; ++i) prefix += static_cast<char>('0' + i % 10);
    return prefix;
}

// The raw bytes of a text field: the text, then a NUL unless it fills the field.
void checkTextAt(const unsigned char* record, std::size_t offset, std::size_t width,
                 std::string_view expected, const char* field) {
    const std::string found(reinterpret_cast<const char*>(record + offset), expected.size());
    if (found != expected)
        check::Fail(__FILE__, __LINE__,
                    std::string(field) + " at " + std::to_string(offset) + ": \"" + found + "\"");
    if (expected.size() < width && record[offset + expected.size()] != 0)
        check::Fail(__FILE__, __LINE__, std::string(field) + " is not NUL-ended");
}

void checkInt32At(const unsigned char* record, std::size_t offset, std::int32_t expected,
                  const char* field) {
    const auto value = static_cast<std::uint32_t>(expected);
    for (std::size_t i = 0; i < 4; ++i) {
        if (record[offset + i] != static_cast<unsigned char>(value >> (8 * i))) {
            check::Fail(__FILE__, __LINE__,
                        std::string(field) + " at " + std::to_string(offset) +
                            " is not the little-endian " + std::to_string(expected));
            return;
        }
    }
}

bool untouchedAt(const unsigned char* record, std::size_t offset, std::size_t size) {
    for (std::size_t i = 0; i < size; ++i)
        if (record[offset + i] != kUntouched) return false;
    return true;
}

// The stand-in DLL serving a design of the test data; it reads the design on
// the first call after it was loaded.
struct StandIn {
    explicit StandIn(const std::string& designFile)
        : variableSet(SetEnvironmentVariableA("NETLIST_STANDIN_DESIGN",
                                              (check::DataFolder() + "/" + designFile).c_str()) !=
                      0) {}
    ~StandIn() { SetEnvironmentVariableA("NETLIST_STANDIN_DESIGN", nullptr); }

    bool variableSet;
    HostLibrary library;
    SessionContext context{};
};

constexpr std::int32_t kNetA = 0x12345678;
constexpr std::int32_t kNetB = 2000000001;

TEST_CASE("opening fills the program's session context and no byte beyond it") {
    StandIn standIn("boundary.json");
    Guarded<SessionContext> context;
    REQUIRE(standIn.library.TOpenDesign(0, kInterfaceVersion, "PCB", context.record) == 0);
    CHECK(context.guardsIntact());
    CHECK(!untouchedAt(context.bytes(), 0, sizeof(SessionContext)));
    // The context serves the later calls: it is the one the library filled.
    Guarded<DesignInfoRecord> info;
    CHECK_EQ(standIn.library.TGetDesignInfo(context.record, info.record), 0);
    CHECK_EQ(standIn.library.TCloseDesign(context.record, ""), 0);
    CHECK(standIn.library.TGetDesignInfo(context.record, info.record) != 0);
}

TEST_CASE("design information: designPath 0, title 100, engineer 200, revision 300") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.library.TOpenDesign(0, kInterfaceVersion, "PCB", standIn.context) == 0);
    Guarded<DesignInfoRecord> info;
    REQUIRE(standIn.library.TGetDesignInfo(standIn.context, info.record) == 0);
    CHECK(info.guardsIntact());

    const std::string title = pattern("TITLE:", 100);    // fills its field: no NUL
    const std::string engineer = "J\xFCrgen \xD8 \x80";  // Windows-1252
    checkTextAt(info.bytes(), 0, 100, "C:\\Boundary\\offsets-test.pcb", "designPath");
    checkTextAt(info.bytes(), 100, 100, title, "title");
    checkTextAt(info.bytes(), 200, 100, engineer, "engineer");
    checkTextAt(info.bytes(), 300, 100, "Rev-7Q", "revision");
    // Fields the program does not read keep what the caller had there.
    CHECK(untouchedAt(info.bytes(), 400, 856 - 400));

    CHECK_EQ(TrimFixedText(info.record.designPath), "C:\\Boundary\\offsets-test.pcb");
    CHECK_EQ(TrimFixedText(info.record.title), title);
    CHECK_EQ(TrimFixedText(info.record.engineer), engineer);
    CHECK_EQ(TrimFixedText(info.record.revision), "Rev-7Q");
}

TEST_CASE("net record: netId 0, netName 4, nodeCount 104, netLength 108") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.library.TOpenDesign(0, kInterfaceVersion, "PCB", standIn.context) == 0);
    Guarded<NetRecord> net;
    REQUIRE(standIn.library.TGetFirstNet(standIn.context, net.record) == 0);
    CHECK(net.guardsIntact());
    checkInt32At(net.bytes(), 0, kNetA, "netId");
    checkTextAt(net.bytes(), 4, 100, pattern("NET-A:", 100), "netName");
    checkInt32At(net.bytes(), 104, 77, "nodeCount");
    checkInt32At(net.bytes(), 108, -123456789, "netLength");
    CHECK(untouchedAt(net.bytes(), 112, 4));  // in/out: the caller's own record
    CHECK_EQ(net.record.netId, kNetA);
    CHECK_EQ(TrimFixedText(net.record.netName), pattern("NET-A:", 100));
    CHECK_EQ(net.record.nodeCount, 77);
    CHECK_EQ(net.record.netLength, -123456789);

    // The continuing call gets the record the first one filled.
    REQUIRE(standIn.library.TGetNextNet(standIn.context, net.record) == 0);
    checkInt32At(net.bytes(), 0, kNetB, "netId");
    checkTextAt(net.bytes(), 4, 100, "N\x80T-B", "netName");
    checkInt32At(net.bytes(), 104, 1, "nodeCount");
    checkInt32At(net.bytes(), 108, 2147483647, "netLength");
    CHECK_EQ(standIn.library.TGetNextNet(standIn.context, net.record), status::kNoMoreNets);

    Guarded<NetRecord> byId;
    REQUIRE(standIn.library.TGetNetById(standIn.context, kNetA, byId.record) == 0);
    CHECK(byId.guardsIntact());
    checkInt32At(byId.bytes(), 0, kNetA, "netId");
    checkTextAt(byId.bytes(), 4, 100, pattern("NET-A:", 100), "netName");
    checkInt32At(byId.bytes(), 108, -123456789, "netLength");
    CHECK_EQ(standIn.library.TGetNetById(standIn.context, 99, byId.record), status::kNetNotFound);
}

TEST_CASE("layer record: layerType 104") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.library.TOpenDesign(0, kInterfaceVersion, "PCB", standIn.context) == 0);
    Guarded<LayerRecord> layer;
    const std::int32_t expected[] = {1, 0, 24301, -7};
    std::int32_t result = standIn.library.TGetFirstLayer(standIn.context, layer.record);
    for (const std::int32_t type : expected) {
        REQUIRE(result == 0);
        checkInt32At(layer.bytes(), 104, type, "layerType");
        CHECK_EQ(layer.record.layerType, type);
        result = standIn.library.TGetNextLayer(standIn.context, layer.record);
    }
    CHECK_EQ(result, status::kNoMoreLayers);
    CHECK(layer.guardsIntact());
}

TEST_CASE("component record: padCount 692, bottomSide 704") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.library.TOpenDesign(0, kInterfaceVersion, "PCB", standIn.context) == 0);
    Guarded<ComponentRecord> component;
    REQUIRE(standIn.library.TGetFirstComponent(standIn.context, component.record) == 0);
    checkInt32At(component.bytes(), 692, 0x01020304, "padCount");
    checkInt32At(component.bytes(), 704, 5, "bottomSide");
    CHECK_EQ(component.record.padCount, 0x01020304);
    CHECK_EQ(component.record.bottomSide, 5);
    REQUIRE(standIn.library.TGetNextComponent(standIn.context, component.record) == 0);
    checkInt32At(component.bytes(), 692, 692, "padCount");
    checkInt32At(component.bytes(), 704, 0, "bottomSide");
    CHECK_EQ(standIn.library.TGetNextComponent(standIn.context, component.record),
             status::kNoMoreComponents);
    CHECK(component.guardsIntact());
}

TEST_CASE("board node: padRefDes 6024, padPinDes 6176") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.library.TOpenDesign(0, kInterfaceVersion, "PCB", standIn.context) == 0);
    Guarded<NetNodeRecord> node;
    REQUIRE(standIn.library.TGetFirstNetNode(standIn.context, kNetA, node.record) == 0);
    CHECK(node.guardsIntact());
    checkTextAt(node.bytes(), 6024, 100, pattern("REF-A:", 100), "padRefDes");
    checkTextAt(node.bytes(), 6176, 100, pattern("PIN-A:", 100), "padPinDes");
    CHECK_EQ(TrimFixedText(node.record.pad.padRefDes), pattern("REF-A:", 100));
    CHECK_EQ(TrimFixedText(node.record.pad.pin.pinDes), pattern("PIN-A:", 100));
    // A board node leaves the schematic pin member alone.
    CHECK(untouchedAt(node.bytes(), 6804, 100));
    CHECK(untouchedAt(node.bytes(), 6972, 100));

    REQUIRE(standIn.library.TGetNextNetNode(standIn.context, node.record) == 0);
    checkTextAt(node.bytes(), 6024, 100, "R5", "padRefDes");
    checkTextAt(node.bytes(), 6176, 100, "2", "padPinDes");
    CHECK_EQ(standIn.library.TGetNextNetNode(standIn.context, node.record), status::kNoMoreItems);

    REQUIRE(standIn.library.TGetFirstNetNode(standIn.context, kNetB, node.record) == 0);
    checkTextAt(node.bytes(), 6024, 100, "TP9", "padRefDes");
    checkTextAt(node.bytes(), 6176, 100, "?1", "padPinDes");  // no Windows-1252 omega
    CHECK(node.guardsIntact());
}

TEST_CASE("schematic node: symPinRefDes 6804, symPinPinDes 6972") {
    StandIn standIn("boundary.json");
    REQUIRE(standIn.library.TOpenDesign(0, kInterfaceVersion, "SCH", standIn.context) == 0);
    Guarded<NetNodeRecord> node;
    REQUIRE(standIn.library.TGetFirstNetNode(standIn.context, kNetA, node.record) == 0);
    CHECK(node.guardsIntact());
    checkTextAt(node.bytes(), 6804, 100, pattern("REF-A:", 100), "symPinRefDes");
    checkTextAt(node.bytes(), 6972, 100, pattern("PIN-A:", 100), "symPinPinDes");
    CHECK_EQ(TrimFixedText(node.record.symbolPin.symPinRefDes), pattern("REF-A:", 100));
    CHECK_EQ(TrimFixedText(node.record.symbolPin.pin.pinDes), pattern("PIN-A:", 100));
    CHECK(untouchedAt(node.bytes(), 6024, 100));
    CHECK(untouchedAt(node.bytes(), 6176, 100));

    REQUIRE(standIn.library.TGetNextNetNode(standIn.context, node.record) == 0);
    checkTextAt(node.bytes(), 6804, 100, "R5", "symPinRefDes");
    checkTextAt(node.bytes(), 6972, 100, "2", "symPinPinDes");
}

TEST_CASE("a design file the stand-in cannot read is refused, not served") {
    StandIn standIn("no-such-design.json");
    CHECK_EQ(standIn.library.TOpenDesign(0, kInterfaceVersion, "PCB", standIn.context),
             status::kConnectionError);
    DesignInfoRecord info{};
    CHECK_EQ(standIn.library.TGetDesignInfo(standIn.context, info), status::kNoConnection);
}

}  // namespace
}  // namespace netlist
