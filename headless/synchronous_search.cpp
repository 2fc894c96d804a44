#include "headless/synchronous_search.h"

#include "headless/waiting_search_host.h"

namespace taravin {

SearchResult searchToEnd(const SearchRequest& request,
                         std::function<void(const SearchReport&)> onReport) {
    ComputerPlayer* player = nullptr;
    WaitingSearchHost host(std::move(onReport), [&] { player->flags().moveNow = true; });
    ComputerPlayer computer(host);
    player = &computer;
    computer.requestSearch(request);
    const SearchResult result = host.waitForResult();
    computer.searchEnded();
    return result;
}

}  // namespace taravin
