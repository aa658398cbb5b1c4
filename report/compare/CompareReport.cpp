#include "report/compare/CompareReport.h"

#include <algorithm>
#include <climits>

#include "design/UnitText.h"
#include "platform/LocaleText.h"
#include "report/Credits.h"
#include "report/ReportPaths.h"
#include "report/ReportWriter.h"
#include "report/compare/SideRole.h"

namespace netlist {
namespace {

using Item = PrintItem;

constexpr int kLabelValueTab = 16;
constexpr int kLabelNumberTab = 15;
constexpr int kAfterValueTab = 56;
constexpr int kAfterNumberTab = 55;
constexpr int kTitleTab = 35;
constexpr int kNameTab = 9;
constexpr int kCountTab = 24;
constexpr int kPinTab = 30;
constexpr int kFirstNodeTab = 42;
constexpr int kNodeTabStep = 12;
constexpr int kLastNodeOffset = 36;
constexpr int kBeforeLengthTab = 30;
constexpr int kAfterLengthTab = 54;
constexpr int kChangeTab = 78;
const std::string kRule(89, '-');

std::string upperCase(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

// How the report names a side: OLD and NEW, or, for a board against a
// netlist, the board and the netlist, so that nothing reads backwards when
// the netlist is the newer one.
struct SideWords {
    std::string name;  // "OLD", "board", "netlist"
    std::string in;    // "in OLD", "on the board", "in the netlist"
    std::string of;    // "of OLD", "of the board", "of the netlist"
    std::string only;  // "only in OLD", "on the board only", "in the netlist only"
};

SideWords wordsFor(const DesignSnapshot& side, const char* oldOrNew, bool named) {
    if (!named)
        return {oldOrNew, std::string("in ") + oldOrNew, std::string("of ") + oldOrNew,
                std::string("only in ") + oldOrNew};
    if (RoleOf(side) == SideRole::Board)
        return {"board", "on the board", "of the board", "on the board only"};
    return {"netlist", "in the netlist", "of the netlist", "in the netlist only"};
}

class CompareWriter {
  public:
    explicit CompareWriter(const CompareReportInput& input)
        : in_(input),
          named_(BoardAgainstNetlist(input.before, input.after)),
          old_(wordsFor(input.before, "OLD", named_)),
          new_(wordsFor(input.after, "NEW", named_)) {}

    void write(const std::string& path) {
        writer_.open(path);
        writeHeader();
        writeNets();
        writeComponents();
        writeLengths();
        writeConnectivity();
        writeSummary();
        writer_.commit();
    }

  private:
    void line(std::initializer_list<PrintItem> items) { writer_.print(items, LineEnd::Ends); }
    void open(std::initializer_list<PrintItem> items) { writer_.print(items, LineEnd::StaysOpen); }

    static std::string kindText(const DesignSnapshot& side) {
        if (side.bareBoardNetlist) return "IPC-D-356 netlist";
        if (!side.fromReport) return side.kind;
        return side.kind.empty() ? "report" : side.kind + " report";
    }

    void sideBySide(std::string_view label, std::string_view before, std::string_view after) {
        line({Item::Text(label), Item::Tab(kLabelValueTab), Item::Text(before),
              Item::Tab(kAfterValueTab), Item::Text(after)});
    }
    void sideBySide(std::string_view label, std::optional<std::int64_t> before,
                    std::optional<std::int64_t> after) {
        line({Item::Text(label), Item::Tab(kLabelNumberTab), Item::Value(before),
              Item::Tab(kAfterNumberTab), Item::Value(after)});
    }

    void writeHeader() {
        const DesignSnapshot& a = in_.before;
        const DesignSnapshot& b = in_.after;
        line({Item::Text("Created By"), Item::Tab(kLabelValueTab), Item::Text(kCreatedByText)});
        line({Item::Text("Email"), Item::Tab(kLabelValueTab), Item::Text(kContactText)});
        line({Item::Text("Compared"), Item::Tab(kLabelValueTab), Item::Text(in_.dateTimeText)});
        line({Item::Tab(kTitleTab), Item::Text("NETLIST COMPARE REPORT")});
        line({Item::Text(kRule)});
        sideBySide("", "OLD", "NEW");
        sideBySide("File", in_.beforeFile.substr(FileNameStart(in_.beforeFile)),
                   in_.afterFile.substr(FileNameStart(in_.afterFile)));
        sideBySide("Design Name", a.designName, b.designName);
        sideBySide("Kind", kindText(a), kindText(b));
        sideBySide("Title ", a.title, b.title);
        sideBySide("Revision", a.revision, b.revision);
        sideBySide("Date", a.date, b.date);
        sideBySide("Components", a.componentCount, b.componentCount);
        sideBySide("Number of Nets", a.netCount, b.netCount);
        sideBySide("Total Pads", a.pads, b.pads);
        sideBySide("Connected Pins", a.connectedPins, b.connectedPins);
        if (a.isBoard() || b.isBoard()) sideBySide("layers", a.layers, b.layers);
        line({Item::Text(kRule)});
        if (!in_.diff.namesCompared) {
            line(
                {Item::Text("Nets are matched by their pins: an IPC-D-356 netlist cuts names, "
                            "references and pins short.")});
            line(
                {Item::Text("Components are not compared: an IPC-D-356 netlist lists only "
                            "pads with copper, under references cut short.")});
            if (in_.lengthUnits)
                line({Item::Text("Net lengths are not compared: an IPC-D-356 netlist has none.")});
        } else {
            if (!in_.diff.componentsCompared)
                line({Item::Text("Components are not compared: a report lists none.")});
            if (in_.lengthUnits && !in_.diff.lengthsCompared)
                line(
                    {Item::Text("Net lengths are not compared: they need boards on both sides, "
                                "and a report written with lengths.")});
        }
        if (in_.diff.empty()) line({Item::Text("The designs do not differ.")});
    }

    void section(std::string_view title) {
        line({});
        line({Item::Tab(kTitleTab), Item::Text(title)});
        line({Item::Text(kRule)});
    }

    // A net row as the report writes it, left open at column 30.
    void netRow(std::int64_t number, const SnapshotNet& net) {
        line({Item::Tab(0), Item::Text("")});
        open({Item::Tab(0), Item::Text(net.pinCount == 1 ? "W" : " "), Item::Tab(2),
              Item::Number(number), Item::Tab(kNameTab), Item::Text(net.name), Item::Tab(kCountTab),
              Item::Number(net.pinCount), Item::Tab(kPinTab)});
    }

    // Pins from column 30 of the open line on, four to a line, as the
    // report lists them; ends the line.
    template <typename Texts>
    void pins(const Texts& texts) {
        int column = 0;
        for (const std::string_view text : texts) {
            if (column > kLastNodeOffset) {
                open({Item::Tab(kPinTab)});
                column = 0;
            }
            open({Item::Text(text), Item::Tab(column + kFirstNodeTab)});
            column += kNodeTabStep;
        }
        line({});
    }

    void labelledPins(std::string_view label, const std::vector<std::string>& texts) {
        if (texts.empty()) return;
        open({Item::Tab(kNameTab), Item::Text(label), Item::Tab(kPinTab)});
        pins(texts);
    }

    void ambiguityNote() {
        line({Item::Tab(kNameTab),
              Item::Text("pins cut ambiguously: a pin text of 12 or more characters in OLD")});
    }

    void writeNets() {
        const DesignDiff& diff = in_.diff;
        if (!diff.changedNets.empty()) {
            section("NETS WHOSE PINS CHANGED");
            std::int64_t number = 0;
            for (const ChangedNet& change : diff.changedNets) {
                netRow(++number, *change.after);
                line({Item::Text(named_ ? old_.name : "was"),
                      Item::Number(change.before->pinCount)});
                labelledPins(named_ ? new_.only : "added", change.added);
                labelledPins(named_ ? old_.only : "removed", change.removed);
            }
        }
        if (!diff.countOnlyNets.empty()) {
            section("NETS COMPARED BY PIN COUNT ONLY");
            std::int64_t number = 0;
            for (const NetPair& pair : diff.countOnlyNets) {
                netRow(++number, *pair.after);
                if (pair.before->pinCount == pair.after->pinCount)
                    line({Item::Text("same pin count")});
                else
                    line({Item::Text(named_ ? old_.name : "was"),
                          Item::Number(pair.before->pinCount)});
                ambiguityNote();
            }
        }
        if (!diff.renamedNets.empty()) {
            section("RENAMED NETS (THE SAME PINS)");
            std::int64_t number = 0;
            for (const NetPair& pair : diff.renamedNets) {
                netRow(++number, *pair.before);
                line({Item::Text("now "), Item::Text(pair.after->name)});
            }
        }
        const auto onlyOneSide = [&](std::string_view title,
                                     const std::vector<const SnapshotNet*>& nets) {
            if (nets.empty()) return;
            section(title);
            std::int64_t number = 0;
            for (const SnapshotNet* net : nets) {
                netRow(++number, *net);
                pins(net->pins);
                if (net->pinsAmbiguous) ambiguityNote();
            }
        };
        onlyOneSide("NETS " + upperCase(old_.only), diff.onlyBefore);
        onlyOneSide("NETS " + upperCase(new_.only), diff.onlyAfter);
    }

    void writeComponents() {
        if (in_.diff.components.empty()) return;
        section(named_ ? "COMPONENTS ON ONE SIDE ONLY OR WITH OTHER PAD COUNTS"
                       : "COMPONENTS ADDED, REMOVED OR WITH OTHER PAD COUNTS");
        line({Item::Tab(kNameTab), Item::Text("RefDes"), Item::Tab(kPinTab),
              Item::Text(named_ ? old_.name : "OLD pads"), Item::Tab(kFirstNodeTab),
              Item::Text(named_ ? new_.name : "NEW pads")});
        for (const ComponentChange& change : in_.diff.components) {
            const std::string what = !change.padsBefore  ? (named_ ? new_.name : "added")
                                     : !change.padsAfter ? (named_ ? old_.name : "removed")
                                                         : "pads";
            const auto value = [](std::optional<std::int32_t> pads) {
                return pads ? Item::Number(*pads) : Item::Nothing();
            };
            line({Item::Text(what), Item::Tab(kNameTab), Item::Text(change.refDes),
                  Item::Tab(kPinTab - 1), value(change.padsBefore), Item::Tab(kFirstNodeTab - 1),
                  value(change.padsAfter)});
        }
    }

    std::string lengthText(std::int64_t units) const {
        const auto clamped =
            static_cast<std::int32_t>(std::clamp<std::int64_t>(units, INT32_MIN, INT32_MAX));
        return FormatUnits(clamped, *in_.lengthUnits, decimalSeparator_) + " " + in_.lengthUnitName;
    }

    void writeLengths() {
        if (in_.diff.lengthChanges.empty()) return;
        decimalSeparator_ = LocaleDecimalSeparator();
        section("NET LENGTHS CHANGED");
        line({Item::Tab(kNameTab), Item::Text("NetName"), Item::Tab(kBeforeLengthTab),
              Item::Text("OLD"), Item::Tab(kAfterLengthTab), Item::Text("NEW"),
              Item::Tab(kChangeTab), Item::Text("Change")});
        std::int64_t number = 0;
        for (const NetPair& pair : in_.diff.lengthChanges) {
            const std::int64_t before = *pair.before->length, after = *pair.after->length;
            std::string change(after > before ? 1 : 0, '+');
            change.append(lengthText(after - before));
            line({Item::Tab(2), Item::Number(++number), Item::Tab(kNameTab),
                  Item::Text(pair.after->name), Item::Tab(kBeforeLengthTab),
                  Item::Text(lengthText(before)), Item::Tab(kAfterLengthTab),
                  Item::Text(lengthText(after)), Item::Tab(kChangeTab), Item::Text(change)});
        }
    }

    // A net and the nets of the other side it holds most of the pins of,
    // each with the number of its pins there.
    void netGroups(std::string_view title, std::string_view holds,
                   const std::vector<NetGroup>& groups) {
        if (groups.empty()) return;
        section(title);
        std::int64_t number = 0;
        for (const NetGroup& group : groups) {
            netRow(++number, *group.net);
            line({Item::Text(holds)});
            for (const NetShare& part : group.parts)
                line({Item::Tab(kNameTab), Item::Text(part.net->name), Item::Tab(kCountTab),
                      Item::Number(static_cast<std::int64_t>(part.pins))});
        }
    }

    void pinsOnOneSide(const SideWords& side, const std::vector<NetPins>& nets) {
        if (nets.empty()) return;
        section("PINS " + upperCase(side.only));
        std::int64_t number = 0;
        for (const NetPins& net : nets) {
            line({Item::Tab(0), Item::Text("")});
            open({Item::Tab(2), Item::Number(++number), Item::Tab(kNameTab),
                  Item::Text(net.net->name), Item::Tab(kCountTab),
                  Item::Number(static_cast<std::int64_t>(net.pins.size())), Item::Tab(kPinTab)});
            pins(net.pins);
        }
    }

    void writeConnectivity() {
        const DesignDiff& diff = in_.diff;
        netGroups("NETS JOINED " + upperCase(new_.in), "joins these nets " + old_.of + ":",
                  diff.joinedNets);
        netGroups("NETS SPLIT " + upperCase(new_.in), "is split into these nets " + new_.of + ":",
                  diff.splitNets);
        if (!diff.movedPins.empty()) {
            section("PINS MOVED");
            line({Item::Tab(kNameTab), Item::Text("Pin"), Item::Tab(kPinTab),
                  Item::Text(named_ ? "Net " + old_.in : "Net in OLD"), Item::Tab(kAfterLengthTab),
                  Item::Text(named_ ? "Net " + new_.in : "Net in NEW")});
            std::int64_t number = 0;
            for (const MovedPin& moved : diff.movedPins)
                line({Item::Tab(2), Item::Number(++number), Item::Tab(kNameTab),
                      Item::Text(moved.pin), Item::Tab(kPinTab), Item::Text(moved.from->name),
                      Item::Tab(kAfterLengthTab), Item::Text(moved.to->name)});
        }
        pinsOnOneSide(old_, diff.pinsOnlyBefore);
        pinsOnOneSide(new_, diff.pinsOnlyAfter);
        if (!diff.probablyRenamed.empty()) {
            section("NETS PROBABLY RENAMED (A HINT, NOT A DIFFERENCE)");
            std::int64_t number = 0;
            for (const NetPair& pair : diff.probablyRenamed) {
                netRow(++number, *pair.before);
                line({Item::Text("probably now "), Item::Text(pair.after->name)});
            }
        }
    }

    void writeSummary() {
        const DesignDiff& diff = in_.diff;
        const auto label = [](std::string_view what, const SideWords& side) {
            return std::string(what) + " " + side.only;
        };
        const std::pair<std::string, std::size_t> kinds[] = {
            {"changed nets", diff.changedNets.size() + diff.countChangedByPinCount()},
            {"renamed nets", diff.renamedNets.size()},
            {label("nets", old_), diff.onlyBefore.size()},
            {label("nets", new_), diff.onlyAfter.size()},
            {named_ ? label("components", new_) : "components added",
             diff.countComponents(true, false)},
            {named_ ? label("components", old_) : "components removed",
             diff.countComponents(false, true)},
            {"pad counts changed", diff.countComponents(false, false)},
            {"lengths changed", diff.lengthChanges.size()},
            {"nets joined", diff.joinedNets.size()},
            {"nets split", diff.splitNets.size()},
            {"pins moved", diff.movedPins.size()},
            {label("pins", old_), DesignDiff::countPins(diff.pinsOnlyBefore)},
            {label("pins", new_), DesignDiff::countPins(diff.pinsOnlyAfter)}};
        std::string summary = "Differences:";
        for (const auto& [kind, count] : kinds)
            summary.append(" ").append(kind).append(" ").append(std::to_string(count)).append(",");
        summary.pop_back();
        line({});
        // The last line ends the page, as a report's does.
        line({Item::Text(summary), Item::PageEnd()});
    }

    const CompareReportInput& in_;
    const bool named_;
    const SideWords old_;
    const SideWords new_;
    ReportWriter writer_;
    std::string decimalSeparator_;
};

}  // namespace

void WriteCompareReport(const std::string& path, const CompareReportInput& input) {
    // A failed write drops the temporary file: the target stays as it was.
    CompareWriter(input).write(path);
}

}  // namespace netlist
