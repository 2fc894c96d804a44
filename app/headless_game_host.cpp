#include "app/headless_game_host.h"

#include <thread>

#include "app/amazon_doc.h"

namespace taravin {

HeadlessGameHost::~HeadlessGameHost() {
    timeoutTimer_.stop();
}

void HeadlessGameHost::push(Event event) {
    std::lock_guard lock(mutex_);
    events_.push_back(std::move(event));
    arrived_.notify_all();
}

void HeadlessGameHost::postDeferred(DeferredRequest request, int delayMilliseconds) {
    Event event;
    event.deferred = request;
    event.due = std::chrono::steady_clock::now() + std::chrono::milliseconds(delayMilliseconds);
    push(std::move(event));
}

void HeadlessGameHost::postSearchFinished(const SearchResult& result) {
    Event event;
    event.result = result;
    push(std::move(event));
}

void HeadlessGameHost::postStatusText(const std::string& text) {
    Event event;
    event.statusText = text;
    push(std::move(event));
}

bool HeadlessGameHost::report(const SearchReport&) {
    return true;
}

void HeadlessGameHost::startTimeoutTimer(int periodMilliseconds) {
    timeoutTimer_.start(std::chrono::milliseconds(periodMilliseconds), [this] {
        if (onTimeout_) {
            onTimeout_();
        }
    });
}

void HeadlessGameHost::killTimeoutTimer() {
    timeoutTimer_.stop();
}

std::optional<HeadlessGameHost::Event> HeadlessGameHost::nextEvent(bool wait) {
    std::unique_lock lock(mutex_);
    if (wait) {
        arrived_.wait(lock, [this] { return !events_.empty(); });
    }
    if (events_.empty()) {
        return std::nullopt;
    }
    Event event = std::move(events_.front());
    events_.pop_front();
    return event;
}

void HeadlessGameHost::processEvents(CAmazonDoc& document) {
    for (;;) {
        std::optional<Event> event = nextEvent(document.thinking());
        if (!event) {
            return;
        }
        if (event->result) {
            document.handleSearchFinished(*event->result);
        } else if (event->statusText) {
            document.handleStatusText(*event->statusText);
        } else if (event->deferred) {
            std::this_thread::sleep_until(event->due);
            if (*event->deferred == DeferredRequest::kStop) {
                document.handleDeferredStop();
            }
        }
        if (afterEvent_) {
            afterEvent_();
        }
    }
}

}  // namespace taravin
