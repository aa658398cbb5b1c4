// The records as the host's library would see them: every field the program
// reads, filled through the stand-in and read back as raw bytes at the offset
// of the library's layout, integers little-endian.
#include <gtest/gtest.h>

#include <optional>
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

class RecordLayout : public ::testing::Test {
  protected:
    void open(DesignData design, const char* kind) {
        library_.emplace(std::move(design));
        ASSERT_EQ(library_->TOpenDesign(0, kInterfaceVersion, kind, context_), 0);
    }
    StandInLibrary& library() { return *library_; }

    std::optional<StandInLibrary> library_;
    SessionContext context_{};
};

TEST_F(RecordLayout, DesignInformationTextsAtTheirOffsets) {
    open(SmallDesign(DesignKind::Pcb), "PCB");
    auto info = Scribbled<DesignInfoRecord>();
    ASSERT_EQ(library().TGetDesignInfo(context_, info), 0);
    EXPECT_EQ(TextAt(info, 0), "C:\\Designs\\amp.pcb");
    EXPECT_EQ(TextAt(info, 100), "Amplifier");
    EXPECT_EQ(TextAt(info, 200), "E. Engineer");
    EXPECT_EQ(TextAt(info, 300), "B");
}

TEST_F(RecordLayout, NetFieldsAtTheirOffsets) {
    open(SmallDesign(DesignKind::Pcb), "PCB");
    auto net = Scribbled<NetRecord>();
    ASSERT_EQ(library().TGetNetById(context_, 12, net), 0);
    EXPECT_EQ(Int32At(net, 0), 12);
    EXPECT_EQ(TextAt(net, 4), "OUT");
    EXPECT_EQ(Int32At(net, 104), 9);   // the count the design gives, not the nodes listed
    EXPECT_EQ(Int32At(net, 108), -5);  // negative lengths keep their sign bytes
}

TEST_F(RecordLayout, LayerTypeAndComponentFieldsAtTheirOffsets) {
    open(SmallDesign(DesignKind::Pcb), "PCB");
    auto layer = Scribbled<LayerRecord>();
    ASSERT_EQ(library().TGetFirstLayer(context_, layer), 0);
    ASSERT_EQ(library().TGetNextLayer(context_, layer), 0);
    EXPECT_EQ(Int32At(layer, 104), 2);

    auto component = Scribbled<ComponentRecord>();
    ASSERT_EQ(library().TGetFirstComponent(context_, component), 0);
    EXPECT_EQ(Int32At(component, 692), 14);
    EXPECT_EQ(Int32At(component, 704), 0);
    ASSERT_EQ(library().TGetNextComponent(context_, component), 0);
    EXPECT_EQ(Int32At(component, 692), 2);
    EXPECT_EQ(Int32At(component, 704), 5);
}

TEST_F(RecordLayout, BoardNodesFillThePadMemberOnly) {
    open(SmallDesign(DesignKind::Pcb), "PCB");
    auto node = Scribbled<NetNodeRecord>();
    ASSERT_EQ(library().TGetFirstNetNode(context_, 12, node), 0);
    EXPECT_EQ(TextAt(node, 6024), "U1");
    EXPECT_EQ(TextAt(node, 6176), "14");
    EXPECT_EQ(BytesAt(node, 6804, 100), std::string(100, '\xCC'));
    EXPECT_EQ(BytesAt(node, 6972, 100), std::string(100, '\xCC'));
}

TEST_F(RecordLayout, SchematicNodesFillTheSymbolPinMemberOnly) {
    open(SmallDesign(DesignKind::Sch), "SCH");
    auto node = Scribbled<NetNodeRecord>();
    ASSERT_EQ(library().TGetFirstNetNode(context_, 7, node), 0);
    ASSERT_EQ(library().TGetNextNetNode(context_, node), 0);
    EXPECT_EQ(TextAt(node, 6804), "R1");
    EXPECT_EQ(TextAt(node, 6972), "2");
    EXPECT_EQ(BytesAt(node, 6024, 100), std::string(100, '\xCC'));
    EXPECT_EQ(BytesAt(node, 6176, 100), std::string(100, '\xCC'));
}

TEST_F(RecordLayout, ShortTextsAreNulEndedAndZeroFilled) {
    open(SmallDesign(DesignKind::Pcb), "PCB");
    auto net = Scribbled<NetRecord>();
    ASSERT_EQ(library().TGetFirstNet(context_, net), 0);
    EXPECT_EQ(BytesAt(net, 4, 100), std::string("GND") + std::string(97, '\0'));
}

TEST_F(RecordLayout, HundredByteTextsFillTheFieldWithoutNul) {
    DesignData design = SmallDesign(DesignKind::Pcb);
    const std::string exactly100(100, 'N');
    design.nets[0].name = exactly100;
    design.nets[1].name = exactly100 + "overflow";
    design.title = std::string(99, 'T') + "\xE9";  // one byte per character in Windows-1252
    open(std::move(design), "PCB");

    auto net = Scribbled<NetRecord>();
    ASSERT_EQ(library().TGetFirstNet(context_, net), 0);
    EXPECT_EQ(BytesAt(net, 4, 100), exactly100);
    EXPECT_EQ(Int32At(net, 104), 2) << "the text must not spill into nodeCount";
    ASSERT_EQ(library().TGetNextNet(context_, net), 0);
    EXPECT_EQ(BytesAt(net, 4, 100), exactly100) << "longer texts are cut to the field";
    EXPECT_EQ(Int32At(net, 104), 1);

    auto info = Scribbled<DesignInfoRecord>();
    ASSERT_EQ(library().TGetDesignInfo(context_, info), 0);
    EXPECT_EQ(BytesAt(info, 100, 100), std::string(99, 'T') + "\xE9");
    EXPECT_EQ(TextAt(info, 200), "E. Engineer");
}

}  // namespace
}  // namespace netlist
