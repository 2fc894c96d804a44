#include "search/synchronous_search.h"

#include "search/waiting_search_host.h"

namespace taravin {

SearchResult searchToEnd(const SearchRequest& request,
                         std::function<void(const std::string&)> onLog) {
    if (!onLog) {
        onLog = [](const std::string&) {};
    }
    ComputerPlayer* player = nullptr;
    WaitingSearchHost host(std::move(onLog), [&] { player->flags().moveNow = true; });
    ComputerPlayer computer(host);
    player = &computer;
    computer.requestSearch(request);
    const SearchResult result = host.waitForResult();
    computer.searchEnded();
    return result;
}

}  // namespace taravin
