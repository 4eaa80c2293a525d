#include "match/match_options.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "game/settings.h"

namespace trevosk {

namespace {

constexpr int kMaxOpenings = 2 * 22;
constexpr int kMaxGames = 100000000;

bool parse_count(const std::string& word, int min, int max, int& value) {
  return parse_int(word, value) && value >= min && value <= max;
}

bool parse_seed(const std::string& word, uint64_t& value) {
  if (word.empty() || word.find_first_not_of("0123456789") != std::string::npos) return false;
  errno = 0;
  value = std::strtoull(word.c_str(), nullptr, 10);
  return errno == 0;
}

bool deterministic(const MatchSeat& seat) {
  return (!seat.outside || seat.configured) && seat.computer.level >= 3 &&
         seat.computer.level <= 8 && !seat.computer.random_assist;
}

}  // namespace

std::string match_usage() {
  return "Usage: trevosk-match [options] SEAT_A SEAT_B\n"
         "       trevosk-match --tournament round-robin|gauntlet [options] SEAT...\n"
         "       trevosk-match --summary [--csv] FILE...\n"
         "       trevosk-match --replay FILE[:N]\n"
         "Seats:\n"
         "  level:L[,r][,n][,w=W]  built-in player, level 1-10; r random assist,\n"
         "                         n no joseki (66t0), w think width 1-99; levels\n"
         "                         9 and 10 also take the search's NAME=VALUE\n"
         "                         (p=N playouts, t=SECONDS, threads=N, ...)\n"
         "  cmd:PROGRAM [ARGS...]  outside program speaking the engine protocol;\n"
         "                         words split on spaces, quoted as in the shell\n"
         "  level:L[,r][,n][,w=W],cmd=PROGRAM [ARGS...]\n"
         "                         outside program told to play with these settings\n"
         "Options:\n"
         "  --games N          games per pairing, in pairs with seats swapped (default 100)\n"
         "  --concurrency K    games at once (default: the number of cores)\n"
         "  --seed S           master seed (default: drawn from the system)\n"
         "  --openings K       random half-moves opening each pair (default 0)\n"
         "  --openings-file F  openings from a file, one a line, as move codes\n"
         "  --openings-order O sequential (default) or random: the file's lines in order\n"
         "                     or shuffled from the seed\n"
         "  --out FILE         write the records, one JSON object per line\n"
         "  --resume           go on with the match whose records FILE holds\n"
         "  --tc BASE+INC      a clock per game and player: BASE seconds, INC more per move\n"
         "  --move-time SECS   time limit per move for outside programs\n"
         "  --sprt elo0=E0,elo1=E1[,alpha=A,beta=B]\n"
         "                     stop once the test accepts H0 (Elo E0) or H1 (Elo E1)\n"
         "  --tournament T     round-robin or gauntlet (the first seat against the rest)\n"
         "  --shard I/N        play only the games with index I modulo N (needs --seed)\n"
         "  --progress-every S a progress line every S seconds when standard error is\n"
         "                     not a terminal (default 60; 0: none)\n"
         "  --csv              print the summary as CSV\n"
         "  --summary          summarise the record files given and play nothing\n"
         "  --replay FILE[:N]  print game N of a record file as trevosk -t does\n"
         "  --help             this text\n"
         "  --version          the program's version\n";
}

bool parse_match_options(std::span<const std::string> words, MatchOptions& o, std::string& error) {
  o = MatchOptions{};
  o.plan.concurrency = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
  MatchConfig& config = o.plan.config;
  std::vector<std::string> positional;
  bool summary = false;
  std::string order = "sequential", tournament;
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (!w.starts_with("-")) {
      positional.push_back(w);
      continue;
    }
    if (w == "--help" || w == "--version") {
      o.mode = w == "--help" ? MatchOptions::Mode::Help : MatchOptions::Mode::Version;
      return true;
    }
    if (w == "--csv" || w == "--summary" || w == "--resume") {
      (w == "--csv" ? o.csv : w == "--summary" ? summary : o.resume) = true;
      continue;
    }
    const bool known = w == "--games" || w == "--concurrency" || w == "--seed" ||
                       w == "--openings" || w == "--openings-file" || w == "--openings-order" ||
                       w == "--out" || w == "--tc" || w == "--move-time" || w == "--sprt" ||
                       w == "--tournament" || w == "--shard" || w == "--progress-every" ||
                       w == "--replay";
    if (!known) return (error = "unknown option `" + w + "'"), false;
    if (i + 1 == words.size()) return (error = w + " needs an argument"), false;
    const std::string& arg = words[++i];
    auto bad = [&](const std::string& expected) {
      error = "wrong argument `" + arg + "' for " + w + ": expected " + expected;
      return false;
    };
    if (w == "--games") {
      if (!parse_count(arg, 1, kMaxGames, o.plan.games)) return bad("a number of games >= 1");
    } else if (w == "--concurrency") {
      if (!parse_count(arg, 1, 1024, o.plan.concurrency)) return bad("1 to 1024");
    } else if (w == "--seed") {
      if (!parse_seed(arg, config.master_seed)) return bad("an unsigned 64-bit integer");
      o.seed_given = true;
    } else if (w == "--openings") {
      if (!parse_count(arg, 0, kMaxOpenings, config.openings))
        return bad("0 to " + std::to_string(kMaxOpenings));
    } else if (w == "--openings-file") {
      o.openings_file = arg;
    } else if (w == "--openings-order") {
      if (arg != "sequential" && arg != "random") return bad("sequential or random");
      order = arg;
    } else if (w == "--out") {
      o.out = arg;
    } else if (w == "--tc") {
      if (!parse_time_control(arg, config.clock)) return bad("BASE+INC in seconds, BASE > 0");
    } else if (w == "--move-time") {
      if (!parse_seconds(arg, config.move_time) || !(config.move_time > 0))
        return bad("seconds > 0");
    } else if (w == "--sprt") {
      SprtSettings s;
      std::string why;
      if (!parse_sprt(arg, s, why)) return bad("elo0=E0,elo1=E1[,alpha=A,beta=B]: " + why);
      o.sprt = s;
      config.sprt = sprt_text(s);
    } else if (w == "--tournament") {
      if (!parse_tournament(arg, config.tournament) || config.tournament == Tournament::None)
        return bad("round-robin or gauntlet");
    } else if (w == "--shard") {
      const size_t slash = arg.find('/');
      int index = 0, count = 0;
      if (slash == std::string::npos || !parse_count(arg.substr(0, slash), 0, 1 << 30, index) ||
          !parse_count(arg.substr(slash + 1), 1, 1 << 30, count) || index >= count)
        return bad("I/N with 0 <= I < N");
      o.plan.shard_index = index;
      o.plan.shard_count = count;
    } else if (w == "--progress-every") {
      if (!parse_seconds(arg, o.progress_every)) return bad("seconds >= 0");
    } else {  // --replay
      o.mode = MatchOptions::Mode::Replay;
      o.replay_file = arg;
      const size_t colon = arg.rfind(':');
      int n = 0;
      if (colon != std::string::npos && parse_count(arg.substr(colon + 1), 0, 1 << 30, n)) {
        o.replay_file = arg.substr(0, colon);
        o.replay_game = n;
      }
    }
  }
  if (summary) {
    if (o.mode == MatchOptions::Mode::Replay)
      return (error = "--summary and --replay exclude each other"), false;
    if (positional.empty()) return (error = "--summary needs a file"), false;
    o.mode = MatchOptions::Mode::Summary;
    o.summary_files = positional;
    return true;
  }
  if (o.mode == MatchOptions::Mode::Replay) {
    if (!positional.empty()) return (error = "unexpected `" + positional[0] + "'"), false;
    return true;
  }

