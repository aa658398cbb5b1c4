#include "app/HeapUse.h"

namespace netlist {

// The Windows heap keeps freed memory for reuse on its own.
void KeepFreedMemoryForTheRun() {}

}  // namespace netlist
