// Two arbitrary sides compared, and the compare report written. Besides
// running clean, the comparison must hold these, whatever the input:
// - a side compared with itself does not differ;
// - the connectivity lists do not depend on the order the sides list their
//   nets and pins in;
// - swapping the sides swaps them: a join one way is a split the other, a
//   pin only in OLD one way is a pin only in NEW the other.
//
// The input: the first byte chooses each side's kind (board, schematic or
// bare-board netlist) and whether lengths are compared; then one net per
// line ("\n"), its name and its pins ("RefDes-PinDes" texts) split by "|",
// the lines of OLD before a line "=" and those of NEW after it. A line
// "@REF|PADS" is a component. Inputs whose length is a multiple of 4 also
// write the compare report.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "report/compare/CompareReport.h"
#include "report/compare/DesignDiff.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace netlist;

const std::string& reportPath() {
    static const std::string path = [] {
        // In memory, where writing the report costs little.
        char pattern[] = "/dev/shm/fuzz-compare-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        test::Check(made != nullptr);
        return std::string(made) + "/fuzz.cmp";
    }();
    return path;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t end = text.find(separator);
        parts.push_back(text.substr(0, end));
        if (end == std::string_view::npos) return parts;
        text.remove_prefix(end + 1);
    }
}

void setKind(DesignSnapshot& side, unsigned choice) {
    side.kind = choice == 1 ? "Schmatic" : "Pcb";
    side.bareBoardNetlist = choice == 2;
}

std::vector<std::string> rendered(const std::vector<NetGroup>& groups, char tag) {
    std::vector<std::string> texts;
    for (const NetGroup& group : groups) {
        std::string text = std::string(1, tag) + group.net->name;
        for (const NetShare& part : group.parts)
            text += "|" + part.net->name + ":" + std::to_string(part.pins);
        texts.push_back(text);
    }
    return texts;
}

std::vector<std::string> rendered(const std::vector<NetPins>& nets) {
    std::vector<std::string> texts;
    for (const NetPins& net : nets)
        for (const std::string& pin : net.pins) texts.push_back(net.net->name + "|" + pin);
    return texts;
}

// The connectivity lists as texts, OLD's nets first in each.
struct Connections {
    std::vector<std::string> joined, split, moved, onlyBefore, onlyAfter, renamed;

    Connections(const DesignDiff& diff, bool swapped) {
        joined = rendered(swapped ? diff.splitNets : diff.joinedNets, 'J');
        split = rendered(swapped ? diff.joinedNets : diff.splitNets, 'S');
        for (const MovedPin& pin : diff.movedPins)
            moved.push_back(pin.pin + "|" + (swapped ? pin.to : pin.from)->name + "|" +
                            (swapped ? pin.from : pin.to)->name);
        onlyBefore = rendered(swapped ? diff.pinsOnlyAfter : diff.pinsOnlyBefore);
        onlyAfter = rendered(swapped ? diff.pinsOnlyBefore : diff.pinsOnlyAfter);
        for (const NetPair& pair : diff.probablyRenamed)
            renamed.push_back((swapped ? pair.after : pair.before)->name + "|" +
                              (swapped ? pair.before : pair.after)->name);
    }
    void sortEach() {
        for (auto* list : {&joined, &split, &moved, &onlyBefore, &onlyAfter, &renamed})
            std::sort(list->begin(), list->end());
    }
    bool operator==(const Connections&) const = default;
};

DesignSnapshot reversed(DesignSnapshot side) {
    std::reverse(side.nets.begin(), side.nets.end());
    for (SnapshotNet& net : side.nets) {
        std::vector<std::string> pins = net.pins.texts();
        std::reverse(pins.begin(), pins.end());
        net.pins = PinList(pins);
    }
    return side;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0 || size > 4096) return 0;
    DesignSnapshot before, after;
    setKind(before, data[0] % 3);
    setKind(after, (data[0] / 3) % 3);
    const bool lengths = (data[0] & 0x80) != 0;
    DesignSnapshot* side = &before;
    for (const std::string_view line :
         split(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), '\n')) {
        if (line == "=") {
            side = &after;
            continue;
        }
        std::vector<std::string_view> fields = split(line, '|');
        if (line.starts_with('@')) {
            side->components.push_back(
                {std::string(fields[0].substr(1)),
                 static_cast<std::int32_t>(fields.size() > 1 ? fields[1].size() : 0)});
            continue;
        }
        SnapshotNet net;
        net.name = std::string(fields[0]);
        for (std::size_t i = 1; i < fields.size(); ++i) net.pins.push_back(fields[i]);
        net.pinCount = static_cast<std::int32_t>(net.pins.size());
        if (side->isBoard() && !side->bareBoardNetlist) net.length = 2540 * net.name.size();
        side->nets.push_back(std::move(net));
    }
    const std::optional<std::int32_t> units =
        lengths ? std::optional<std::int32_t>(2540) : std::nullopt;

    const DesignDiff diff = CompareSnapshots(before, after, units);
    test::Check(CompareSnapshots(before, before, units).empty());

    const DesignSnapshot beforeReversed = reversed(before), afterReversed = reversed(after);
    const DesignDiff reordered = CompareSnapshots(beforeReversed, afterReversed, units);
    test::Check(Connections(diff, false) == Connections(reordered, false));
    test::Check(diff.empty() == reordered.empty());

    Connections forth(diff, false), back(CompareSnapshots(after, before, units), true);
    forth.sortEach();
    back.sortEach();
    test::Check(forth == back);

    // Writing the report costs most of a run (its buffer is a fresh mapping
    // each time under the sanitizers): one input in four writes it.
    if (size % 4 == 0)
        WriteCompareReport(reportPath(), {before, after, diff, "old", "new", "now", units, "mils"});
    return 0;
}
