// The stand-in library as the program uses it: which opens succeed for which
// kind of design, the walks and their end codes, the status of every refusal,
// and the records as the host's library would fill them, read back as raw
// bytes at the library's offsets.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "design/DesignLibrary.h"
#include "design/StatusCodes.h"
#include "design/standin/StandInLibrary.h"

namespace netlist::test {
namespace {

// Three nets (ids 7, 3, 12, in this walk order), two layers, two components.
DesignData SmallDesign(DesignKind kind) {
    DesignData design;
    design.kind = kind;
    design.designPath = "C:\\Designs\\amp.pcb";
    design.engineer = "E. Engineer";
    design.layers = {{"Top", 1}, {"Silk", 2}};
    design.components = {{"U1", 14, 0}, {"R1", 2, 5}};
    design.nets = {
        {7, "GND", 254000, 2, {{"U1", "7"}, {"R1", "2"}}},
        {3, "VIN", 0, 1, {{"U1", "1"}}},
        {12, "OUT", -5, 9, {{"U1", "14"}, {"R1", "1"}, {"U1", "13"}}},
    };
    return design;
}

std::int32_t open(DesignLibrary& library, SessionContext& context, const char* kind) {
    return library.TOpenDesign(0, kInterfaceVersion, kind, context);
}

// A record full of a byte the library never writes, to see what it fills.
template <typename Record>
Record Scribbled() {
    Record record;
    std::memset(static_cast<void*>(&record), 0xCC, sizeof record);
    return record;
}

// A record's raw bytes at the offsets of the library's layout.
template <typename Record>
std::string BytesAt(const Record& record, std::size_t offset, std::size_t size = 100) {
    return std::string(reinterpret_cast<const char*>(&record) + offset, size);
}

// The small board design, open, with a record of every kind.
class StandInLibraryOnABoard : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(open(library, context, "PCB"), 0); }
    StandInLibrary library{SmallDesign(DesignKind::Pcb)};
    SessionContext context{};
    DesignInfoRecord info{};
    NetRecord net{};
    NetNodeRecord node{};
    LayerRecord layer{};
    ComponentRecord component{};
};

TEST(StandInLibrary, EachKindAnswersItsOwnOpensOnly) {
    const struct {
        DesignKind kind;
        std::int32_t board, schematic;
    } cases[] = {
        {DesignKind::Pcb, 0, status::kConnectionError},
        {DesignKind::Sch, status::kConnectionError, 0},
        {DesignKind::PcbAndSch, 0, 0},
        {DesignKind::None, status::kConnectionError, status::kConnectionError},
    };
    for (const auto& c : cases) {
        StandInLibrary library(SmallDesign(c.kind));
        SessionContext first{}, second{}, third{};
        EXPECT_EQ(open(library, first, "PCB"), c.board) << static_cast<int>(c.kind);
        EXPECT_EQ(open(library, second, "SCH"), c.schematic) << static_cast<int>(c.kind);
        EXPECT_EQ(open(library, third, "pcb"), status::kConnectionError);
    }
}

// Walks a list with its first and next calls; returns one value per record and the end code.
template <typename Record, typename Value>
std::pair<std::vector<std::int32_t>, std::int32_t> walk(
    std::int32_t (DesignLibrary::*first)(SessionContext&, Record&),
    std::int32_t (DesignLibrary::*next)(SessionContext&, Record&), DesignLibrary& library,
    SessionContext& context, Value value) {
    Record record{};
    std::vector<std::int32_t> values;
    std::int32_t status = (library.*first)(context, record);
    for (; status == 0; status = (library.*next)(context, record)) values.push_back(value(record));
    return {values, status};
}

TEST_F(StandInLibraryOnABoard, EachWalkKeepsFileOrderAndEndsWithItsOwnCode) {
    using Values = std::pair<std::vector<std::int32_t>, std::int32_t>;
    EXPECT_EQ(walk(&DesignLibrary::TGetFirstNet, &DesignLibrary::TGetNextNet, library, context,
                   [](const NetRecord& r) { return r.netId; }),
              (Values{{7, 3, 12}, status::kNoMoreNets}));
    EXPECT_EQ(walk(&DesignLibrary::TGetFirstLayer, &DesignLibrary::TGetNextLayer, library, context,
                   [](const LayerRecord& r) { return r.layerType; }),
              (Values{{1, 2}, status::kNoMoreLayers}));
    EXPECT_EQ(walk(&DesignLibrary::TGetFirstComponent, &DesignLibrary::TGetNextComponent, library,
                   context, [](const ComponentRecord& r) { return r.padCount; }),
              (Values{{14, 2}, status::kNoMoreComponents}));
    ASSERT_EQ(library.TGetFirstNetNode(context, 3, node), 0);
    EXPECT_EQ(library.TGetNextNetNode(context, node), status::kNoMoreItems);

    // Empty lists end at the first call; unknown ids are not found.
    DesignData bare;
    bare.kind = DesignKind::Pcb;
    bare.nets = {{1, "NC", 0, 0, {}}};
    StandInLibrary lonely(std::move(bare));
    ASSERT_EQ(open(lonely, context, "PCB"), 0);
    EXPECT_EQ(lonely.TGetFirstLayer(context, layer), status::kNoMoreLayers);
    EXPECT_EQ(lonely.TGetFirstComponent(context, component), status::kNoMoreComponents);
    EXPECT_EQ(lonely.TGetFirstNetNode(context, 1, node), status::kNoMoreItems);
    EXPECT_EQ(lonely.TGetNetById(context, -1, net), status::kNetNotFound);
    EXPECT_EQ(lonely.TGetFirstNetNode(context, 8, node), status::kNetNotFound);
}

