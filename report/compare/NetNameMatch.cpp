#include "report/compare/NetNameMatch.h"

namespace netlist {
namespace {

// Upper-cased, with "?" for blanks: as KiCad writes a name, and what a
// writer that keeps the case compares with regardless of it.
char spelled(char c) {
    if (c >= 'a' && c <= 'z') return static_cast<char>(c - 'a' + 'A');
    return c == ' ' ? '?' : c;
}

// Compared a character at a time, without a copy: a compare weighs the
// names of every pair of nets that share pins.
bool spelledAlike(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (spelled(a[i]) != spelled(b[i])) return false;
    return true;
}

// The name without a clash suffix ("#" and digits), if it has one.
std::string_view withoutClashSuffix(std::string_view written) {
    const std::size_t hash = written.rfind('#');
    if (hash == std::string_view::npos || hash == 0 || hash + 1 == written.size()) return written;
    for (const char c : written.substr(hash + 1))
        if (c < '0' || c > '9') return written;
    return written.substr(0, hash);
}

}  // namespace

bool SameNetName(std::string_view name, std::string_view written, bool writtenByExporter) {
    if (name == written) return true;
    if (!writtenByExporter) return false;
    const std::string_view cut = withoutClashSuffix(written);
    if (spelledAlike(name, cut)) return true;
    // A part of a longer name: one that fills the field, or one the clash
    // suffix shortened.
    const bool shortened = written.size() == kBareBoardNameWidth || cut.size() < written.size();
    return shortened && !cut.empty() && name.size() > cut.size() &&
           (spelledAlike(name.substr(name.size() - cut.size()), cut) ||
            spelledAlike(name.substr(0, cut.size()), cut));
}

}  // namespace netlist
