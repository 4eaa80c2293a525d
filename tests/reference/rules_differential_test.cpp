// The bit-parallel enumeration against the straightforward one, on positions
// of random games: same lists element for element, and the existence test
// for the whole tray and for each piece alone.
#include <gtest/gtest.h>

#include <algorithm>

#include "fixtures/map_arrays.h"
#include "fixtures/random_positions.h"
#include "reference/reference.h"
#include "rules/legal_moves.h"

namespace trevosk {
namespace {

TEST(RulesDifferential, LegalListsAndExistenceMatchTheReference) {
  const auto positions = fixtures::random_positions(1, 60);
  for (const auto& pos : positions)
    for (int p = 1; p <= 2; ++p)
      // The real turn, and turn 1, when the first-placement rule applies.
      for (int turn : {pos.turn, 1}) {
        const auto expected = reference::make_legal_list(p, pos.left[p], pos.field, turn);
        const auto actual = make_legal_list(p, pos.left[p], pos.field, turn);
        ASSERT_EQ(actual, expected) << "turn " << pos.turn << " player " << p;
        ASSERT_EQ(isexist_legal(p, pos.left[p], pos.field, turn), !expected.empty());
        // Each piece alone: a smaller piece that fits too cannot hide one
        // piece skipped by the existence test.
        for (int piece = 0; piece < kPieceCount; ++piece) {
          if (!pos.left[p][piece]) continue;
          const bool fits =
              std::ranges::any_of(expected, [&](const Move& m) { return m.piece == piece; });
          ASSERT_EQ(isexist_legal(p, PiecesLeft::only(piece), pos.field, turn), fits)
              << "piece " << piece << " turn " << pos.turn << " player " << p;
        }
        const LegalSet set(p, pos.left[p], pos.field, turn);
        ASSERT_EQ(set.size(), static_cast<int>(expected.size()));
        for (int k = 0; k < set.size(); k += 1 + k / 8) ASSERT_EQ(set[k], expected[k]);
      }
}

TEST(RulesDifferential, FilteredListsMatchTheReference) {
  const auto positions = fixtures::random_positions(2, 20);
  Rng rng(3);
  MoveList expected, actual;
  for (const auto& pos : positions) {
    // Sparse random have masks, so that the filter keeps some moves and
    // drops others.
    HaveMasks have{};
    for (int k = rng.index(12); k > 0; --k)
      have[rng.index(14)][rng.index(14)] = static_cast<uint32_t>(rng.index(1 << 21));
    const int p = pos.player;
    for (int turn : {pos.turn, pos.turn + 5}) {
      reference::f6_make_legal_list(p, pos.left[p], pos.field, turn, have, expected);
      fixtures::f6_make_legal_list(p, pos.left[p], pos.field, turn, have, actual);
      ASSERT_EQ(std::vector<Move>(actual.begin(), actual.end()),
                std::vector<Move>(expected.begin(), expected.end()));
    }
  }
}

}  // namespace
}  // namespace trevosk
