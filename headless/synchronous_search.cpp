#include "headless/synchronous_search.h"

#include <algorithm>
#include <limits>

#include "headless/waiting_search_host.h"

namespace taravin {

std::optional<SearchResult> searchToEnd(const SearchRequest& request,
                                        std::function<void(const SearchReport&)> onReport,
                                        std::chrono::milliseconds moveTime) {
    ComputerPlayer* player = nullptr;
    WaitingSearchHost host(std::move(onReport), [&] { player->flags().moveNow = true; });
    ComputerPlayer computer(host);
    player = &computer;
    if (!computer.requestSearch(request)) {
        return std::nullopt;
    }
    // Restarts the time-out timer with the finer period; searchEnded stops it.
    if (moveTime.count() > 0) {
        host.startTimeoutTimer(static_cast<int>(std::min<std::chrono::milliseconds::rep>(
            moveTime.count(), std::numeric_limits<int>::max())));
    }
    const SearchResult result = host.waitForResult();
    computer.searchEnded();
    return result;
}

}  // namespace taravin
