// The stand-in library as the program uses it: which opens succeed for which
// kind of design, the walks and their end codes, the status of every refusal,
// and the calling sequence of start-up, report run and exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "design/DesignLibrary.h"
#include "design/StatusCodes.h"
#include "design/standin/StandInLibrary.h"
#include "tests/design/StandInSupport.h"

namespace netlist {
namespace {

using testing::Scribbled;
using testing::SmallDesign;
using testing::TextAt;

std::int32_t open(DesignLibrary& library, SessionContext& context, const char* kind) {
    return library.TOpenDesign(0, kInterfaceVersion, kind, context);
}

// The nodes of a net as "refDes-pinDes", from the member the open kind fills.
std::vector<std::string> nodesOf(DesignLibrary& library, SessionContext& context,
                                 std::int32_t netId, bool board) {
    std::vector<std::string> nodes;
    auto node = Scribbled<NetNodeRecord>();
    for (std::int32_t status = library.TGetFirstNetNode(context, netId, node); status == 0;
         status = library.TGetNextNetNode(context, node)) {
        nodes.push_back(board ? TextAt(node, 6024) + "-" + TextAt(node, 6176)
                              : TextAt(node, 6804) + "-" + TextAt(node, 6972));
    }
    return nodes;
}

// ---- Kinds and opening -------------------------------------------------------------

TEST(StandInKinds, EachKindAnswersItsOwnOpensOnly) {
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

// The start-up opens "PCB", then "SCH" on the same context without a close:
// a failed second open leaves the first usable; two successes serve the schematic.
TEST(StandInKinds, TheStartUpPairOfOpens) {
    for (const DesignKind kind : {DesignKind::Pcb, DesignKind::PcbAndSch}) {
        StandInLibrary library(SmallDesign(kind));
        SessionContext context{};
        ASSERT_EQ(open(library, context, "PCB"), 0);
        const bool schematic = open(library, context, "SCH") == 0;
        EXPECT_EQ(schematic, kind == DesignKind::PcbAndSch);
        auto info = Scribbled<DesignInfoRecord>();
        EXPECT_EQ(library.TGetDesignInfo(context, info), 0);
        EXPECT_EQ(TextAt(info, 100), "Amplifier");
        EXPECT_EQ(nodesOf(library, context, 7, !schematic),
                  (std::vector<std::string>{"U1-7", "R1-2"}));
    }
}

// ---- Walks -------------------------------------------------------------------------------

class StandInWalks : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(open(library_, context_, "PCB"), 0); }
    StandInLibrary library_{SmallDesign(DesignKind::Pcb)};
    SessionContext context_{};
};

TEST_F(StandInWalks, EachWalkKeepsFileOrderAndEndsWithItsOwnCode) {
    NetRecord net{};
    std::vector<std::int32_t> ids;
    std::int32_t status = library_.TGetFirstNet(context_, net);
    for (; status == 0; status = library_.TGetNextNet(context_, net)) ids.push_back(net.netId);
    EXPECT_EQ(ids, (std::vector<std::int32_t>{7, 3, 12}));
    EXPECT_EQ(status, status::kNoMoreNets);

    LayerRecord layer{};
    std::vector<std::int32_t> types;
    status = library_.TGetFirstLayer(context_, layer);
    for (; status == 0; status = library_.TGetNextLayer(context_, layer))
        types.push_back(layer.layerType);
    EXPECT_EQ(types, (std::vector<std::int32_t>{1, 2}));
    EXPECT_EQ(status, status::kNoMoreLayers);

    ComponentRecord component{};
    std::vector<std::int32_t> pads;
    status = library_.TGetFirstComponent(context_, component);
    for (; status == 0; status = library_.TGetNextComponent(context_, component))
        pads.push_back(component.padCount);
    EXPECT_EQ(pads, (std::vector<std::int32_t>{14, 2}));
    EXPECT_EQ(status, status::kNoMoreComponents);

    NetNodeRecord node{};
    ASSERT_EQ(library_.TGetFirstNetNode(context_, 3, node), 0);
    EXPECT_EQ(library_.TGetNextNetNode(context_, node), status::kNoMoreItems);
}

TEST_F(StandInWalks, EmptyListsEndAtTheFirstCall) {
    DesignData bare;
    bare.kind = DesignKind::Pcb;
    StandInLibrary empty(bare);
    ASSERT_EQ(open(empty, context_, "PCB"), 0);
    NetRecord net{};
    LayerRecord layer{};
    ComponentRecord component{};
    EXPECT_EQ(empty.TGetFirstNet(context_, net), status::kNoMoreNets);
    EXPECT_EQ(empty.TGetFirstLayer(context_, layer), status::kNoMoreLayers);
    EXPECT_EQ(empty.TGetFirstComponent(context_, component), status::kNoMoreComponents);

    bare.nets = {{1, "NC", 0, 0, {}}};
    StandInLibrary lonely(std::move(bare));
    ASSERT_EQ(open(lonely, context_, "PCB"), 0);
    NetNodeRecord node{};
    EXPECT_EQ(lonely.TGetFirstNetNode(context_, 1, node), status::kNoMoreItems);
}

TEST_F(StandInWalks, UnknownNetIdsAreNotFound) {
    NetRecord net{};
    NetNodeRecord node{};
    EXPECT_EQ(library_.TGetNetById(context_, 8, net), status::kNetNotFound);
    EXPECT_EQ(library_.TGetNetById(context_, -1, net), status::kNetNotFound);
    EXPECT_EQ(library_.TGetFirstNetNode(context_, 8, node), status::kNetNotFound);
}

TEST_F(StandInWalks, AContinuingCallNeedsItsOwnFirstCall) {
    NetRecord net{};
    LayerRecord layer{};
    ComponentRecord component{};
    NetNodeRecord node{};
    EXPECT_EQ(library_.TGetNextNet(context_, net), status::kGetFirstNotCalled);
    EXPECT_EQ(library_.TGetNextLayer(context_, layer), status::kGetFirstNotCalled);
    EXPECT_EQ(library_.TGetNextComponent(context_, component), status::kGetFirstNotCalled);
    EXPECT_EQ(library_.TGetNextNetNode(context_, node), status::kGetFirstNotCalled);

    // One position at a time: beginning the layers abandons the nets.
    ASSERT_EQ(library_.TGetFirstNet(context_, net), 0);
    ASSERT_EQ(library_.TGetFirstLayer(context_, layer), 0);
    EXPECT_EQ(library_.TGetNextNet(context_, net), status::kGetFirstNotCalled);
    EXPECT_EQ(library_.TGetNextLayer(context_, layer), 0);

    // A first call that fails begins no walk either.
    ASSERT_EQ(library_.TGetFirstNetNode(context_, 12, node), 0);
    ASSERT_EQ(library_.TGetFirstNetNode(context_, 99, node), status::kNetNotFound);
    EXPECT_EQ(library_.TGetNextNetNode(context_, node), status::kGetFirstNotCalled);
}

// ---- Refusals ----------------------------------------------------------------------------

TEST(StandInRefusals, EveryOperationNeedsAnOpenSession) {
    StandInLibrary library(SmallDesign(DesignKind::Pcb));
    SessionContext context{};
    DesignInfoRecord info{};
    NetRecord net{};
    NetNodeRecord node{};
    LayerRecord layer{};
    ComponentRecord component{};
    const auto everyOperation = [&] {
        return std::vector<std::int32_t>{
            library.TCloseDesign(context, ""),
            library.TGetDesignInfo(context, info),
            library.TGetFirstNet(context, net),
            library.TGetNextNet(context, net),
            library.TGetNetById(context, 7, net),
            library.TGetFirstNetNode(context, 7, node),
            library.TGetNextNetNode(context, node),
            library.TGetFirstLayer(context, layer),
            library.TGetNextLayer(context, layer),
            library.TGetFirstComponent(context, component),
            library.TGetNextComponent(context, component),
        };
    };
    const std::vector<std::int32_t> refused(11, status::kNoConnection);
    EXPECT_EQ(everyOperation(), refused) << "before any open";
    ASSERT_EQ(open(library, context, "PCB"), 0);
    ASSERT_EQ(library.TCloseDesign(context, ""), 0);
    EXPECT_EQ(everyOperation(), refused) << "after the close";

    StandInLibrary other(SmallDesign(DesignKind::Pcb));
    ASSERT_EQ(open(other, context, "PCB"), 0);
    EXPECT_EQ(library.TGetDesignInfo(context, info), status::kNoConnection)
        << "a context another library opened";
}

TEST(StandInRefusals, AForcedStatusIsReturnedAndNothingIsFilled) {
    DesignData design = SmallDesign(DesignKind::None);
    design.forcedStatus[static_cast<std::size_t>(Operation::TOpenDesign)] = 0;
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetDesignInfo)] = 32101;
    design.forcedStatus[static_cast<std::size_t>(Operation::TGetNextNet)] = 32016;
    StandInLibrary library(std::move(design));
    SessionContext context{};
    ASSERT_EQ(open(library, context, "SCH"), 0) << "a forced open overrides the kind";

    auto info = Scribbled<DesignInfoRecord>();
    EXPECT_EQ(library.TGetDesignInfo(context, info), 32101);
    EXPECT_EQ(info.title[0], '\xCC');
    NetRecord net{};
    ASSERT_EQ(library.TGetFirstNet(context, net), 0);
    EXPECT_EQ(library.TGetNextNet(context, net), 32016);
    EXPECT_EQ(net.netId, 7) << "the record keeps the first net";

    DesignData refusing = SmallDesign(DesignKind::PcbAndSch);
    refusing.forcedStatus[static_cast<std::size_t>(Operation::TOpenDesign)] = 32104;
    StandInLibrary refuses(std::move(refusing));
    EXPECT_EQ(open(refuses, context, "PCB"), 32104);
}

