// Small designs and record readers shared by the stand-in library's tests.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "design/standin/DesignData.h"

namespace netlist::testing {

// Three nets (ids 7, 3, 12, in this walk order), two layers, two components.
inline DesignData SmallDesign(DesignKind kind) {
    DesignData design;
    design.kind = kind;
    design.designPath = "C:\\Designs\\amp.pcb";
    design.title = "Amplifier";
    design.engineer = "E. Engineer";
    design.revision = "B";
    design.layers = {{"Top", 1}, {"Silk", 2}};
    design.components = {{"U1", 14, 0}, {"R1", 2, 5}};
    design.nets = {
        {7, "GND", 254000, 2, {{"U1", "7"}, {"R1", "2"}}},
        {3, "VIN", 0, 1, {{"U1", "1"}}},
        {12, "OUT", -5, 9, {{"U1", "14"}, {"R1", "1"}, {"U1", "13"}}},
    };
    return design;
}

// A record's raw bytes, read at the offsets of the library's layout.
template <typename Record>
std::string_view BytesAt(const Record& record, std::size_t offset, std::size_t size) {
    return std::string_view(reinterpret_cast<const char*>(&record) + offset, size);
}

template <typename Record>
std::int32_t Int32At(const Record& record, std::size_t offset) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&record) + offset;
    const std::uint32_t value = std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 |
                                std::uint32_t{bytes[2]} << 16 | std::uint32_t{bytes[3]} << 24;
    return static_cast<std::int32_t>(value);
}

// The text of a 100-byte field as the program reads it: up to the first NUL.
template <typename Record>
std::string TextAt(const Record& record, std::size_t offset) {
    const std::string_view field = BytesAt(record, offset, 100);
    return std::string(field.substr(0, field.find('\0')));
}

// A record full of a byte the library never writes, to see what it fills.
template <typename Record>
Record Scribbled() {
    Record record;
    std::memset(&record, 0xCC, sizeof record);
    return record;
}

}  // namespace netlist::testing
