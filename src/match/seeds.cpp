#include "match/seeds.h"

namespace trevosk {

uint64_t splitmix64(uint64_t x) {
  x += 0x9e3779b97f4a7c15ULL;
  x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
  x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

namespace {

// Games and pairs draw from separate streams: the low bit tells them apart.
uint64_t derive(uint64_t master, uint64_t index, uint64_t stream) {
  return splitmix64(splitmix64(master) ^ (index << 1 | stream));
}

}  // namespace

uint64_t game_seed(uint64_t master, int game) {
  return derive(master, static_cast<uint64_t>(game), 0);
}

uint64_t opening_seed(uint64_t master, int pair) {
  return derive(master, static_cast<uint64_t>(pair), 1);
}

}  // namespace trevosk
