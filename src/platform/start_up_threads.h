#pragma once
// The threads the start may run beside the GUI thread: one fewer than the machine's cores
// (QThread::idealThreadCount()), so the start never runs more threads than there are cores. On
// two cores work laid beside the application's making costs about its full time anyway
// (docs/ARCHITECTURE.md). Work runs in the order it was handed over; on one core none runs on a
// thread, and each piece is done when its result is first asked for.

#include <functional>
#include <future>
#include <memory>
#include <type_traits>

bool StartUpThreadsAvailable();
void RunOnStartUpThread(std::function<void()> run);

// `work`'s result, computed on a start-up thread or, when there is none, on first asking.
template <typename Work>
std::shared_future<std::invoke_result_t<Work>> StartUpTask(Work work) {
    using Result = std::invoke_result_t<Work>;
    if (!StartUpThreadsAvailable())
        return std::async(std::launch::deferred, std::move(work)).share();
    auto task = std::make_shared<std::packaged_task<Result()>>(std::move(work));
    std::shared_future<Result> result = task->get_future().share();
    RunOnStartUpThread([task] { (*task)(); });
    return result;
}
