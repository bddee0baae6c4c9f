#pragma once

#include <QThread>
#include <atomic>
#include <functional>

class QObject;

namespace ht57 {

// A thread that owns the serial line of one dialog. Every call on the line
// (opening included, since the port object belongs to the thread that opened
// it) goes through Run, which waits for the job while the calling thread keeps
// painting its windows. User input that arrives meanwhile is held back until
// the job is done, so a dialog sees the same order of events as if the job
// had run on its own thread.
class LinkThread {
public:
    LinkThread();
    // Waits for a running job, then stops the thread.
    ~LinkThread();

    LinkThread(const LinkThread&) = delete;
    LinkThread& operator=(const LinkThread&) = delete;

    // Runs job on the thread and returns when it has finished. Timers and
    // repaints of the calling thread go on meanwhile.
    void Run(const std::function<void()>& job);

    // Runs job on the thread and blocks without handling any event; for
    // destructors, where nothing may run in between.
    void RunBlocking(const std::function<void()>& job);

    // True while Run waits for a job.
    bool Busy() const { return busy_; }

private:
    QThread thread_;
    QObject* worker_ = nullptr;  // lives in thread_
    QObject* waker_ = nullptr;   // lives in the creating thread
    bool busy_ = false;
};

}  // namespace ht57
