#include "platform/worker_thread.h"

namespace skycrier {

WorkerThread::WorkerThread(AtEnd atEnd) : atEnd_(atEnd), thread_([this] { run(); }) {}

WorkerThread::~WorkerThread() { finish(); }

void WorkerThread::enqueue(std::function<void()> call) {
    {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    wake_.notify_one();
}

void WorkerThread::finish() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        if (atEnd_ == AtEnd::DropQueued) calls_.clear();
    }
    wake_.notify_one();
    if (thread_.joinable()) thread_.join();
}

void WorkerThread::run() {
    for (;;) {
        std::function<void()> call;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !calls_.empty(); });
            if (calls_.empty()) break;
            call = std::move(calls_.front());
            calls_.pop_front();
        }
        call();
    }
}

}  // namespace skycrier
