// The stand-in library where the program's own calls do not reach (those are
// held to recorded call lists by tests/report/LibraryCallsTest.cpp): calls out
// of order or without a session, and forced statuses. The records reach the
// Windows reports, compared byte for byte with Linux's by scripts/test-windows.sh.
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

// A board's, a schematic's and an unopened design's opens are in the recorded call lists.
TEST(StandInLibrary, ADesignOfBothKindsOpensAsEitherAndKindsAreNamedExactly) {
    StandInLibrary library(SmallDesign(DesignKind::PcbAndSch));
    SessionContext board{}, schematic{}, lowerCase{};
    EXPECT_EQ(open(library, board, "PCB"), 0);
    EXPECT_EQ(open(library, schematic, "SCH"), 0);
    EXPECT_EQ(open(library, lowerCase, "pcb"), status::kConnectionError);
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

    // A first call that fails begins no walk either; unknown ids are not found.
    ASSERT_EQ(library.TGetFirstNetNode(context, 12, node), 0);
    EXPECT_EQ(library.TGetNetById(context, -1, net), status::kNetNotFound);
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

    DesignInfoRecord info;
    std::memset(static_cast<void*>(&info), 0xCC, sizeof info);  // a byte the library never writes
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

}  // namespace
}  // namespace netlist::test
