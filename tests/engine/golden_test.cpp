// The golden text-mode transcripts replayed through the protocol.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace trevosk {
namespace {

std::vector<std::string> lines_of(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

// Catches rules or seats that differ from text mode: every display equal to
// showboard at its point (the final one included), perft 1 agreeing with the
// listed moves (1 for a forced pass), genmove answering each computer seat's
// move with the transcript's levels and opening setting, play taking every
// move and pass, and the final score and end.
TEST(Golden, TranscriptsReplayedThroughTheProtocol) {
  int games = 0;
  for (const auto& entry : std::filesystem::directory_iterator(GOLDEN_DIR)) {
    const std::filesystem::path path = entry.path();
    const std::string name = path.stem().string();
    if (path.extension() != ".stdout" || name.starts_with("cli_")) continue;
    SCOPED_TRACE(name);
    ++games;
    Engine engine(Rng(1));
    std::string human;
    const std::vector<std::string> words = lines_of(path.parent_path() / (name + ".args"));
    for (size_t i = 0; i < words.size(); ++i) {
      if (words[i] == "-n") engine.respond("set_opening off");
      if (words[i] != "-p1" && words[i] != "-p2") continue;
      const std::string p = words[i].substr(2);
      if (words[++i] == "human")
        human = p;
      else
        engine.respond("set_level " + p + " " + words[i]);
    }
    const std::vector<std::string> lines = lines_of(path);
    for (size_t i = 0; i < lines.size(); ++i) {
      const std::string& l = lines[i];
      int s1 = 0, s2 = 0;
      if (l == "+--------------+" && i + 18 < lines.size()) {
        std::string display = l;
        for (size_t k = i + 1; k <= i + 18; ++k) display += "\n" + lines[k];
        i += 18;
        ASSERT_EQ(engine.respond("showboard"), "= " + display + "\n\n") << "line " << i;
        if (engine.game().over()) continue;
        const std::string listed =
            engine.respond("legal_moves " + std::to_string(engine.game().to_move()));
        const auto n = listed == "= \n\n" ? 1 : std::count(listed.begin(), listed.end(), ' ');
        EXPECT_EQ(engine.respond("perft 1"), "= " + std::to_string(n) + "\n\n");
      } else if (l.starts_with("Player ") && i > 0 &&
                 lines[i - 1] != l) {  // placements are logged twice
        const std::string p = l.substr(7, 1);
        const std::string move = l.ends_with("[----]") ? "pass" : l.substr(l.find('[') + 1, 4);
        if (p != human) {
          EXPECT_EQ(engine.respond("genmove " + p), "= " + move + "\n\n") << "line " << i;
          engine.respond("undo");
        }
        ASSERT_EQ(engine.respond("play " + p + " " + move), "= \n\n") << "line " << i;
      } else if (std::sscanf(l.c_str(), "Player1:%d  v.s. Player2:%d", &s1, &s2) == 2) {
        EXPECT_EQ(engine.respond("score"),
                  "= " + std::to_string(s1) + " " + std::to_string(s2) + "\n\n");
        EXPECT_EQ(engine.respond("to_move"), "= none\n\n");
      }
    }
  }
  EXPECT_EQ(games, 6);
}

}  // namespace
}  // namespace trevosk
