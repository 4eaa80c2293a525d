#include "rules/pieces.h"

#include <gtest/gtest.h>

namespace trevosk {
namespace {

TEST(Pieces, SquareCountsAddUpTo89) {
  int total = 0;
  for (int p = 0; p < kPieceCount; ++p) total += piece_tables().square_count[p];
  EXPECT_EQ(total, 89);
}

}  // namespace
}  // namespace trevosk
