#include "report/NetList.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

#include "report/NetCollation.h"

namespace netlist {
namespace {

// The first eight key bytes as a number that orders like the bytes do.
std::uint64_t prefixOf(std::string_view key) {
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0u);
    return prefix;
}

int compareBytes(std::string_view a, std::string_view b) {
    return a.compare(b);
}

}  // namespace

bool NetList::before(const Entry& a, const Entry& b) const {
    if (a.keyPrefix != b.keyPrefix) return a.keyPrefix < b.keyPrefix;
    const std::string_view keyA(keys_.data() + a.keyOffset, a.keyLength);
    const std::string_view keyB(keys_.data() + b.keyOffset, b.keyLength);
    if (const int byKey = compareBytes(keyA, keyB)) return byKey < 0;
    const std::string_view itemA(items_.data() + a.itemOffset, a.itemLength);
    const std::string_view itemB(items_.data() + b.itemOffset, b.itemLength);
    // Items with equal texts are indistinguishable: their order does not matter.
    return compareBytes(itemA, itemB) < 0;
}

void NetList::AddItem(std::string_view item) {
    if (items_.size() + item.size() > UINT32_MAX) throw std::length_error("the net list is full");
    entries_.push_back({0, 0, 0, static_cast<std::uint32_t>(items_.size()),
                        static_cast<std::uint32_t>(item.size())});
    items_.append(item);
}

bool NetList::makeKeys(std::size_t from, bool compact) const {
    for (std::size_t i = from; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        const std::string_view item(items_.data() + entry.itemOffset, entry.itemLength);
        const std::size_t offset = keys_.size();
        if (!compact)
            AppendNetSortKey(item, keys_);
        else if (!AppendCompactNetSortKey(item, keys_))
            return false;
        if (keys_.size() > UINT32_MAX) throw std::length_error("the net list is full");
        entry.keyOffset = static_cast<std::uint32_t>(offset);
        entry.keyLength = static_cast<std::uint32_t>(keys_.size() - offset);
        entry.keyPrefix = prefixOf(std::string_view(keys_).substr(offset));
    }
    return true;
}

void NetList::placePending() const {
    if (sortedCount_ == entries_.size()) return;
    if (compactKeys_) {
        // A compact key is at most twice its item and one byte long. Space
        // that stays unused is never touched, so it costs no memory.
        const std::size_t itemBytes = items_.size() - entries_[sortedCount_].itemOffset;
        keys_.reserve(keys_.size() + 2 * itemBytes + (entries_.size() - sortedCount_));
    }
    if (!makeKeys(sortedCount_, compactKeys_)) {
        // An item without a compact key: as the two kinds of key do not
        // compare with each other, every item gets a full key. The items in
        // place keep their order, which is the same.
        keys_.clear();
        compactKeys_ = false;
        makeKeys(0, false);
    }
    // The prefixes decide most comparisons, here without a call.
    const auto less = [this](const Entry& a, const Entry& b) {
        return a.keyPrefix != b.keyPrefix ? a.keyPrefix < b.keyPrefix : before(a, b);
    };
    const auto middle = entries_.begin() + static_cast<std::ptrdiff_t>(sortedCount_);
    std::sort(middle, entries_.end(), less);
    std::inplace_merge(entries_.begin(), middle, entries_.end(), less);
    sortedCount_ = entries_.size();
}

std::string_view NetList::List(std::int64_t index) const {
    placePending();
    if (index < 0 || index >= ListCount())
        throw std::out_of_range("the net list has no item " + std::to_string(index));
    const Entry& entry = entries_[static_cast<std::size_t>(index)];
    return std::string_view(items_.data() + entry.itemOffset, entry.itemLength);
}

void NetList::Clear() {
    entries_.clear();
    sortedCount_ = 0;
    keys_.clear();
    compactKeys_ = true;
    items_.clear();
}

}  // namespace netlist
