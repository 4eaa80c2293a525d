// The transcript checker must reject what is wrong, not only accept what is
// right: a reference transcript with one fault is refused at its line.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

#include "transcript.h"

namespace trevosk::e2e {
namespace {

TEST(TranscriptCheck, RejectsACorruptedTranscriptAtTheFault) {
  std::ifstream f(GOLDEN_DIR "/game_3_3.stdout", std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  const std::string original = s.str();
  ASSERT_TRUE(check_transcript(original).finished);
  struct Corruption {
    std::string from, to;  // the first `from` becomes `to`,
    int times;             // this many times in a row
    std::string message;   // part of the checker's message
  };
  const Corruption cases[] = {
      // The first move, off the player's start square.
      {"Player 1 plays [66t0]\n", "Player 1 plays [AAt0]\n", 2, "is illegal"},
      {"Player1:74  v.s.", "Player1:75  v.s.", 1, "the result line"},
      {"Player 2 passes [----]\n", "", 1, "player 2 has no legal move"},
  };
  for (const Corruption& c : cases) {
    SCOPED_TRACE(c.from);
    std::string text = original;
    const size_t at = text.find(c.from);
    ASSERT_NE(at, std::string::npos);
    for (int i = 0; i < c.times; ++i) text.replace(at + i * c.to.size(), c.from.size(), c.to);
    const TranscriptReport r = check_transcript(text);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.line, 1 + std::count(text.begin(), text.begin() + at, '\n')) << r.message;
    EXPECT_NE(r.message.find(c.message), std::string::npos) << r.message;
  }
}

}  // namespace
}  // namespace trevosk::e2e
