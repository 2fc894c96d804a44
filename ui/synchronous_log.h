#pragma once

#include <QObject>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>

namespace taravin {

// Hands lines written by the search worker to the window thread and waits until the window
// has taken each one, so the log shows every line before the search goes on. Once closed,
// a writer never waits again and a waiting one is released, so a worker can never block a
// window thread that is waiting for it to end.
class SynchronousLog final : public QObject {
  public:
    // The sink runs on the thread of this object; it returns false when the log is gone.
    explicit SynchronousLog(std::function<bool(const std::string&)> sink);
    ~SynchronousLog() override;

    // From any thread: the sink's answer, or false once closed.
    bool append(const std::string& line);
    // On the window thread, before it waits for the worker or goes away.
    void close();

  protected:
    bool event(QEvent* event) override;

  private:
    struct Request;
    std::function<bool(const std::string&)> sink_;
    std::mutex mutex_;
    std::condition_variable answered_;
    bool closed_ = false;
};

}  // namespace taravin
