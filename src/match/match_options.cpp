#include "match/match_options.h"

#include <cerrno>
#include <cstdlib>
#include <thread>

#include "game/settings.h"

namespace trevosk {

namespace {

constexpr int kMaxOpenings = 2 * 22;

bool parse_count(const std::string& word, int min, int max, int& value) {
  return parse_int(word, value) && value >= min && value <= max;
}

bool parse_seed(const std::string& word, uint64_t& value) {
  if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  value = std::strtoull(word.c_str(), nullptr, 10);
  return errno == 0;
}

}  // namespace

std::string match_usage() {
  return "Usage: trevosk-match [options] SEAT_A SEAT_B\n"
         "       trevosk-match --summary [--csv] FILE...\n"
         "       trevosk-match --replay FILE[:N]\n"
         "Seats:\n"
         "  level:L[,r][,n][,w=W]  built-in player, level 1-8; r random assist,\n"
         "                         n no joseki (66t0), w think width 1-99\n"
         "  cmd:PROGRAM [ARGS...]  outside program speaking the engine protocol\n"
         "  level:L[,r][,n][,w=W],cmd=PROGRAM [ARGS...]\n"
         "                         outside program told to play with these settings\n"
         "Options:\n"
         "  --games N          games to play, in pairs with seats swapped (default 100)\n"
         "  --concurrency K    games at once (default: the number of cores)\n"
         "  --seed S           master seed (default: drawn from the system)\n"
         "  --openings K       random half-moves opening each pair (default 0)\n"
         "  --out FILE         write the records, one JSON object per line\n"
         "  --move-time SECS   time limit per move for outside programs\n"
         "  --shard I/N        play only the games with index I modulo N (needs --seed)\n"
         "  --csv              print the summary as CSV\n"
         "  --summary FILE...  summarise record files and play nothing\n"
         "  --replay FILE[:N]  print game N of a record file as trevosk -t does\n"
         "  --help             this text\n";
}

bool parse_match_options(std::span<const std::string> words, MatchOptions& o, std::string& error) {
  o = MatchOptions{};
  o.plan.concurrency = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  std::vector<std::string> seats;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (!w.starts_with("--")) {
      seats.push_back(w);
      continue;
    }
    if (w == "--help") {
      o.mode = MatchOptions::Mode::Help;
      return true;
    }
    if (w == "--csv") {
      o.csv = true;
      continue;
    }
    if (w == "--summary") {
      o.mode = MatchOptions::Mode::Summary;
      // The files run to the next option; --csv may stand among them.
      while (i + 1 < words.size() && (words[i + 1] == "--csv" || !words[i + 1].starts_with("--"))) {
        if (words[++i] == "--csv")
          o.csv = true;
        else
          o.summary_files.push_back(words[i]);
      }
      if (o.summary_files.empty()) return (error = "--summary needs a file"), false;
      continue;
    }
    if (i + 1 == words.size()) return (error = w + " needs an argument"), false;
    const std::string& arg = words[++i];
    auto bad = [&](const std::string& expected) {
      error = "wrong argument `" + arg + "' for " + w + ": expected " + expected;
      return false;
    };
    if (w == "--games") {
      if (!parse_count(arg, 1, 100000000, o.plan.games)) return bad("a number of games >= 1");
    } else if (w == "--concurrency") {
      if (!parse_count(arg, 1, 1024, o.plan.concurrency)) return bad("1 to 1024");
    } else if (w == "--seed") {
      if (!parse_seed(arg, o.plan.config.master_seed)) return bad("an unsigned 64-bit integer");
      o.seed_given = true;
    } else if (w == "--openings") {
      if (!parse_count(arg, 0, kMaxOpenings, o.plan.config.openings))
        return bad("0 to " + std::to_string(kMaxOpenings));
    } else if (w == "--out") {
      o.out = arg;
    } else if (w == "--move-time") {
      char* end = nullptr;
      const double t = std::strtod(arg.c_str(), &end);
      if (arg.empty() || *end || !(t > 0 && t < 1e6)) return bad("seconds > 0");
      o.plan.config.move_time = t;
    } else if (w == "--shard") {
      const size_t slash = arg.find('/');
      int index = 0, count = 0;
      if (slash == std::string::npos || !parse_count(arg.substr(0, slash), 0, 1 << 30, index) ||
          !parse_count(arg.substr(slash + 1), 1, 1 << 30, count) || index >= count)
        return bad("I/N with 0 <= I < N");
      o.plan.shard_index = index;
      o.plan.shard_count = count;
    } else if (w == "--replay") {
      o.mode = MatchOptions::Mode::Replay;
      o.replay_file = arg;
      const size_t colon = arg.rfind(':');
      int n = 0;
      if (colon != std::string::npos && parse_count(arg.substr(colon + 1), 0, 1 << 30, n)) {
        o.replay_file = arg.substr(0, colon);
        o.replay_game = n;
      }
    } else {
      error = "unknown option `" + w + "'";
      return false;
    }
  }
  if (o.mode != MatchOptions::Mode::Play) {
    if (!seats.empty()) return (error = "unexpected `" + seats[0] + "'"), false;
    return true;
  }
  if (seats.size() != 2) return (error = "two seats are needed, SEAT_A and SEAT_B"), false;
  if (!parse_seat(seats[0], o.plan.config.seat_a, error) ||
      !parse_seat(seats[1], o.plan.config.seat_b, error))
    return false;
  if (o.plan.shard_count > 1 && !o.seed_given)
    return (error = "--shard needs --seed, the same for every shard"), false;
  return true;
}

}  // namespace trevosk
