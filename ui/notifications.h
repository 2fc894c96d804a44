#pragma once

#include <QEvent>
#include <string>

#include "app/game_window.h"
#include "search/search_host.h"

namespace taravin {

// The notifications the view posts to itself, numbered as the program has always numbered
// its window messages.
enum Notification : int {
    kSearchMoveFoundNotification = 1025,
    kSearchNoMoveNotification = 1026,
    kDeferredStopNotification = 1027,
    kDeferredCloseNotification = 1028,
    kSearchMemoryFailureNotification = 1029,
    kSearchStatusTextNotification = 1031,
};

// The ids of the view's timers: the one-second clocks of Red and Blue, and the computer's
// move time-out.
enum TimerId : int { kRedClockTimer = 1, kBlueClockTimer = 2, kMoveTimeoutTimer = 1030 };

inline QEvent::Type eventType(Notification notification) {
    return static_cast<QEvent::Type>(notification);
}

// 1025, 1026 or 1029, after the outcome, with the whole result.
class SearchFinishedEvent final : public QEvent {
  public:
    explicit SearchFinishedEvent(const SearchResult& searchResult)
        : QEvent(eventType(notificationOf(searchResult.outcome))), result(searchResult) {}
    static Notification notificationOf(SearchOutcome outcome) {
        switch (outcome) {
            case SearchOutcome::kMoveFound:
                return kSearchMoveFoundNotification;
            case SearchOutcome::kNoMove:
                return kSearchNoMoveNotification;
            case SearchOutcome::kMemoryFailure:
                break;
        }
        return kSearchMemoryFailureNotification;
    }
    const SearchResult result;
};

// 1031: the text travels with the notification.
class StatusTextEvent final : public QEvent {
  public:
    explicit StatusTextEvent(std::string statusText)
        : QEvent(eventType(kSearchStatusTextNotification)), text(std::move(statusText)) {}
    const std::string text;
};

inline Notification notificationOf(DeferredRequest request) {
    return request == DeferredRequest::kStop ? kDeferredStopNotification
                                             : kDeferredCloseNotification;
}

}  // namespace taravin