  const bool is_tournament = config.tournament != Tournament::None;
  if (is_tournament ? positional.size() < 2 : positional.size() != 2)
    return (error = is_tournament ? "a tournament needs two seats or more"
                                  : "two seats are needed, SEAT_A and SEAT_B"),
           false;
  for (const std::string& text : positional) {
    config.seats.emplace_back();
    if (!parse_seat(text, config.seats.back(), error)) return false;
  }
  if (is_tournament && o.plan.games % 2)
    return (error = "a tournament plays whole pairs: --games must be even"), false;
  if (static_cast<double>(o.plan.games) * config.pairings().size() > kMaxGames)
    return (error = "more than " + std::to_string(kMaxGames) + " games in all"), false;
  if (o.plan.shard_count > 1 && !o.seed_given)
    return (error = "--shard needs --seed, the same for every shard"), false;
  if (o.sprt && (is_tournament || o.plan.shard_count > 1))
    return (error = "--sprt is for one match of two seats, whole"), false;
  if (o.resume && o.out.empty()) return (error = "--resume needs --out FILE"), false;
  if (!o.openings_file.empty() && config.openings > 0)
    return (error = "--openings and --openings-file exclude each other"), false;
  if (order == "random" && o.openings_file.empty())
    return (error = "--openings-order needs --openings-file"), false;
  config.random_order = order == "random";
  if (!o.openings_file.empty()) {
    auto suite = std::make_shared<OpeningSuite>();
    if (!read_opening_suite(o.openings_file, *suite, error)) return false;
    config.suite = std::move(suite);
  }
  config.match = match_identity(o);
  return true;
}

std::string match_identity(const MatchOptions& o) {
  const MatchConfig& c = o.plan.config;
  std::string s = "games=" + std::to_string(o.plan.games);
  if (c.suite) {
    char hash[17];
    std::snprintf(hash, sizeof hash, "%016llx", static_cast<unsigned long long>(c.suite->hash));
    s += std::string(" openings-file=") + hash + (c.random_order ? " openings-order=random" : "");
  } else {
    s += " openings=" + std::to_string(c.openings);
  }
  if (c.move_time > 0) {
    char t[32];
    std::snprintf(t, sizeof t, "%.17g", c.move_time);
    s += std::string(" move-time=") + t;
  }
  if (c.clock.on()) s += " tc=" + time_control_text(c.clock);
  s += " shard=" + std::to_string(o.plan.shard_index) + "/" + std::to_string(o.plan.shard_count);
  return s;
}

bool repeats_games(const MatchConfig& config) {
  if (config.openings > 0 || config.suite) return false;
  for (const auto& [a, b] : config.pairings())
    if (deterministic(config.seats[a]) && deterministic(config.seats[b])) return true;
  return false;
}

}  // namespace trevosk
