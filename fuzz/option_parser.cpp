// Fuzz target: the command line and its corrections, against a small model.
//
// The input is the argument words after the program name, separated by NUL
// bytes (a NUL cannot occur inside a real argument). The model below gives
// the expected exit status, the exact text on standard output and standard
// error, and the settings after the corrections; parse_command_line followed
// by correct_settings must agree with it in every field.
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "game/settings.h"

namespace {

constexpr std::string_view kName = "trevosk";
constexpr std::string_view kBanner = "Kalvon Trevosk 1.0 r.temmo\n";
constexpr std::string_view kUsage =
    "Usage:\n"
    "  -v : Version info.\n"
    "  -t : Text-mode\n"
    "  -r : Random Assist\n"
    "  -n : Not use jouseki (at first)\n"
    "  -p1 human | 1-8 : Player-1 (default=8)\n"
    "  -p2 human | 1-8 : Player-2 (default=8)\n"
    "  -w  2-99 : Think width (not recommended).\n"
    "  -help  Display this list of options\n"
    "  --help  Display this list of options\n";

// A whole word that is an optional sign and decimal digits within int.
bool model_number(std::string_view w, int& value) {
  if (w.size() > 1 && w[0] == '+' && w[1] >= '0' && w[1] <= '9') w.remove_prefix(1);
  const auto [end, error] = std::from_chars(w.data(), w.data() + w.size(), value);
  return !w.empty() && error == std::errc() && end == w.data() + w.size();
}

struct Expected {
  bool stops = false;
  int status = 0;
  std::string out;
  std::string err;
  bool fatal = false;  // err is a "Fatal error: exception ..." line
  bool text = false, random = false, joseki = true;
  std::array<bool, 3> com{false, true, true};
  std::array<int, 3> level{0, 8, 8};
  std::array<int, 3> width{0, 10, 10};
};

Expected model(const std::vector<std::string>& words) {
  Expected e;
  auto stop = [&](int status, std::string_view out, std::string err) {
    e.stops = true;
    e.status = status;
    e.out = out;
    e.err = std::move(err);
    return e;
  };
  const std::string name(kName);
  for (size_t i = 0; i < words.size();) {
    const std::string& w = words[i++];
    if (w.empty() || w[0] != '-') continue;
    if (w == "-v") return stop(0, kBanner, "");
    if (w == "-help" || w == "--help") return stop(0, kUsage, "");
    if (w == "-t") {
      e.text = true;
    } else if (w == "-r") {
      e.random = true;
    } else if (w == "-n") {
      e.joseki = false;
    } else if (w == "-p1" || w == "-p2" || w == "-w") {
      if (i == words.size())
        return stop(2, "",
                    name + ": option `" + w + "' needs an argument.\n" + std::string(kUsage));
      const std::string& arg = words[i++];
      int n = 0;
      const bool is_number = model_number(arg, n);
      if (w == "-w") {
        if (!is_number)
          return stop(2, "",
                      name + ": wrong argument `" + arg + "'; option `-w' expects an integer.\n" +
                          std::string(kUsage));
        e.width[1] = e.width[2] = n;
      } else {
        const int p = w == "-p1" ? 1 : 2;
        if (arg == "human") {
          e.com[p] = false;
        } else if (is_number) {
          e.level[p] = n;
        } else {
          e.fatal = true;
          return stop(2, "", "");
        }
      }
    } else {
      return stop(2, "", name + ": unknown option `" + w + "'.\n" + std::string(kUsage));
    }
  }
  for (int p = 1; p <= 2; ++p) {
    if (e.width[p] < 1 || e.width[p] > 99) e.width[p] = 4;
    if (e.level[p] < 1 || e.level[p] > 8) e.level[p] = 8;
    if (e.level[p] == 6) e.width[p] = 4;
    if (e.level[p] == 7) e.width[p] = 7;
  }
  return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> words;
  for (size_t start = 0;;) {
    const size_t end = input.find('\0', start);
    words.emplace_back(input.substr(start, end - start));
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  const Expected e = model(words);
  const trevosk::CommandLineResult r = trevosk::parse_command_line(kName, words);
  FUZZ_CHECK(r.run == !e.stops, "whether the program goes on to a game");
  if (e.stops) {
    FUZZ_CHECK(r.status == e.status, "the exit status");
    FUZZ_CHECK(r.out == e.out, "the text on standard output");
    if (e.fatal) {
      const std::string_view err = r.err;
      FUZZ_CHECK(err.starts_with("Fatal error: exception ") && err.ends_with("\n") &&
                     err.find('\n') == err.size() - 1,
                 "one fatal-error line on standard error");
    } else {
      FUZZ_CHECK(r.err == e.err, "the text on standard error");
    }
    return 0;
  }
  FUZZ_CHECK(r.status == 0 && r.out.empty() && r.err.empty(), "nothing written before a game");
  trevosk::Settings s = r.settings;
  trevosk::correct_settings(s);
  FUZZ_CHECK(s.text_mode == e.text && s.random_assist == e.random && s.use_joseki == e.joseki,
             "the switches -t, -r and -n");
  for (int p = 1; p <= 2; ++p) {
    FUZZ_CHECK(s.is_com[p] == e.com[p], "which seats are human");
    FUZZ_CHECK(s.level[p] == e.level[p], "the corrected levels");
    FUZZ_CHECK(s.think_width[p] == e.width[p], "the corrected widths");
  }
  return 0;
}
