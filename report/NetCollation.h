// The order of the net list: the user's locale's collation, case-insensitive,
// with "-" and "'" weighing nothing except to break ties, punctuation and
// symbols before digits, digits before letters, and "~" before every other
// punctuation mark and symbol.
#pragma once

#include <string>
#include <string_view>

namespace netlist {

// A byte string whose plain byte-wise comparison (std::string's operator<)
// gives the list order of the Windows-1252 texts it was made from. Texts
// that differ only in case give equal keys. Thread-safe.
std::string NetSortKey(std::string_view windows1252Text);
// Appends NetSortKey(windows1252Text) to keys.
void AppendNetSortKey(std::string_view windows1252Text, std::string& keys);

// Most texts also have a compact key, quicker to make: compact keys compare
// with one another exactly as the texts' NetSortKeys do (equal ones
// included), but not with NetSortKeys. Appends the text's compact key and
// returns true when it has one; appends nothing and returns false otherwise.
bool AppendCompactNetSortKey(std::string_view windows1252Text, std::string& keys);

}  // namespace netlist
