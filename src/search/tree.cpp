#include "search/tree.h"

namespace trevosk {

namespace {
// Nodes take a small share; most moves have dozens to hundreds of edges.
constexpr size_t kEdgesPerNode = 16;
}  // namespace

TreePool::TreePool(size_t bytes) {
  const size_t per_node = sizeof(Node) + kEdgesPerNode * sizeof(Edge);
  node_capacity_ = static_cast<uint32_t>(std::min<size_t>(bytes / per_node, UINT32_MAX - 1));
  edge_capacity_ = (bytes - node_capacity_ * sizeof(Node)) / sizeof(Edge);
  nodes_.reset(new Node[node_capacity_]);
  edges_.reset(new Edge[edge_capacity_]);
}

uint32_t TreePool::new_node(uint32_t edges) {
  const uint64_t first = next_edge_.fetch_add(edges);
  const uint32_t index = next_node_.fetch_add(1);
  if (first + edges > edge_capacity_ || index >= node_capacity_) {
    full_.store(true, std::memory_order_relaxed);
    return 0;
  }
  nodes_[index] = Node{static_cast<uint32_t>(first), edges};
  return index;
}

size_t TreePool::bytes_used() const {
  return std::min<uint64_t>(next_node_.load(), node_capacity_) * sizeof(Node) +
         std::min<uint64_t>(next_edge_.load(), edge_capacity_) * sizeof(Edge);
}

}  // namespace trevosk
