// Whether two net names name the same net, where one of them may be cut
// short by a bare-board netlist's exporter. Such a file has 14 columns for a
// name: KiCad keeps a long name's last 14 characters, upper-cased and with
// "?" for each blank (and, where two names come out alike, ends the later
// one with "#" and a number instead), other exporters keep the first 14.
#pragma once

#include <cstddef>
#include <string_view>

namespace netlist {

constexpr std::size_t kBareBoardNameWidth = 14;

// name: a net's name as a design holds it. written: a name of the other
// side, as a bare-board netlist wrote it when writtenByExporter.
bool SameNetName(std::string_view name, std::string_view written, bool writtenByExporter);

}  // namespace netlist
