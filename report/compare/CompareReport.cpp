#include "report/compare/CompareReport.h"

#include <algorithm>
#include <climits>

#include "design/UnitText.h"
#include "platform/LocaleText.h"
#include "report/Credits.h"
#include "report/ReportPaths.h"
#include "report/ReportWriter.h"

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

class CompareWriter {
  public:
    explicit CompareWriter(const CompareReportInput& input) : in_(input) {}

    void write(const std::string& path) {
        writer_.open(path);
        writeHeader();
        writeNets();
        writeComponents();
        writeLengths();
        writeSummary();
        writer_.commit();
    }

  private:
    void line(std::initializer_list<PrintItem> items) { writer_.print(items, LineEnd::Ends); }
    void open(std::initializer_list<PrintItem> items) { writer_.print(items, LineEnd::StaysOpen); }

    static std::string kindText(const DesignSnapshot& side) {
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
        if (!in_.diff.componentsCompared)
            line({Item::Text("Components are not compared: a report lists none.")});
        if (in_.lengthUnits && !in_.diff.lengthsCompared)
            line(
                {Item::Text("Net lengths are not compared: they need boards on both sides, "
                            "and a report written with lengths.")});
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
    void pins(const std::vector<std::string>& texts) {
        int column = 0;
        for (const std::string& text : texts) {
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
                line({Item::Text("was"), Item::Number(change.before->pinCount)});
                labelledPins("added", change.added);
                labelledPins("removed", change.removed);
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
                    line({Item::Text("was"), Item::Number(pair.before->pinCount)});
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
        onlyOneSide("NETS ONLY IN OLD", diff.onlyBefore);
        onlyOneSide("NETS ONLY IN NEW", diff.onlyAfter);
    }

    void writeComponents() {
        if (in_.diff.components.empty()) return;
        section("COMPONENTS ADDED, REMOVED OR WITH OTHER PAD COUNTS");
        line({Item::Tab(kNameTab), Item::Text("RefDes"), Item::Tab(kPinTab), Item::Text("OLD pads"),
              Item::Tab(kFirstNodeTab), Item::Text("NEW pads")});
        for (const ComponentChange& change : in_.diff.components) {
            const char* what = !change.padsBefore  ? "added"
                               : !change.padsAfter ? "removed"
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

    void writeSummary() {
        const DesignDiff& diff = in_.diff;
        const std::pair<const char*, std::size_t> kinds[] = {
            {"changed nets", diff.changedNets.size() + diff.countChangedByPinCount()},
            {"renamed nets", diff.renamedNets.size()},
            {"nets only in OLD", diff.onlyBefore.size()},
            {"nets only in NEW", diff.onlyAfter.size()},
            {"components added", diff.countComponents(true, false)},
            {"components removed", diff.countComponents(false, true)},
            {"pad counts changed", diff.countComponents(false, false)},
            {"lengths changed", diff.lengthChanges.size()}};
        std::string summary = "Differences:";
        for (const auto& [kind, count] : kinds)
            summary.append(" ").append(kind).append(" ").append(std::to_string(count)).append(",");
        summary.pop_back();
        line({});
        // The last line ends the page, as a report's does.
        line({Item::Text(summary), Item::PageEnd()});
    }

    const CompareReportInput& in_;
    ReportWriter writer_;
    std::string decimalSeparator_;
};

}  // namespace

void WriteCompareReport(const std::string& path, const CompareReportInput& input) {
    // A failed write drops the temporary file: the target stays as it was.
    CompareWriter(input).write(path);
}

}  // namespace netlist
