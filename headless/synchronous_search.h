#pragma once

#include <chrono>
#include <functional>
#include <optional>

#include "search/computer_player.h"

namespace taravin {

// Runs one search on its worker thread and waits for its end, for callers without a window.
// Reports reach onReport on the worker thread; a time-out's expiry sets moveNow as the
// window's timer does. A positive `moveTime` takes the place of the request's time-out (whole
// seconds) and sets moveNow every `moveTime`. Nothing when the search could not start (no
// board in the request).
std::optional<SearchResult> searchToEnd(const SearchRequest& request,
                                        std::function<void(const SearchReport&)> onReport = {},
                                        std::chrono::milliseconds moveTime = {});

}  // namespace taravin
