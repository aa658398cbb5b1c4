// Status codes that the program and the stand-in library name in code. The
// full table of messages is in StatusMessage.cpp.
#pragma once

#include <cstdint>

namespace netlist::status {

inline constexpr std::int32_t kOk = 0;
inline constexpr std::int32_t kConnectionError = 32001;
inline constexpr std::int32_t kNoConnection = 32105;
inline constexpr std::int32_t kGetFirstNotCalled = 32145;
inline constexpr std::int32_t kNoMoreLayers = 32161;
inline constexpr std::int32_t kNoMoreNets = 32162;
inline constexpr std::int32_t kNoMoreItems = 32163;
inline constexpr std::int32_t kNoMoreComponents = 32168;
inline constexpr std::int32_t kNetNotFound = 32217;

}  // namespace netlist::status
