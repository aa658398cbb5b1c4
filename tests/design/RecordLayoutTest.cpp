// The records as the host's library would see them, read back as raw bytes at
// the library's offsets (which design/Records.h pins with static_asserts): the
// member a node fills for each kind, and texts that fill their whole field.
#include <gtest/gtest.h>

#include <string>

#include "design/DesignLibrary.h"
#include "design/standin/StandInLibrary.h"
#include "tests/design/StandInSupport.h"

namespace netlist {
namespace {

using testing::BytesAt;
using testing::Int32At;
using testing::Scribbled;
using testing::SmallDesign;
using testing::TextAt;

const std::string kUntouched(100, '\xCC');

TEST(RecordLayout, NodesFillThePadMemberOfABoardAndTheSymbolPinOfASchematic) {
    for (const DesignKind kind : {DesignKind::Pcb, DesignKind::Sch}) {
        StandInLibrary library(SmallDesign(kind));
        SessionContext context{};
        const bool board = kind == DesignKind::Pcb;
        ASSERT_EQ(library.TOpenDesign(0, kInterfaceVersion, board ? "PCB" : "SCH", context), 0);
        auto node = Scribbled<NetNodeRecord>();
        ASSERT_EQ(library.TGetFirstNetNode(context, 7, node), 0);
        ASSERT_EQ(library.TGetNextNetNode(context, node), 0);
        const std::size_t filled = board ? 6024 : 6804, other = board ? 6804 : 6024;
        EXPECT_EQ(TextAt(node, filled), "R1");
        EXPECT_EQ(TextAt(node, board ? 6176 : 6972), "2");
        EXPECT_EQ(BytesAt(node, other, 100), kUntouched);
        EXPECT_EQ(BytesAt(node, board ? 6972 : 6176, 100), kUntouched);
    }
}

TEST(RecordLayout, HundredByteTextsFillTheFieldWithoutNul) {
    DesignData design = SmallDesign(DesignKind::Pcb);
    const std::string exactly100(100, 'N');
    design.nets[0].name = exactly100;
    design.nets[1].name = exactly100 + "overflow";
    design.title = std::string(99, 'T') + "\xE9";  // Windows-1252: one byte per character
    StandInLibrary library(std::move(design));
    SessionContext context{};
    ASSERT_EQ(library.TOpenDesign(0, kInterfaceVersion, "PCB", context), 0);

    auto net = Scribbled<NetRecord>();
    ASSERT_EQ(library.TGetFirstNet(context, net), 0);
    EXPECT_EQ(BytesAt(net, 4, 100), exactly100);
    EXPECT_EQ(Int32At(net, 104), 2) << "the text must not spill into nodeCount";
    ASSERT_EQ(library.TGetNextNet(context, net), 0);
    EXPECT_EQ(BytesAt(net, 4, 100), exactly100) << "longer texts are cut to the field";
    EXPECT_EQ(Int32At(net, 104), 1);

    auto info = Scribbled<DesignInfoRecord>();
    ASSERT_EQ(library.TGetDesignInfo(context, info), 0);
    EXPECT_EQ(BytesAt(info, 100, 100), std::string(99, 'T') + "\xE9");
    EXPECT_EQ(TextAt(info, 200), "E. Engineer");
}

}  // namespace
}  // namespace netlist
