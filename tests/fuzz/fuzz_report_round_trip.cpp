// Arbitrary texts made into a design, written as a report and read back: a
// report this program wrote must always read back, hold no control character
// but its line ends and final form feed, and, where no pin text reaches the
// next pin's column and every net shows a name of its own, read back as the
// design it was written from.
//
// The input: the first byte chooses board or schematic and the length unit;
// then one net per line ("\n"), its fields split by "|": the name, then the
// pins, each cut at its first "-" into reference and pin designator. A line
// starting with "#" gives the net a node count of its own, from its next
// four bytes.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <set>
#include <string>
#include <string_view>

#include "design/ControlCharacters.h"
#include "design/FixedText.h"
#include "design/files/DesignFileError.h"
#include "design/standin/StandInLibrary.h"
#include "report/ReportRun.h"
#include "report/compare/DesignDiff.h"
#include "report/compare/ReportReader.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/TestFiles.h"

namespace {

using namespace netlist;

std::string scratchFolder() {
    static const std::string folder = [] {
        // In memory, where the report's flush to the disk costs nothing.
        char pattern[] = "/dev/shm/fuzz-report-round-trip-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        test::Check(made != nullptr);
        return std::string(made);
    }();
    return folder;
}

DesignData designOf(std::string_view input, bool board) {
    DesignData design;
    design.kind = board ? DesignKind::Pcb : DesignKind::Sch;
    design.designPath = scratchFolder() + "/fuzz.pcb";
    std::int32_t id = 0;
    while (!input.empty() && id < 200) {
        const std::size_t end = std::min(input.find('\n'), input.size());
        std::string_view line = input.substr(0, end);
        input.remove_prefix(std::min(end + 1, input.size()));
        DesignNet net;
        net.id = ++id;
        std::optional<std::int32_t> count;
        if (line.size() >= 5 && line[0] == '#') {
            std::int32_t given;
            std::memcpy(&given, line.data() + 1, sizeof given);
            count = given;
            line.remove_prefix(5);
        }
        std::size_t bar = std::min(line.find('|'), line.size());
        net.name = std::string(line.substr(0, bar));
        while (bar < line.size()) {
            line.remove_prefix(bar + 1);
            bar = std::min(line.find('|'), line.size());
            const std::string_view pin = line.substr(0, bar);
            const std::size_t dash = std::min(pin.find('-'), pin.size());
            net.nodes.push_back({std::string(pin.substr(0, dash)),
                                 std::string(pin.substr(std::min(dash + 1, pin.size())))});
        }
        net.nodeCount = count.value_or(static_cast<std::int32_t>(net.nodes.size()));
        net.length = static_cast<std::int32_t>(id * 2540 + static_cast<int>(net.name.size()));
        design.nets.push_back(std::move(net));
    }
    return design;
}

// Whether the reader can tell each net and pin apart: names shown once each,
// pin texts shorter than a pin column and without blanks.
bool readsBackExactly(const DesignData& design) {
    std::set<std::string> names;
    for (const DesignNet& net : design.nets) {
        const std::string name(TrimFixedText(std::string_view(net.name).substr(0, 100)));
        if (!names.insert(WithoutControlCharacters(name)).second) return false;
        for (const DesignNode& node : net.nodes) {
            const std::string text = TrimFixedText(std::string_view(node.refDes).substr(0, 100)) +
                                     "-" +
                                     TrimFixedText(std::string_view(node.pinDes).substr(0, 100));
            if (text.size() >= 12 || text.find(' ') != std::string::npos) return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const bool board = (data[0] & 1) != 0;
    const bool mils = (data[0] & 2) != 0;
    const DesignData design =
        designOf(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1), board);

    StandInLibrary library(design);
    ReportEnvironment environment;
    environment.dateTimeText = [] { return std::string("01.02.2024 13:04:05"); };
    DesignSession session(library);
    ConnectToDesign(session);
    ReportChoices choices;
    if (board) choices.lengths = mils ? NetLengths::Mils : NetLengths::Mm;
    RunProgress unseen;
    const ReportOutcome outcome = WriteReport(session, choices, environment, unseen);
    test::Check(outcome.result == ReportResult::Written);
    const std::string report = test::ReadBytes(outcome.reportPath);

    // Line ends and the final form feed are the only control characters.
    std::string_view body(report);
    test::Check(body.ends_with("End of Report\f\r\n"));
    body.remove_suffix(3);
    for (std::size_t at = 0; at < body.size(); ++at) {
        if (body[at] == '\r')
            test::Check(at + 1 < body.size() && body[++at] == '\n');
        else
            test::Check(!IsControlByte(body[at]));
    }

    DesignSnapshot readBack;
    try {
        readBack = ReadReport(report, "fuzz.wrf");
    } catch (const DesignFileError&) {
        test::Check(false);  // a report of this program that does not read back
    }
    StandInLibrary again(design);
    const SnapshotResult source = TakeSnapshot(again);
    test::Check(readBack.nets.size() == source.snapshot.nets.size());
    if (readsBackExactly(design)) {
        const DesignDiff diff = CompareSnapshots(
            readBack, source.snapshot, board ? std::optional<std::int32_t>(2540) : std::nullopt);
        test::Check(diff.empty());
    }
    return 0;
}
