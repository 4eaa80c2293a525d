// parallel_for: spreads independent per-index work over a pool of threads.
//
// The caller says how many threads one call may use (its budget, the
// caller's own thread included); a budget of 1 runs everything on the caller
// and starts no thread. A strategy's budget comes from its PlayerContext, so
// a tool that runs games side by side gives each game 1 and a program that
// plays one game gives it hardware_threads(). The pool's threads are made
// when a call first needs them and wait for work between calls. Each index
// writes only its own results, so the outcome never depends on the budget or
// on how the indices are shared out.
#pragma once

#include <algorithm>
#include <type_traits>

namespace trevosk {

// The number of cores, at least 1: the budget of work that may use them all.
int hardware_threads();

namespace detail {

// Whether the calling thread runs the body of a parallel_for on the pool:
// its own loops then stay sequential, since the cores are busy already.
bool inside_parallel_for();

// Runs body(i) for every i in [0, n) on the calling thread and on up to
// `helpers` pool threads; returns when all are done.
void run_on_pool(int n, int helpers, void (*call)(void* body, int i), void* body);

}  // namespace detail

// Calls body(i) exactly once for every i in [0, n), on at most `threads`
// threads. Jobs smaller than min_parallel per extra thread, and calls nested
// in another parallel_for's body, stay on the calling thread.
template <class Body>
void parallel_for(int threads, int n, Body&& body, int min_parallel = 12) {
  const int used = detail::inside_parallel_for() ? 1 : std::min({threads, n, n / min_parallel + 1});
  if (used < 2) {
    for (int i = 0; i < n; ++i) body(i);
    return;
  }
  using B = std::remove_reference_t<Body>;
  detail::run_on_pool(
      n, used - 1, [](void* b, int i) { (*static_cast<B*>(b))(i); },
      const_cast<void*>(static_cast<const void*>(&body)));
}

}  // namespace trevosk
