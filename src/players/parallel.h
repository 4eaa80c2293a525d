// parallel_for: spreads independent per-index work over the machine's cores.
#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace trevosk {

namespace detail {
// Set on the threads of a parallel_for, whose bodies run their own loops
// sequentially: the cores are busy already.
inline thread_local bool inside_parallel_for = false;
inline thread_local int thread_budget = 0;
}  // namespace detail

// The number of threads a parallel_for started on the calling thread may
// use, the calling thread included: 1 keeps all work on it, 0 (the default)
// allows one per core. Results never depend on it.
inline void set_thread_budget(int threads) { detail::thread_budget = threads; }

// Calls body(i) exactly once for every i in [0, n), on up to one thread per
// core. Each call writes only its own results, so the outcome does not depend
// on how the indices are split. Jobs smaller than min_parallel, and nested
// calls, stay on the calling thread.
template <class Body>
void parallel_for(int n, Body&& body, int min_parallel = 12) {
  static const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  constexpr int kChunk = 1;
  const int budget = detail::thread_budget > 0 ? detail::thread_budget : cores;
  const int threads =
      detail::inside_parallel_for ? 1 : std::min({budget, cores, n, n / min_parallel + 1});
  if (threads < 2) {
    for (int i = 0; i < n; ++i) body(i);
    return;
  }
  std::atomic<int> next{0};
  auto worker = [&] {
    const bool was_inside = detail::inside_parallel_for;
    detail::inside_parallel_for = true;
    for (;;) {
      const int start = next.fetch_add(kChunk, std::memory_order_relaxed);
      if (start >= n) break;
      const int end = std::min(n, start + kChunk);
      for (int i = start; i < end; ++i) body(i);
    }
    detail::inside_parallel_for = was_inside;
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  for (int k = 1; k < threads; ++k) helpers.emplace_back(worker);
  worker();
  for (std::thread& t : helpers) t.join();
}

}  // namespace trevosk
