#pragma once

#include <functional>
#include <string>

#include "search/computer_player.h"

namespace taravin {

// Runs one search on its worker thread and waits for its end, for callers without a window.
// Reports reach onReport on the worker thread; a time-out's expiry sets moveNow as the
// window's timer does.
SearchResult searchToEnd(const SearchRequest& request,
                         std::function<void(const SearchReport&)> onReport = {});

}  // namespace taravin
