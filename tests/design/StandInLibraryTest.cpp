// The stand-in library as the program uses it: which opens succeed for which
// kind of design, the walks and their end codes, and the status of every refusal.
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

std::int32_t open(DesignLibrary& library, SessionContext& context, const char* kind) {
    return library.TOpenDesign(0, kInterfaceVersion, kind, context);
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

// ---- Walks -------------------------------------------------------------------------------

class StandInWalks : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(open(library_, context_, "PCB"), 0); }
    StandInLibrary library_{SmallDesign(DesignKind::Pcb)};
    SessionContext context_{};
};

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

TEST_F(StandInWalks, EachWalkKeepsFileOrderAndEndsWithItsOwnCode) {
    using Values = std::pair<std::vector<std::int32_t>, std::int32_t>;
    EXPECT_EQ(walk(&DesignLibrary::TGetFirstNet, &DesignLibrary::TGetNextNet, library_, context_,
                   [](const NetRecord& r) { return r.netId; }),
              (Values{{7, 3, 12}, status::kNoMoreNets}));
    EXPECT_EQ(walk(&DesignLibrary::TGetFirstLayer, &DesignLibrary::TGetNextLayer, library_,
                   context_, [](const LayerRecord& r) { return r.layerType; }),
              (Values{{1, 2}, status::kNoMoreLayers}));
    EXPECT_EQ(walk(&DesignLibrary::TGetFirstComponent, &DesignLibrary::TGetNextComponent, library_,
                   context_, [](const ComponentRecord& r) { return r.padCount; }),
              (Values{{14, 2}, status::kNoMoreComponents}));
    NetNodeRecord node{};
    ASSERT_EQ(library_.TGetFirstNetNode(context_, 3, node), 0);
    EXPECT_EQ(library_.TGetNextNetNode(context_, node), status::kNoMoreItems);
}

TEST_F(StandInWalks, EmptyListsEndAtTheFirstCallAndUnknownIdsAreNotFound) {
    DesignData bare;
    bare.kind = DesignKind::Pcb;
    bare.nets = {{1, "NC", 0, 0, {}}};
    StandInLibrary lonely(std::move(bare));
    ASSERT_EQ(open(lonely, context_, "PCB"), 0);
    LayerRecord layer{};
    ComponentRecord component{};
    NetRecord net{};
    NetNodeRecord node{};
    EXPECT_EQ(lonely.TGetFirstLayer(context_, layer), status::kNoMoreLayers);
    EXPECT_EQ(lonely.TGetFirstComponent(context_, component), status::kNoMoreComponents);
    EXPECT_EQ(lonely.TGetFirstNetNode(context_, 1, node), status::kNoMoreItems);
    EXPECT_EQ(lonely.TGetNetById(context_, -1, net), status::kNetNotFound);
    EXPECT_EQ(lonely.TGetFirstNetNode(context_, 8, node), status::kNetNotFound);
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

}  // namespace
}  // namespace netlist
