// The heap of a run that ends soon. A compare reads one design, lets it go,
// reads the other and compares them: memory freed between those steps is
// kept in the process for the next one, rather than handed back to the
// system and faulted in again page by page.
#pragma once

namespace netlist {

void KeepFreedMemoryForTheRun();

}  // namespace netlist
