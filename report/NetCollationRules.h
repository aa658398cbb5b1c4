// The tailoring of the net order, shared by the collator and by the build
// tool that compiles it ahead of time (report/tools/CompileNetCollation.cpp).
#pragma once

namespace netlist {

// "~" moves before every other punctuation mark and symbol ("_" is the first
// of them), after the blanks: the "~~~" of single-node nets then opens the
// list even when other names begin with "/", "_" or "(".
// Hyphen and apostrophe become primary-ignorable: they weigh only at the
// secondary level, so they decide between texts that are otherwise equal.
inline constexpr char16_t kNetTailoring[] = u"&[before 1]'_'<'~'&[last primary ignorable]<<'-'<<''";

}  // namespace netlist
