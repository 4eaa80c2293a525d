#include "players/parallel.h"

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace trevosk {

namespace {

// Set on the pool's threads, and on a caller while its job runs.
thread_local bool inside = false;

// One parallel_for: the caller and the helpers that joined take indices
// until none is left.
struct Job {
  int n;
  void (*call)(void*, int);
  void* body;
  int helpers_wanted;
  int joined = 0;  // helpers that took the job (under the pool's lock)
  int active = 0;  // helpers still working on it (under the pool's lock)
  std::atomic<int> next{0};

  void work() {
    for (int i = next.fetch_add(1, std::memory_order_relaxed); i < n;
         i = next.fetch_add(1, std::memory_order_relaxed))
      call(body, i);
  }
};

class Pool {
 public:
  static Pool& instance() {
    static Pool pool;
    return pool;
  }

  void run(Job& job) {
    {
      std::lock_guard lock(mutex_);
      while (static_cast<int>(threads_.size()) < job.helpers_wanted)
        threads_.emplace_back([this] { serve(); });
      jobs_.push_back(&job);
    }
    wake_.notify_all();
    job.work();
    // No helper may join once the caller is done, and the job lives until
    // every helper that joined has left it.
    std::unique_lock lock(mutex_);
    std::erase(jobs_, &job);
    left_.wait(lock, [&] { return job.active == 0; });
  }

  ~Pool() {
    {
      std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    wake_.notify_all();
    for (std::thread& t : threads_) t.join();
  }

 private:
  void serve() {
    inside = true;
    std::unique_lock lock(mutex_);
    for (;;) {
      wake_.wait(lock, [&] { return stopping_ || !jobs_.empty(); });
      if (stopping_) return;
      Job* job = jobs_.front();
      if (++job->joined == job->helpers_wanted) jobs_.pop_front();
      ++job->active;
      lock.unlock();
      job->work();
      lock.lock();
      if (--job->active == 0) left_.notify_all();
    }
  }

  std::mutex mutex_;
  std::condition_variable wake_;  // a job is waiting, or the pool stops
  std::condition_variable left_;  // a helper left a job
  std::deque<Job*> jobs_;         // jobs that want more helpers
  std::vector<std::thread> threads_;
  bool stopping_ = false;
};

}  // namespace

int hardware_threads() {
  static const int n = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  return n;
}

namespace detail {

bool inside_parallel_for() { return inside; }

void run_on_pool(int n, int helpers, void (*call)(void*, int), void* body) {
  Job job{n, call, body, helpers};
  const bool was_inside = inside;
  inside = true;
  Pool::instance().run(job);
  inside = was_inside;
}

}  // namespace detail

}  // namespace trevosk
