#include "link/ui/LinkThread.h"

#include <QEventLoop>
#include <QObject>
#include <memory>

namespace ht57 {

LinkThread::LinkThread() : worker_(new QObject), waker_(new QObject) {
    worker_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.start();
}

LinkThread::~LinkThread() {
    thread_.quit();
    thread_.wait();
    delete waker_;
}

void LinkThread::Run(const std::function<void()>& job) {
    // Shared with the thread, so a job that outlives a torn-down caller still
    // has somewhere to report to.
    auto finished = std::make_shared<std::atomic<bool>>(false);
    QObject* waker = waker_;
    busy_ = true;
    QMetaObject::invokeMethod(
        worker_,
        [job, finished, waker] {
            job();
            finished->store(true);
            // Wakes the waiting loop below; the event itself does nothing.
            QMetaObject::invokeMethod(
                waker, [] {}, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    QEventLoop loop;
    while (!finished->load()) {
        loop.processEvents(QEventLoop::ExcludeUserInputEvents | QEventLoop::WaitForMoreEvents);
    }
    busy_ = false;
}

void LinkThread::RunBlocking(const std::function<void()>& job) {
    QMetaObject::invokeMethod(
        worker_, [&job] { job(); }, Qt::BlockingQueuedConnection);
}

}  // namespace ht57
