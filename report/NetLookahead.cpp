#include "report/NetLookahead.h"

#include <algorithm>

#include "report/NetOrdering.h"

namespace netlist {

NetLookahead::NetLookahead(const NetList& list, DesignSession& session)
    : list_(list), session_(session), count_(list.ListCount()) {
    for (std::int64_t index = 0; index < std::min(count_, kHintAhead); ++index) readAhead(index);
}

void NetLookahead::readAhead(std::int64_t index) {
    std::optional<std::int32_t>& id = ahead_[static_cast<std::size_t>(index % kHintAhead)];
    id = ReadNetId(list_.List(index));
    if (id) session_.hintNetById(*id);
}

std::optional<std::int32_t> NetLookahead::netIdAt(std::int64_t index) {
    if (index + kFetchAhead < count_) __builtin_prefetch(list_.List(index + kFetchAhead).data());
    const std::optional<std::int32_t> netId = ahead_[static_cast<std::size_t>(index % kHintAhead)];
    if (index + kHintAhead < count_) readAhead(index + kHintAhead);
    return netId;
}

}  // namespace netlist