TEST_F(StandInLibraryOnABoard, AContinuingCallNeedsItsOwnFirstCall) {
    EXPECT_EQ(library.TGetNextNet(context, net), status::kGetFirstNotCalled);
    EXPECT_EQ(library.TGetNextLayer(context, layer), status::kGetFirstNotCalled);
    EXPECT_EQ(library.TGetNextComponent(context, component), status::kGetFirstNotCalled);
    EXPECT_EQ(library.TGetNextNetNode(context, node), status::kGetFirstNotCalled);

    // One position at a time: beginning the layers abandons the nets.
    ASSERT_EQ(library.TGetFirstNet(context, net), 0);
    ASSERT_EQ(library.TGetFirstLayer(context, layer), 0);
    EXPECT_EQ(library.TGetNextNet(context, net), status::kGetFirstNotCalled);
    EXPECT_EQ(library.TGetNextLayer(context, layer), 0);

    // A first call that fails begins no walk either.
    ASSERT_EQ(library.TGetFirstNetNode(context, 12, node), 0);
    ASSERT_EQ(library.TGetFirstNetNode(context, 99, node), status::kNetNotFound);
    EXPECT_EQ(library.TGetNextNetNode(context, node), status::kGetFirstNotCalled);
}

TEST_F(StandInLibraryOnABoard, EveryOperationNeedsAnOpenSession) {
    const auto everyOperation = [&](DesignLibrary& served, SessionContext& session) {
        return std::vector<std::int32_t>{
            served.TCloseDesign(session, ""),
            served.TGetDesignInfo(session, info),
            served.TGetFirstNet(session, net),
            served.TGetNextNet(session, net),
            served.TGetNetById(session, 7, net),
            served.TGetFirstNetNode(session, 7, node),
            served.TGetNextNetNode(session, node),
            served.TGetFirstLayer(session, layer),
            served.TGetNextLayer(session, layer),
            served.TGetFirstComponent(session, component),
            served.TGetNextComponent(session, component),
        };
    };
    const std::vector<std::int32_t> refused(11, status::kNoConnection);
    ASSERT_EQ(library.TCloseDesign(context, ""), 0);
    EXPECT_EQ(everyOperation(library, context), refused) << "after the close";
    StandInLibrary unopened(SmallDesign(DesignKind::Pcb));
    SessionContext fresh{};
    EXPECT_EQ(everyOperation(unopened, fresh), refused) << "before any open";

    StandInLibrary other(SmallDesign(DesignKind::Pcb));
    ASSERT_EQ(open(other, context, "PCB"), 0);
    EXPECT_EQ(library.TGetDesignInfo(context, info), status::kNoConnection)
        << "a context another library opened";
}

TEST(StandInLibrary, AForcedStatusIsReturnedAndNothingIsFilled) {
    DesignData design = SmallDesign(DesignKind::None);
    design.forcedStatus[static_cast<std::size_t>(Operation::TOpenDesign)] = 0;
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetDesignInfo)] = 32101;
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetNextNet)] = 32016;
    StandInLibrary library(std::move(design));
    SessionContext context{};
    ASSERT_EQ(open(library, context, "SCH"), 0) << "a forced open overrides the kind";

    auto info = Scribbled<DesignInfoRecord>();
    EXPECT_EQ(library.TGetDesignInfo(context, info), 32101);
    EXPECT_EQ(info.engineer[0], '\xCC');
    NetRecord net{};
    ASSERT_EQ(library.TGetFirstNet(context, net), 0);
    EXPECT_EQ(library.TGetNextNet(context, net), 32016);
    EXPECT_EQ(net.netId, 7) << "the record keeps the first net";

    DesignData refusing = SmallDesign(DesignKind::PcbAndSch);
    refusing.forcedStatus[static_cast<std::size_t>(Operation::TOpenDesign)] = 32104;
    StandInLibrary refuses(std::move(refusing));
    EXPECT_EQ(open(refuses, context, "PCB"), 32104);
}

// Which node member a board and a schematic fill is checked across the DLL
// boundary (tests/windows/RecordBoundaryTest.cpp).
TEST(StandInLibrary, HundredByteTextsFillTheFieldWithoutNul) {
    DesignData design = SmallDesign(DesignKind::Pcb);
    const std::string exactly100(100, 'N');
    design.nets[0].name = exactly100;
    design.nets[1].name = exactly100 + "overflow";
    design.title = std::string(99, 'T') + "\xE9";  // Windows-1252: one byte per character
    StandInLibrary library(std::move(design));
    SessionContext context{};
    ASSERT_EQ(open(library, context, "PCB"), 0);

    auto net = Scribbled<NetRecord>();
    ASSERT_EQ(library.TGetFirstNet(context, net), 0);
    EXPECT_EQ(BytesAt(net, 4), exactly100);
    EXPECT_EQ(BytesAt(net, 104, 4), std::string("\2\0\0\0", 4)) << "nodeCount, little-endian";
    ASSERT_EQ(library.TGetNextNet(context, net), 0);
    EXPECT_EQ(BytesAt(net, 4), exactly100) << "longer texts are cut to the field";
    EXPECT_EQ(BytesAt(net, 104, 4), std::string("\1\0\0\0", 4));

    auto info = Scribbled<DesignInfoRecord>();
    ASSERT_EQ(library.TGetDesignInfo(context, info), 0);
    EXPECT_EQ(BytesAt(info, 100), std::string(99, 'T') + "\xE9");
    EXPECT_EQ(BytesAt(info, 200, 12), std::string("E. Engineer\0", 12));
}

}  // namespace
}  // namespace netlist::test
