#include "platform/start_up_threads.h"

#include <QThread>
#include <QThreadPool>

namespace {

QThreadPool* Pool() {
    static QThreadPool* const pool = []() -> QThreadPool* {
        const int threads = QThread::idealThreadCount() - 1;
        if (threads < 1) return nullptr;
        // Never deleted: its idle thread ends on its own once the start is over.
        auto* made = new QThreadPool;
        made->setMaxThreadCount(threads);
        made->setExpiryTimeout(2000);
        return made;
    }();
    return pool;
}

}  // namespace

bool StartUpThreadsAvailable() {
    return Pool() != nullptr;
}

void RunOnStartUpThread(std::function<void()> run) {
    if (QThreadPool* pool = Pool())
        pool->start(std::move(run));
    else
        run();
}
