// Records exchanged with the design library.
//
// These layouts are the binary contract with the host application's
// design-database library: every record is passed to it by pointer and filled
// in place, so sizes and offsets must match its layout byte for byte. Fields
// the program reads carry names; everything else is carried as opaque bytes or
// integers whose meaning belongs to the library.
//
// All integers are 32-bit little-endian; every one of them lies on a 4-byte
// boundary, so the natural layout is the library's layout and no packing
// pragma is needed. The static_asserts below hold that true on every compiler
// the program is built with (including the 32-bit Windows cross-build).
#pragma once

#include <cstddef>
#include <cstdint>

namespace netlist {

// Fixed text fields: single-byte Windows-1252 characters, NUL-ended when
// shorter than the field, without NUL when exactly as long as the field.
using Text100 = char[100];
using Text256 = char[256];
using Text512 = char[512];

// Lengths in database units: 2540 per mil, 100000 per millimetre.
inline constexpr std::int32_t kUnitsPerMil = 2540;
inline constexpr std::int32_t kUnitsPerMm = 100000;

struct DesignInfoRecord {
    Text100 designPath;  // full path of the design file
    Text100 title;
    Text100 engineer;
    Text100 revision;
    char opaqueTexts[4][100];
    std::uint8_t opaque800[8];
    std::uint8_t opaque808[16];
    std::int32_t opaque824[4];
    std::uint8_t opaque840[8];
    std::int32_t opaque848[2];
};

struct NetRecord {
    std::int32_t netId;
    Text100 netName;
    std::int32_t nodeCount;
    std::int32_t netLength;  // routed length in database units
    std::int32_t opaque112;
};

struct LayerRecord {
    std::int32_t opaque0;
    Text100 layerName;  // carried, never read by the report
    std::int32_t layerType;
    std::int32_t opaque108[10];
};

struct ComponentRecord {
    std::int32_t opaque0;
    char opaqueTexts[4][100];
    Text256 opaque404;
    std::uint8_t opaque660[8];
    std::uint8_t opaque668[16];
    std::int32_t opaque684[2];
    std::int32_t padCount;
    std::int32_t opaque696[2];
    std::int32_t bottomSide;  // 0: top side; any other value: bottom side
    std::int32_t opaque708[5];
    char opaque728[2][100];
    std::int32_t opaque928;
};

// ---- Members of the net node record --------------------------------------
// The node record has one member per kind of design item. Only the board pad
// member and the schematic pin member are read; the others are named after
// their offset inside the node record.

struct NodeMember64 {
    std::uint8_t opaque0[4];
    Text100 text4;
    Text256 text104;
    Text512 text360;
    Text256 text872;
    std::int32_t ints1128[6];
    std::uint8_t opaque1152[8];
    std::uint8_t opaque1160[16];
    std::int32_t ints1176[9];
};

struct NodeMember1276 {
    std::uint8_t opaque0[24];
    Text100 text24;
    std::int32_t ints124[3];
};

struct NodeMember1412 {
    std::uint8_t opaque0[8];
    Text100 text8;
    Text100 text108;
};

struct NodeMember2552 {
    std::uint8_t opaque0[4];
    Text100 text4;
    std::int32_t ints104[3];
    Text100 text116;
    std::int32_t ints216[3];
};

struct NodeMember3636 {
    std::uint8_t opaque0[32];
    Text256 texts32[3];
    std::int32_t int800;
};

struct NodeMember4440 {
    std::uint8_t opaque0[36];
    Text256 text36;
    Text256 text292;
    std::int32_t ints548[2];
};

struct NodeMember4996 {
    std::uint8_t opaque0[8];
    Text256 text8;
    std::int32_t ints264[2];
    std::uint8_t opaque272[8];
    std::int32_t ints280[5];
};

struct NodeMember5296 {
    std::uint8_t opaque0[4];
    Text256 text4;
};

struct NodeMember5912 {
    std::uint8_t opaque0[4];
    Text100 text4;
    std::int32_t int104;
};

// The pin group shared by the board pad and the schematic pin member; the pin
// designator is its first text field.
struct PinGroupRecord {
    std::uint8_t opaque0[4];
    Text100 pinDes;
    std::int32_t ints104[3];
    Text100 text116;
    std::int32_t ints216[3];
};

struct PadMemberRecord {
    std::uint8_t opaque0[4];
    Text100 padRefDes;
    std::int32_t int104;
    std::uint8_t opaque108[8];
    std::int32_t ints116[5];
    std::uint8_t opaque136[16];
    PinGroupRecord pin;  // pin.pinDes is the pad's pin designator
    Text100 text380;
    std::int32_t int480;
};

struct SymbolPinMemberRecord {
    std::uint8_t opaque0[4];
    Text100 symPinRefDes;
    std::int32_t ints104[4];
    std::uint8_t opaque120[8];
    std::int32_t ints128[5];
    std::uint8_t opaque148[16];
    std::int32_t int164;
    PinGroupRecord pin;  // pin.pinDes is the symbol pin's designator
    Text100 text396;
};

struct NodeMember6548 {
    std::uint8_t opaque0[8];
    Text100 text8;
    std::int32_t ints108[7];
};

struct NodeMember7296 {
    std::uint8_t opaque0[20];
    Text256 text20;
    std::int32_t ints276[11];
};

struct NodeMember7760 {
    std::uint8_t opaque0[4];
    Text256 text4;
    std::int32_t int260;
};

struct NodeMember8024 {
    std::uint8_t opaque0[4];
    Text100 text4;
    std::int32_t ints104[3];
    std::uint8_t opaque116[16];
    std::int32_t ints132[5];
    std::uint8_t opaque152[8];
    std::int32_t int160;
};

struct NodeMember8188 {
    std::uint8_t opaque0[4];
    Text100 text4;
    Text100 text104;
    std::int32_t ints204[3];
    std::uint8_t opaque216[8];
    std::uint8_t opaque224[16];
    std::int32_t ints240[4];
    Text100 text256;
    Text100 text356;
};

struct NodeMember8644 {
    std::uint8_t opaque0[48];
    Text256 text48;
    std::int32_t ints304[2];
};

struct NodeMember8956 {
    std::uint8_t opaque0[8];
    Text256 text8;
    std::int32_t ints264[2];
    std::uint8_t opaque272[8];
    std::uint8_t opaque280[16];
    std::int32_t ints296[4];
};

struct NodeMember9268 {
    std::uint8_t opaque0[4];
    Text100 text4;
    std::int32_t ints104[2];
    Text100 text112;
    std::int32_t ints212[3];
};

struct NodeMember9588 {
    Text100 text0;
    std::int32_t ints100[3];
};

struct NetNodeRecord {
    std::uint8_t opaque0[64];
    NodeMember64 member64;
    NodeMember1276 member1276;
    NodeMember1412 member1412;
    ComponentRecord component;
    NodeMember2552 member2552;
    DesignInfoRecord designInfo;
    NodeMember3636 member3636;
    NodeMember4440 member4440;
    NodeMember4996 member4996;
    NodeMember5296 member5296;
    LayerRecord layer;
    std::uint8_t opaque5704[60];
    std::uint8_t opaque5764[32];
    NetRecord net;
    NodeMember5912 member5912;
    PadMemberRecord pad;  // filled for a node of a board design
    std::uint8_t opaque6504[44];
    NodeMember6548 member6548;
    NetRecord net6684;
    SymbolPinMemberRecord symbolPin;  // filled for a node of a schematic
    NodeMember7296 member7296;
    std::uint8_t opaque7616[40];
    std::uint8_t opaque7656[44];
    std::uint8_t opaque7700[60];
    NodeMember7760 member7760;
    NodeMember8024 member8024;
    NodeMember8188 member8188;
    NodeMember8644 member8644;
    NodeMember8956 member8956;
    NodeMember9268 member9268;
    std::uint8_t opaque9492[52];
    std::uint8_t opaque9544[44];
    NodeMember9588 member9588;
};

// ---- The layout contract ---------------------------------------------------

static_assert(sizeof(DesignInfoRecord) == 856);
static_assert(offsetof(DesignInfoRecord, designPath) == 0);
static_assert(offsetof(DesignInfoRecord, title) == 100);
static_assert(offsetof(DesignInfoRecord, engineer) == 200);
static_assert(offsetof(DesignInfoRecord, revision) == 300);
static_assert(offsetof(DesignInfoRecord, opaqueTexts) == 400);
static_assert(offsetof(DesignInfoRecord, opaque800) == 800);
static_assert(offsetof(DesignInfoRecord, opaque808) == 808);
static_assert(offsetof(DesignInfoRecord, opaque824) == 824);
static_assert(offsetof(DesignInfoRecord, opaque840) == 840);
static_assert(offsetof(DesignInfoRecord, opaque848) == 848);

static_assert(sizeof(NetRecord) == 116);
static_assert(offsetof(NetRecord, netId) == 0);
static_assert(offsetof(NetRecord, netName) == 4);
static_assert(offsetof(NetRecord, nodeCount) == 104);
static_assert(offsetof(NetRecord, netLength) == 108);
static_assert(offsetof(NetRecord, opaque112) == 112);

static_assert(sizeof(LayerRecord) == 148);
static_assert(offsetof(LayerRecord, layerName) == 4);
static_assert(offsetof(LayerRecord, layerType) == 104);
static_assert(offsetof(LayerRecord, opaque108) == 108);

static_assert(sizeof(ComponentRecord) == 932);
static_assert(offsetof(ComponentRecord, opaqueTexts) == 4);
static_assert(offsetof(ComponentRecord, opaque404) == 404);
static_assert(offsetof(ComponentRecord, opaque660) == 660);
static_assert(offsetof(ComponentRecord, opaque668) == 668);
static_assert(offsetof(ComponentRecord, opaque684) == 684);
static_assert(offsetof(ComponentRecord, padCount) == 692);
static_assert(offsetof(ComponentRecord, opaque696) == 696);
static_assert(offsetof(ComponentRecord, bottomSide) == 704);
static_assert(offsetof(ComponentRecord, opaque708) == 708);
static_assert(offsetof(ComponentRecord, opaque728) == 728);
static_assert(offsetof(ComponentRecord, opaque928) == 928);

static_assert(sizeof(NodeMember64) == 1212);
static_assert(offsetof(NodeMember64, ints1128) == 1128);
static_assert(offsetof(NodeMember64, ints1176) == 1176);
static_assert(sizeof(NodeMember1276) == 136);
static_assert(sizeof(NodeMember1412) == 208);
static_assert(sizeof(NodeMember2552) == 228);
static_assert(offsetof(NodeMember2552, text116) == 116);
static_assert(sizeof(NodeMember3636) == 804);
static_assert(sizeof(NodeMember4440) == 556);
static_assert(sizeof(NodeMember4996) == 300);
static_assert(offsetof(NodeMember4996, ints280) == 280);
static_assert(sizeof(NodeMember5296) == 260);
static_assert(sizeof(NodeMember5912) == 108);
static_assert(sizeof(PinGroupRecord) == 228);
static_assert(offsetof(PinGroupRecord, pinDes) == 4);
static_assert(sizeof(PadMemberRecord) == 484);
static_assert(offsetof(PadMemberRecord, padRefDes) == 4);
static_assert(offsetof(PadMemberRecord, ints116) == 116);
static_assert(offsetof(PadMemberRecord, opaque136) == 136);
static_assert(offsetof(PadMemberRecord, pin) == 152);
static_assert(offsetof(PadMemberRecord, text380) == 380);
static_assert(sizeof(SymbolPinMemberRecord) == 496);
static_assert(offsetof(SymbolPinMemberRecord, symPinRefDes) == 4);
static_assert(offsetof(SymbolPinMemberRecord, int164) == 164);
static_assert(offsetof(SymbolPinMemberRecord, pin) == 168);
static_assert(offsetof(SymbolPinMemberRecord, text396) == 396);
static_assert(sizeof(NodeMember6548) == 136);
static_assert(sizeof(NodeMember7296) == 320);
static_assert(sizeof(NodeMember7760) == 264);
static_assert(sizeof(NodeMember8024) == 164);
static_assert(offsetof(NodeMember8024, int160) == 160);
static_assert(sizeof(NodeMember8188) == 456);
static_assert(offsetof(NodeMember8188, ints240) == 240);
static_assert(sizeof(NodeMember8644) == 312);
static_assert(sizeof(NodeMember8956) == 312);
static_assert(sizeof(NodeMember9268) == 224);
static_assert(sizeof(NodeMember9588) == 112);

static_assert(sizeof(NetNodeRecord) == 9700);
static_assert(offsetof(NetNodeRecord, member64) == 64);
static_assert(offsetof(NetNodeRecord, member1276) == 1276);
static_assert(offsetof(NetNodeRecord, member1412) == 1412);
static_assert(offsetof(NetNodeRecord, component) == 1620);
static_assert(offsetof(NetNodeRecord, member2552) == 2552);
static_assert(offsetof(NetNodeRecord, designInfo) == 2780);
static_assert(offsetof(NetNodeRecord, member3636) == 3636);
static_assert(offsetof(NetNodeRecord, member4440) == 4440);
static_assert(offsetof(NetNodeRecord, member4996) == 4996);
static_assert(offsetof(NetNodeRecord, member5296) == 5296);
static_assert(offsetof(NetNodeRecord, layer) == 5556);
static_assert(offsetof(NetNodeRecord, opaque5704) == 5704);
static_assert(offsetof(NetNodeRecord, opaque5764) == 5764);
static_assert(offsetof(NetNodeRecord, net) == 5796);
static_assert(offsetof(NetNodeRecord, member5912) == 5912);
static_assert(offsetof(NetNodeRecord, pad) == 6020);
static_assert(offsetof(NetNodeRecord, opaque6504) == 6504);
static_assert(offsetof(NetNodeRecord, member6548) == 6548);
static_assert(offsetof(NetNodeRecord, net6684) == 6684);
static_assert(offsetof(NetNodeRecord, symbolPin) == 6800);
static_assert(offsetof(NetNodeRecord, member7296) == 7296);
static_assert(offsetof(NetNodeRecord, opaque7616) == 7616);
static_assert(offsetof(NetNodeRecord, opaque7656) == 7656);
static_assert(offsetof(NetNodeRecord, opaque7700) == 7700);
static_assert(offsetof(NetNodeRecord, member7760) == 7760);
static_assert(offsetof(NetNodeRecord, member8024) == 8024);
static_assert(offsetof(NetNodeRecord, member8188) == 8188);
static_assert(offsetof(NetNodeRecord, member8644) == 8644);
static_assert(offsetof(NetNodeRecord, member8956) == 8956);
static_assert(offsetof(NetNodeRecord, member9268) == 9268);
static_assert(offsetof(NetNodeRecord, opaque9492) == 9492);
static_assert(offsetof(NetNodeRecord, opaque9544) == 9544);
static_assert(offsetof(NetNodeRecord, member9588) == 9588);

// The four node texts the listings read, at the offsets the library fills.
static_assert(offsetof(NetNodeRecord, pad) + offsetof(PadMemberRecord, padRefDes) == 6024);
static_assert(offsetof(NetNodeRecord, pad) + offsetof(PadMemberRecord, pin) +
                  offsetof(PinGroupRecord, pinDes) ==
              6176);
static_assert(offsetof(NetNodeRecord, symbolPin) + offsetof(SymbolPinMemberRecord, symPinRefDes) ==
              6804);
static_assert(offsetof(NetNodeRecord, symbolPin) + offsetof(SymbolPinMemberRecord, pin) +
                  offsetof(PinGroupRecord, pinDes) ==
              6972);

}  // namespace netlist
