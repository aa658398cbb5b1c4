// Reads a net's pin texts back from the lines a report lists them on, by the
// rule the writer lays them out with. Each text starts at its stop (column
// 30, 42, 54 or 66 in turn, four to a line). A text of 12 characters or
// fewer ends within its stop's 12 columns, and the next text follows on the
// same line; a longer one runs on, and the next text starts the following
// line at the stop where it belongs (a line of blanks up to that stop when
// no text follows). So where each line's texts end is told by where the
// next line starts, and only the last of a net's texts can leave a cut in
// doubt: one too long for its stop, followed by the net's length on a line
// of its own. The printed pin count settles that one when it can.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace netlist {

struct PinTexts {
    std::vector<std::string> pins;
    // The lines fit no layout of the writer's, or more than one with the
    // count given: the pins are a best guess.
    bool ambiguous = false;
};

// lines: each of the net's pin lines from column 30 on, the last one without
// the net's length. lengthFollows: the last line held the length. count: the
// pin count the net's row states.
PinTexts ReadPinTexts(const std::vector<std::string_view>& lines, bool lengthFollows,
                      std::int64_t count);

}  // namespace netlist
