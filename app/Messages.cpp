#include "app/Messages.h"

#include "design/ControlCharacters.h"

namespace netlist {

void Tell(std::ostream& out, std::string_view utf8Message) {
    out << kMessagePrefix << TerminalText(utf8Message) << "\n";
}

}  // namespace netlist
