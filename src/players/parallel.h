// parallel_for: spreads independent per-index work over a pool of threads.
//
// The pool is made once per process, when a parallel_for first needs a
// helper, and grows to the most helpers ever asked for; its threads wait for
// work between calls. How many threads one call may use is set per calling
// thread (set_thread_budget), so that a tool running games side by side can
// give each game one thread; a budget of 1 runs everything on the caller and
// starts no thread. Each index writes only its own results, so the outcome
// never depends on the budget or on how the indices are shared out.
#pragma once

#include <algorithm>
#include <thread>

namespace trevosk {

// The number of threads a parallel_for started on the calling thread may
// use, the calling thread included: 1 keeps all work on it, 0 (the default)
// allows one per core.
void set_thread_budget(int threads);

namespace detail {

// Whether the calling thread runs the body of a parallel_for: its own loops
// then stay sequential, since the cores are busy already.
bool inside_parallel_for();
// The budget of the calling thread, resolved (at least 1).
int thread_budget();

// Runs body(i) for every i in [0, n) on the calling thread and on up to
// `helpers` pool threads; returns when all are done.
void run_on_pool(int n, int helpers, void (*call)(void* body, int i), void* body);

}  // namespace detail

// Calls body(i) exactly once for every i in [0, n). Jobs smaller than
// min_parallel per extra thread, and nested calls, stay on the calling thread.
template <class Body>
void parallel_for(int n, Body&& body, int min_parallel = 12) {
  const int threads = detail::inside_parallel_for()
                          ? 1
                          : std::min({detail::thread_budget(), n, n / min_parallel + 1});
  if (threads < 2) {
    for (int i = 0; i < n; ++i) body(i);
    return;
  }
  using B = std::remove_reference_t<Body>;
  detail::run_on_pool(
      n, threads - 1, [](void* b, int i) { (*static_cast<B*>(b))(i); },
      const_cast<void*>(static_cast<const void*>(&body)));
}

}  // namespace trevosk
