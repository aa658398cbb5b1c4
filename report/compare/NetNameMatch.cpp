#include "report/compare/NetNameMatch.h"

#include <string>

namespace netlist {
namespace {

// Upper-cased, with "?" for blanks: as KiCad writes a name, and what a
// writer that keeps the case compares with regardless of it.
std::string spelled(std::string_view text) {
    std::string spelt(text);
    for (char& c : spelt) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (c == ' ') c = '?';
    }
    return spelt;
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
    const std::string full = spelled(name);
    const std::string_view base = withoutClashSuffix(written);
    const std::string cut = spelled(base);
    if (cut == full) return true;
    // A part of a longer name: one that fills the field, or one the clash
    // suffix shortened.
    const bool shortened = written.size() == kBareBoardNameWidth || base.size() < written.size();
    return shortened && !cut.empty() && full.size() > cut.size() &&
           (full.ends_with(cut) || full.starts_with(cut));
}

}  // namespace netlist
