#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <utility>

namespace tamsendor::win32 {

// The background side of a network job (an HttpRequestSlot with `ui`, a Dispatcher*, and `done`,
// its callback): a thread that holds its own share of the job, so the job outlives its owner
// when the program ends first, and the hand-over of the result to the user-interface thread.

// Runs `work(job)` on a thread of its own; false when no thread could be made.
template <typename Job>
bool StartWorker(const std::shared_ptr<Job>& job, void (*work)(const std::shared_ptr<Job>&)) {
  struct Start {
    std::shared_ptr<Job> job;
    void (*work)(const std::shared_ptr<Job>&);
  };
  auto* start = new Start{job, work};
  const LPTHREAD_START_ROUTINE run = [](void* parameter) -> DWORD {
    const std::unique_ptr<Start> owned(static_cast<Start*>(parameter));
    owned->work(owned->job);
    return 0;
  };
  HANDLE thread = CreateThread(nullptr, 0, run, start, 0, nullptr);
  if (thread == nullptr) {
    delete start;
    return false;
  }
  CloseHandle(thread);
  return true;
}

// Hands `result` to the job's `done` on the user-interface thread, unless the job is cancelled
// by then: before the post, or between the post and its run.
template <typename Job, typename Result>
void PostDone(const std::shared_ptr<Job>& job, Result result) {
  std::lock_guard lock(job->mutex);
  if (job->cancelled)
    return;
  job->ui->Post([job, result = std::move(result)]() mutable {
    decltype(job->done) done;
    {
      std::lock_guard inner(job->mutex);
      if (job->cancelled)
        return;
      done = std::move(job->done);
    }
    if (done)
      done(std::move(result));
  });
}

}  // namespace tamsendor::win32
