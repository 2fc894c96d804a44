#include <QTest>
#include <atomic>
#include <thread>

#include "ui/synchronous_log.h"

namespace taravin {

class SynchronousLogTest : public QObject {
    Q_OBJECT

  private slots:
    // A line from another thread is taken on the log's own thread, and the writer waits
    // for the answer.
    void linesFromAWorkerAreTakenOnTheWindowThread() {
        std::vector<std::string> taken;
        std::thread::id takenOn;
        SynchronousLog log([&](const std::string& line) {
            taken.push_back(line);
            takenOn = std::this_thread::get_id();
            return line != "gone";
        });
        std::atomic<int> answers{0};
        bool first = false;
        bool second = true;
        std::thread worker([&] {
            first = log.append("depth 1");
            ++answers;
            second = log.append("gone");
            ++answers;
        });
        QTRY_COMPARE(answers.load(), 2);
        worker.join();
        QVERIFY(first);
        QVERIFY2(!second, "the sink's answer comes back");
        QCOMPARE(taken, (std::vector<std::string>{"depth 1", "gone"}));
        QCOMPARE(takenOn, std::this_thread::get_id());
    }

    // A window thread that closes the log while a worker waits on it releases the worker,
    // so it can then wait for the worker to end.
    void closingReleasesAWaitingWriter() {
        int calls = 0;
        SynchronousLog log([&](const std::string&) {
            ++calls;
            return true;
        });
        std::atomic<bool> started{false};
        bool answer = true;
        std::thread worker([&] {
            started = true;
            answer = log.append("never shown");
        });
        while (!started) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        log.close();
        worker.join();
        QVERIFY(!answer);
        QCoreApplication::processEvents();
        QCOMPARE(calls, 0);
        QVERIFY2(!log.append("after close"), "a closed log takes nothing, even here");
    }
};

}  // namespace taravin

QTEST_MAIN(taravin::SynchronousLogTest)
#include "synchronous_log_test.moc"
