#include "ui/synchronous_log.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <memory>

namespace taravin {

struct SynchronousLog::Request {
    std::string line;
    bool answered = false;
    bool result = false;
};

namespace {
const QEvent::Type kLogLineEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

class LogLineEvent final : public QEvent {
  public:
    explicit LogLineEvent(std::shared_ptr<void> pending)
        : QEvent(kLogLineEvent), request(std::move(pending)) {}
    std::shared_ptr<void> request;
};
}  // namespace

SynchronousLog::SynchronousLog(std::function<bool(const std::string&)> sink)
    : sink_(std::move(sink)) {}

SynchronousLog::~SynchronousLog() {
    close();
}

bool SynchronousLog::append(const std::string& line) {
    if (QThread::currentThread() == thread()) {
        return !closed_ && sink_(line);
    }
    auto request = std::make_shared<Request>();
    request->line = line;
    {
        std::lock_guard lock(mutex_);
        if (closed_) {
            return false;
        }
    }
    QCoreApplication::postEvent(this, new LogLineEvent(request));
    std::unique_lock lock(mutex_);
    answered_.wait(lock, [&] { return request->answered || closed_; });
    return request->answered && request->result;
}

void SynchronousLog::close() {
    std::lock_guard lock(mutex_);
    closed_ = true;
    answered_.notify_all();
}

bool SynchronousLog::event(QEvent* event) {
    if (event->type() != kLogLineEvent) {
        return QObject::event(event);
    }
    auto request = std::static_pointer_cast<Request>(static_cast<LogLineEvent*>(event)->request);
    bool closed = false;
    {
        std::lock_guard lock(mutex_);
        closed = closed_;
    }
    const bool result = !closed && sink_(request->line);
    std::lock_guard lock(mutex_);
    request->result = result;
    request->answered = true;
    answered_.notify_all();
    return true;
}

}  // namespace taravin
