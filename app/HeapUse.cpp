#include "app/HeapUse.h"

#include <malloc.h>

namespace netlist {

void KeepFreedMemoryForTheRun() {
    // Large blocks come from the heap rather than from mappings of their
    // own (up to the largest threshold glibc takes), and free memory at the
    // heap's top is not trimmed.
    mallopt(M_MMAP_THRESHOLD, 32 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
}

}  // namespace netlist
