// The net blocks follow the sorted net list, which leads through the
// design's nets out of order. This walk looks a few items ahead: the list's
// items a few places on are fetched into the cache while this one is
// written, and the library hears of the nets a few places on, so that it
// may start fetching them too. Nothing here changes what is written.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "design/DesignSession.h"
#include "report/NetList.h"

namespace netlist {

class NetLookahead {
  public:
    NetLookahead(const NetList& list, DesignSession& session);

    // The net id of the item at index, read back from the item (none when it
    // holds none). Asked for every index in order, from 0.
    std::optional<std::int32_t> netIdAt(std::int64_t index);

  private:
    static constexpr std::int64_t kFetchAhead = 8;
    static constexpr std::int64_t kHintAhead = 4;

    void readAhead(std::int64_t index);

    const NetList& list_;
    DesignSession& session_;
    std::int64_t count_;
    // The ids of the next kHintAhead items, by index modulo kHintAhead.
    std::array<std::optional<std::int32_t>, kHintAhead> ahead_{};
};

}  // namespace netlist
