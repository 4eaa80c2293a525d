// parallel_for: spreads independent per-index work over the machine's cores.
#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace trevosk {

// Calls body(i) exactly once for every i in [0, n), on up to one thread per
// core. Each call writes only its own results, so the outcome does not depend
// on how the indices are split. Small jobs stay on the calling thread.
template <class Body>
void parallel_for(int n, Body&& body) {
  static const int cores = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  constexpr int kMinParallel = 12;
  constexpr int kChunk = 2;
  const int threads = std::min(cores, n / kMinParallel + 1);
  if (threads < 2) {
    for (int i = 0; i < n; ++i) body(i);
    return;
  }
  std::atomic<int> next{0};
  auto worker = [&] {
    for (;;) {
      const int start = next.fetch_add(kChunk, std::memory_order_relaxed);
      if (start >= n) return;
      const int end = std::min(n, start + kChunk);
      for (int i = start; i < end; ++i) body(i);
    }
  };
  std::vector<std::thread> helpers;
  helpers.reserve(threads - 1);
  for (int k = 1; k < threads; ++k) helpers.emplace_back(worker);
  worker();
  for (std::thread& t : helpers) t.join();
}

}  // namespace trevosk
