#include "design/files/ipc/FeatureRecord.h"

#include <string>

namespace netlist::ipc {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Plain loops: every feature record has a dozen short fields to check.
bool allDigits(std::string_view text) {
    for (const char c : text)
        if (!isDigit(c)) return false;
    return true;
}

bool allBlank(std::string_view text) {
    for (const char c : text)
        if (c != ' ') return false;
    return true;
}

std::string_view trimmed(std::string_view text) {
    std::size_t first = 0, end = text.size();
    while (first < end && text[first] == ' ') ++first;
    while (end > first && text[end - 1] == ' ') --end;
    return text.substr(first, end - first);
}

// A letter followed by digits at fixed columns, as in "A01" or "X0350".
bool isTagged(std::string_view field, char tag, std::size_t digits) {
    return field.size() == digits + 1 && field.front() == tag && allDigits(field.substr(1));
}

// "X+012345": the letter, a sign (or a blank) and six digits.
bool isCoordinate(std::string_view field, char axis) {
    return field.size() == 8 && field[0] == axis &&
           (field[1] == '+' || field[1] == '-' || field[1] == ' ') && allDigits(field.substr(2));
}

class FieldChecker {
  public:
    FieldChecker(const Record& record, const RecordFile& file) : record_(record), file_(file) {}

    std::string_view field(std::size_t first, std::size_t last) const {
        return record_.columns(first, last);
    }

    void require(bool holds, std::size_t first, std::size_t last, std::string_view what) const {
        if (holds) return;
        file_.fail(record_, first,
                   "expected " + std::string(what) + " in columns " + std::to_string(first) +
                       " to " + std::to_string(last) + ", " + Found(field(first, last)));
    }

  private:
    const Record& record_;
    const RecordFile& file_;
};

}  // namespace

std::optional<FeatureKind> FeatureKindOf(const Record& record) {
    const std::string_view code = record.columns(1, 3);
    if (code == "317") return FeatureKind::PlatedHole;
    if (code == "327") return FeatureKind::SurfacePad;
    if (code == "367") return FeatureKind::UnplatedHole;
    return std::nullopt;
}

Feature ReadFeature(const Record& record, FeatureKind kind, const RecordFile& file) {
    const FieldChecker check(record, file);
    Feature feature;
    feature.kind = kind;
    feature.netName = trimmed(check.field(4, 17));
    feature.refDes = trimmed(check.field(21, 26));
    feature.pin = trimmed(check.field(28, 31));

    const char dash = record.at(27);
    if (dash != '-' && dash != ' ')
        file.fail(record, 27,
                  "expected \"-\" or a blank in column 27, between the reference and the pin, " +
                      Found(check.field(27, 27)));
    const char midPoint = record.at(32);
    if (midPoint != 'M' && midPoint != ' ')
        file.fail(record, 32,
                  "expected the mid-point mark \"M\" or a blank in column 32, " +
                      Found(check.field(32, 32)));
    const std::string_view hole = check.field(33, 38);
    check.require(allBlank(hole) || (isTagged(hole.substr(0, 5), 'D', 4) &&
                                     (hole.size() == 6 && (hole[5] == 'P' || hole[5] == 'U'))),
                  33, 38, "the hole (\"D\", four digits, \"P\" or \"U\") or blanks");
    const std::string_view access = check.field(39, 41);
    check.require(isTagged(access, 'A', 2), 39, 41, "the access (\"A\" and two digits)");
    feature.access = (access[1] - '0') * 10 + (access[2] - '0');
    check.require(isCoordinate(check.field(42, 49), 'X'), 42, 49,
                  "the X coordinate (\"X\", a sign and six digits)");
    check.require(isCoordinate(check.field(50, 57), 'Y'), 50, 57,
                  "the Y coordinate (\"Y\", a sign and six digits)");
    // The size and rotation may be left out; round features leave out the height.
    const std::string_view width = check.field(58, 62);
    const std::string_view height = check.field(63, 67);
    const std::string_view rotation = check.field(68, 71);
    if (!allBlank(check.field(58, 71))) {
        check.require(isTagged(width, 'X', 4), 58, 62, "the width (\"X\" and four digits)");
        check.require(allBlank(height) || isTagged(height, 'Y', 4), 63, 67,
                      "the height (\"Y\" and four digits) or blanks");
        check.require(allBlank(rotation) || isTagged(rotation, 'R', 3), 68, 71,
                      "the rotation (\"R\" and three digits) or blanks");
    }
    return feature;
}

}  // namespace netlist::ipc
