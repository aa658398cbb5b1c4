#include "design/standin/NetIndex.h"

#include <algorithm>

namespace netlist {

NetIndex::NetIndex(const std::vector<DesignNet>& nets) {
    if (nets.empty()) return;
    const auto [lowest, highest] = std::minmax_element(
        nets.begin(), nets.end(), [](const auto& a, const auto& b) { return a.id < b.id; });
    lowestId_ = lowest->id;
    std::size_t inOrder = 0;
    while (inOrder < nets.size() &&
           nets[inOrder].id - lowestId_ == static_cast<std::int64_t>(inOrder))
        ++inOrder;
    if (inOrder == nets.size()) {
        inOrder_ = inOrder;
        return;
    }
    const auto span = static_cast<std::uint64_t>(std::int64_t{highest->id} - lowestId_) + 1;
    // A table at most a few times the number of nets costs less than a hash map.
    const bool dense = span <= 4 * nets.size() + 1024 && nets.size() < kNoNet;
    if (dense) {
        dense_.assign(static_cast<std::size_t>(span), kNoNet);
        for (std::size_t i = nets.size(); i-- > 0;)  // the first net of an id wins
            dense_[static_cast<std::size_t>(nets[i].id - lowestId_)] =
                static_cast<std::uint32_t>(i);
        return;
    }
    sparse_.reserve(nets.size());
    for (std::size_t i = 0; i < nets.size(); ++i) sparse_.emplace(nets[i].id, i);
}

std::optional<std::size_t> NetIndex::find(std::int32_t netId) const {
    if (inOrder_ != 0) {
        const std::int64_t offset = std::int64_t{netId} - lowestId_;
        if (offset < 0 || offset >= static_cast<std::int64_t>(inOrder_)) return std::nullopt;
        return static_cast<std::size_t>(offset);
    }
    if (!dense_.empty()) {
        const std::int64_t offset = std::int64_t{netId} - lowestId_;
        if (offset < 0 || offset >= static_cast<std::int64_t>(dense_.size())) return std::nullopt;
        const std::uint32_t index = dense_[static_cast<std::size_t>(offset)];
        if (index == kNoNet) return std::nullopt;
        return index;
    }
    const auto found = sparse_.find(netId);
    if (found == sparse_.end()) return std::nullopt;
    return found->second;
}

}  // namespace netlist
