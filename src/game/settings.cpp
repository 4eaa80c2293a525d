#include "game/settings.h"

#include <limits>

#include "game/version.h"
#include "players/levels.h"

namespace trevosk {

namespace {

const std::string kBanner = "Kalvon Trevosk " + std::string(kVersion) + " r.temmo\n";

struct OptionHelp {
  const char* word;
  const char* help;
};

constexpr OptionHelp kOptions[] = {
    {"-v", ": Version info."},
    {"-t", ": Text-mode"},
    {"-r", ": Random Assist"},
    {"-n", ": Not use jouseki (at first)"},
    {"-p1", "human | 1-8 : Player-1 (default=8)"},
    {"-p2", "human | 1-8 : Player-2 (default=8)"},
    {"-w", " 2-99 : Think width (not recommended)."},
    {"-help", " Display this list of options"},
    {"--help", " Display this list of options"},
};

CommandLineResult stop(int status, std::string out, std::string err) {
  CommandLineResult r;
  r.run = false;
  r.status = status;
  r.out = std::move(out);
  r.err = std::move(err);
  return r;
}

CommandLineResult parser_error(std::string line) {
  return stop(2, "", std::move(line) + usage_text());
}

}  // namespace

std::string usage_text() {
  std::string s = "Usage:\n";
  for (const OptionHelp& o : kOptions) {
    s += "  ";
    s += o.word;
    s += ' ';
    s += o.help;
    s += '\n';
  }
  return s;
}

bool parse_int(std::string_view word, int& value) {
  if (word.empty()) return false;
  size_t start = 0;
  bool negative = false;
  if (word[0] == '+' || word[0] == '-') {
    negative = word[0] == '-';
    start = 1;
  }
  if (start == word.size()) return false;
  // Accumulate as a negative number so that the int's smallest value fits.
  long long acc = 0;
  for (size_t i = start; i < word.size(); ++i) {
    const char c = word[i];
    if (c < '0' || c > '9') return false;
    acc = acc * 10 - (c - '0');
    if (acc < static_cast<long long>(std::numeric_limits<int>::min())) return false;
  }
  if (!negative) {
    if (-acc > std::numeric_limits<int>::max()) return false;
    acc = -acc;
  }
  value = static_cast<int>(acc);
  return true;
}

CommandLineResult parse_command_line(std::string_view program_name,
                                     std::span<const std::string> words) {
  CommandLineResult result;
  Settings& s = result.settings;
  const std::string name(program_name);
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& w = words[i];
    if (w.empty() || w[0] != '-') continue;  // stray words are ignored
    if (w == "-v") return stop(0, kBanner, "");
    if (w == "-help" || w == "--help") return stop(0, usage_text(), "");
    if (w == "-t") {
      s.text_mode = true;
    } else if (w == "-r") {
      s.random_assist = true;
    } else if (w == "-n") {
      s.use_joseki = false;
    } else if (w == "-p1" || w == "-p2" || w == "-w") {
      if (i + 1 == words.size())
        return parser_error(name + ": option `" + w + "' needs an argument.\n");
      const std::string& arg = words[++i];
      if (w == "-w") {
        int width = 0;
        if (!parse_int(arg, width))
          return parser_error(name + ": wrong argument `" + arg + "'; option `" + w +
                              "' expects an integer.\n");
        s.think_width[1] = s.think_width[2] = width;
      } else {
        const int p = w == "-p1" ? 1 : 2;
        if (arg == "human") {
          s.is_com[p] = false;
        } else {
          // The seat handler converts on its own: a failure here is fatal,
          // not a parser error, and prints no usage text.
          int level = 0;
          if (!parse_int(arg, level))
            return stop(2, "", "Fatal error: exception Failure(\"int_of_string\")\n");
          s.level[p] = level;
        }
      }
    } else {
      return parser_error(name + ": unknown option `" + w + "'.\n");
    }
  }
  return result;
}

void correct_settings(Settings& s) {
  for (int p = 1; p <= 2; ++p)
    if (s.think_width[p] < 1 || s.think_width[p] > 99) s.think_width[p] = 4;
  for (int p = 1; p <= 2; ++p)
    if (s.level[p] < kMinLevel || s.level[p] > kMaxLevel) s.level[p] = kMaxLevel;
  for (int p = 1; p <= 2; ++p) s.think_width[p] = level_think_width(s.level[p], s.think_width[p]);
}

ComputerConfig computer_config(const Settings& s, int player) {
  return ComputerConfig{s.level[player], s.random_assist, s.use_joseki, s.think_width[player], {}};
}

}  // namespace trevosk