// ---- The program's calling sequences -----------------------------------------------------

// Start-up, one report run and exit, on the program's own context and status
// value, in the order the program issues the calls.
TEST(StandInCallingOrder, StartUpReportRunAndExit) {
    StandInLibrary library(SmallDesign(DesignKind::Pcb));
    SessionContext& context = theSessionContext;
    DesignInfoRecord info{};
    const auto startUp = [&] {
        EXPECT_EQ(open(library, context, "PCB"), 0);
        EXPECT_EQ(open(library, context, "SCH"), status::kConnectionError);
        dbStatus = library.TGetDesignInfo(context, info);
        EXPECT_EQ(dbStatus, 0);
    };
    startUp();

    // Report run: close, start-up again, the design information once more,
    // the net, layer and component walks.
    dbStatus = library.TCloseDesign(context, "");
    EXPECT_EQ(dbStatus, 0);
    startUp();
    dbStatus = library.TGetDesignInfo(context, info);
    ASSERT_EQ(dbStatus, 0);
    NetRecord net{};
    std::int32_t connectedPins = 0;
    for (dbStatus = library.TGetFirstNet(context, net); dbStatus == 0;
         dbStatus = library.TGetNextNet(context, net))
        connectedPins += net.nodeCount;
    EXPECT_EQ(connectedPins, 12);
    LayerRecord layer{};
    for (dbStatus = library.TGetFirstLayer(context, layer); dbStatus == 0;
         dbStatus = library.TGetNextLayer(context, layer)) {
    }
    ComponentRecord component{};
    for (dbStatus = library.TGetFirstComponent(context, component); dbStatus == 0;
         dbStatus = library.TGetNextComponent(context, component)) {
    }

    // Then each net in report order (not the walk order): by id, then its nodes.
    std::vector<std::string> listed;
    for (const std::int32_t id : {12, 3, 7}) {
        dbStatus = library.TGetNetById(context, id, net);
        ASSERT_EQ(dbStatus, 0);
        std::string line = TextAt(net, 4) + ":";
        NetNodeRecord node{};
        for (dbStatus = library.TGetFirstNetNode(context, id, node); dbStatus == 0;
             dbStatus = library.TGetNextNetNode(context, node))
            line += " " + TextAt(node, 6024) + "-" + TextAt(node, 6176);
        listed.push_back(line + " (" + TextAt(net, 4) + ")");
    }
    EXPECT_EQ(listed, (std::vector<std::string>{"OUT: U1-14 R1-1 U1-13 (OUT)", "VIN: U1-1 (VIN)",
                                                "GND: U1-7 R1-2 (GND)"}));
    dbStatus = library.TCloseDesign(context, "");
    EXPECT_EQ(dbStatus, 0);

    // Exit, from a fresh start-up: close, and the session is gone.
    startUp();
    EXPECT_EQ(library.TCloseDesign(context, ""), 0);
    EXPECT_EQ(library.TGetDesignInfo(context, info), status::kNoConnection);
}

}  // namespace
}  // namespace netlist
