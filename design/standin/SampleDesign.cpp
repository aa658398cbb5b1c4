#include "design/standin/SampleDesign.h"

#include <filesystem>
#include <utility>

namespace netlist {
namespace {

// A net whose node count is the number of its nodes, as the host reports it.
DesignNet net(std::int32_t id, std::string name, std::int32_t length,
              std::vector<DesignNode> nodes) {
    const auto nodeCount = static_cast<std::int32_t>(nodes.size());
    return DesignNet{id, std::move(name), length, nodeCount, std::move(nodes)};
}

constexpr std::int32_t kTop = 0;
constexpr std::int32_t kBottom = 1;

}  // namespace

// A four-layer RS-485 node with two buffered analog inputs: a 32-pin
// microcontroller, a 3.3 V regulator, a transceiver and a dual op-amp on the
// top side, the passives and test points underneath. Lengths are in database
// units (2540 per mil, 100000 per millimetre); nets that are not routed, such
// as the single-pin ones, have none.
DesignData SampleDesign() {
    // Built by construction, not assignment: g++ 12 misreads short string
    // assignments here as overlapping copies (-Wrestrict).
    std::vector<DesignLayer> layers{
        {"Top", 1},      {"Inner 1 (GND)", 0}, {"Inner 2 (PWR)", 0}, {"Bottom", 1},
        {"Top Silk", 2}, {"Bottom Silk", 2},   {"Board Outline", 3},
    };
    std::vector<DesignComponent> components{
        {"U1", 32, kTop},    {"U2", 3, kTop},     {"U3", 8, kTop},     {"U4", 8, kTop},
        {"J1", 4, kTop},     {"J2", 4, kTop},     {"J3", 10, kTop},    {"J4", 3, kTop},
        {"J5", 12, kTop},    {"Y1", 2, kTop},     {"D1", 2, kTop},     {"D2", 2, kTop},
        {"SW1", 2, kTop},    {"L1", 2, kTop},     {"C1", 2, kBottom},  {"C2", 2, kBottom},
        {"C3", 2, kBottom},  {"C4", 2, kBottom},  {"C5", 2, kBottom},  {"C6", 2, kBottom},
        {"R1", 2, kBottom},  {"R2", 2, kBottom},  {"R3", 2, kBottom},  {"R4", 2, kBottom},
        {"R10", 2, kBottom}, {"R11", 2, kBottom}, {"TP1", 1, kBottom}, {"TP2", 1, kBottom},
    };
    std::vector<DesignNet> nets{
        // Supplies.
        net(1, "GND", 15849600,
            {{"J1", "2"}, {"J2", "3"},  {"J3", "3"},  {"J3", "5"},  {"J3", "9"}, {"J4", "3"},
             {"J5", "2"}, {"U1", "16"}, {"U1", "31"}, {"U1", "32"}, {"U2", "1"}, {"U3", "5"},
             {"C1", "2"}, {"C2", "2"},  {"C3", "2"},  {"C4", "2"},  {"C5", "2"}, {"C6", "2"},
             {"D1", "1"}, {"D2", "1"},  {"SW1", "2"}}),
        net(2, "+5V", 5880100, {{"J1", "4"}, {"J5", "8"}, {"U2", "3"}, {"U3", "8"}, {"C1", "1"}}),
        // clang-format off
        net(3, "+3V3", 12369800,
            {{"U2", "2"}, {"C2", "1"}, {"U1", "1"}, {"U1", "17"}, {"C3", "1"},
             {"R1", "1"}, {"R3", "1"}, {"J3", "1"}, {"J5", "1"}, {"L1", "1"}}),
        // clang-format on
        net(4, "VCCA", 1041400, {{"L1", "2"}, {"U1", "5"}, {"C4", "1"}}),
        net(5, "+12V", 4978400, {{"J1", "1"}, {"U4", "8"}}),
        net(6, "-12V", 5194300, {{"J1", "3"}, {"U4", "4"}}),
        // Clock, reset and the programming header.
        net(10, "OSC_IN", 792480, {{"U1", "2"}, {"Y1", "1"}, {"C5", "1"}}),
        net(11, "OSC_OUT", 756920, {{"U1", "3"}, {"Y1", "2"}, {"C6", "1"}}),
        net(12, "NRST", 6150000, {{"U1", "4"}, {"R3", "2"}, {"SW1", "1"}, {"J3", "10"}}),
        net(13, "SWDIO", 4820000, {{"U1", "23"}, {"J3", "2"}}),
        net(14, "SWCLK", 4790000, {{"U1", "24"}, {"J3", "4"}}),
        net(15, "SWO", 5233000, {{"U1", "26"}, {"J3", "6"}}),
        // RS-485 interface.
        net(20, "RS485_RX", 3006090, {{"U1", "20"}, {"U3", "1"}}),
        net(21, "RS485_TX", 3065780, {{"U1", "19"}, {"U3", "4"}}),
        net(22, "RS485_DRIVER_ENABLE", 3921760, {{"U1", "21"}, {"U3", "2"}, {"U3", "3"}}),
        net(23, "RS485_A", 5613400, {{"U3", "6"}, {"J2", "1"}, {"R4", "1"}}),
        net(24, "RS485_B", 5577840, {{"U3", "7"}, {"J2", "2"}, {"R4", "2"}}),
        net(25, "SHIELD", 0, {{"J2", "4"}}),
        // Status and power LEDs; the names are the ones the schematic gave unnamed nets.
        net(30, "NET1", 673100, {{"R1", "2"}, {"D1", "2"}}),
        net(31, "NET2", 3637280, {{"U1", "12"}, {"R2", "1"}}),
        net(32, "NET10", 474980, {{"R2", "2"}, {"D2", "2"}}),
        // Analog inputs, buffered by U4.
        net(40, "AIN1", 1875000, {{"J4", "1"}, {"R10", "1"}}),
        net(41, "BUF1_IN", 635000, {{"R10", "2"}, {"U4", "3"}}),
        net(42, "BUF1_OUT", 910000, {{"U4", "1"}, {"U4", "2"}, {"R11", "1"}}),
        net(43, "A1", 3140000, {{"R11", "2"}, {"U1", "7"}}),
        net(44, "AIN2", 2286000, {{"J4", "2"}, {"U4", "5"}}),
        net(45, "A05", 3505000, {{"U4", "6"}, {"U4", "7"}, {"U1", "11"}}),
        // Pins and test points that lead nowhere else.
        net(50, "TP1", 0, {{"TP1", "1"}}),
        net(51, "TP2", 0, {{"TP2", "1"}}),
        net(52, "SPARE_PB7", 0, {{"U1", "30"}}),
        net(53, "MCO", 0, {{"U1", "27"}}),
        // Expansion header J5.
        net(60, "PA2", 4762500, {{"U1", "8"}, {"J5", "3"}}),
        net(61, "PA3", 4831080, {{"U1", "9"}, {"J5", "4"}}),
        net(62, "PA10", 5750560, {{"U1", "22"}, {"J5", "5"}}),
        net(63, "I2C1_SCL", 6225540, {{"U1", "29"}, {"J5", "6"}}),
        net(64, "I2C1_SDA", 6319520, {{"U1", "28"}, {"J5", "7"}}),
        net(65, "SPI1_SCK", 5113020, {{"U1", "13"}, {"J5", "9"}}),
        net(66, "SPI1_MOSI", 5199380, {{"U1", "15"}, {"J5", "10"}}),
        net(67, "SPI1_MISO", 5270500, {{"U1", "14"}, {"J5", "11"}}),
        net(68, "SPI1_NSS", 5410200, {{"U1", "10"}, {"J5", "12"}}),
    };
    return DesignData{
        .kind = DesignKind::Pcb,
        .designPath = (std::filesystem::current_path() / "sample-board.pcb").string(),
        .title = "RS-485 analog input node",
        .engineer = "K. Brandt",
        .revision = "C",
        .layers = std::move(layers),
        .components = std::move(components),
        .nets = std::move(nets),
    };
}

}  // namespace netlist
