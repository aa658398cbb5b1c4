// The net list: the list that keeps its items sorted, the sorter of the nets.
// Items compare by their collation keys (NetCollation.h); texts whose keys
// are equal are ordered by their bytes, so the order never depends on the
// order of adding. The keys are compact ones while every item has one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace netlist {

class NetList {
  public:
    // Adds an item (Windows-1252) at the place the list order gives it.
    void AddItem(std::string_view item);
    std::int64_t ListCount() const { return static_cast<std::int64_t>(entries_.size()); }
    // The item at a 0-based index in list order; valid until the next change.
    std::string_view List(std::int64_t index) const;
    void Clear();

  private:
    // Keys and item texts live in two arenas; an entry points into them and
    // carries the key's first bytes, which decide most comparisons alone.
    struct Entry {
        std::uint64_t keyPrefix;
        std::uint32_t keyOffset;
        std::uint32_t keyLength;
        std::uint32_t itemOffset;
        std::uint32_t itemLength;
    };
    bool before(const Entry& a, const Entry& b) const;
    // Keys the entries from index from on; false when compact keys were
    // asked for and an item has none.
    bool makeKeys(std::size_t from, bool compact) const;
    void placePending() const;

    // Items are appended and given their keys and places in one go when the
    // list is next read: adding n items then costs n log n, not n squared.
    mutable std::vector<Entry> entries_;
    mutable std::size_t sortedCount_ = 0;
    mutable std::string keys_;
    mutable bool compactKeys_ = true;
    std::string items_;
};

}  // namespace netlist
