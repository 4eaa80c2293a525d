#include "search/search_options.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <vector>

namespace trevosk {

namespace {

struct Option {
  std::string_view name;
  double low;
  double high;
  bool integer;
  std::function<void(SearchSettings&, double)> set;
};

const std::vector<Option>& options() {
  static const std::vector<Option> table = {
      {"p", 1, 1e12, true, [](SearchSettings& s, double v) { s.playouts = uint64_t(v); }},
      {"t", 0, 1e6, false, [](SearchSettings& s, double v) { s.move_time = v; }},
      {"threads", 1, 256, true, [](SearchSettings& s, double v) { s.threads = int(v); }},
      {"mem", 16, 65536, true, [](SearchSettings& s, double v) { s.params.memory_mb = int(v); }},
      {"largest", 0, 1, true,
       [](SearchSettings& s, double v) { s.params.policy.largest = v != 0; }},
      {"bypiece", 0, 1, true,
       [](SearchSettings& s, double v) { s.params.policy.by_piece = v != 0; }},
      {"tries", 1, 64, true, [](SearchSettings& s, double v) { s.params.policy.tries = int(v); }},
      {"block", -100, 100, false, [](SearchSettings& s, double v) { s.params.policy.block = v; }},
      {"c", 0, 100, false, [](SearchSettings& s, double v) { s.params.explore = v; }},
      {"rave", 0, 1e9, false, [](SearchSettings& s, double v) { s.params.rave = v; }},
      {"bias", 0, 1e6, false, [](SearchSettings& s, double v) { s.params.bias = v; }},
      {"fpu", 0, 10, false, [](SearchSettings& s, double v) { s.params.fpu = v; }},
      {"wb", 1, 1e6, false, [](SearchSettings& s, double v) { s.params.widen_base = v; }},
      {"wr", 0, 1e6, false, [](SearchSettings& s, double v) { s.params.widen_rate = v; }},
      {"wp", 0, 1, false, [](SearchSettings& s, double v) { s.params.widen_power = v; }},
      {"sb", 0, 1, false, [](SearchSettings& s, double v) { s.params.score_bonus = v; }},
      {"ss", 1, 89, false, [](SearchSettings& s, double v) { s.params.score_scale = v; }},
      {"expand", 1, 1e6, true, [](SearchSettings& s, double v) { s.params.expand = int(v); }},
      {"psize", -100, 100, false, [](SearchSettings& s, double v) { s.params.prior.size = v; }},
      {"pown", -100, 100, false,
       [](SearchSettings& s, double v) { s.params.prior.own_corners = v; }},
      {"popp", -100, 100, false,
       [](SearchSettings& s, double v) { s.params.prior.opp_corners = v; }},
      {"pcentre", -100, 100, false, [](SearchSettings& s, double v) { s.params.prior.centre = v; }},
      {"pturns", 0, 22, true,
       [](SearchSettings& s, double v) { s.params.prior.centre_turns = int(v); }},
      {"reach", 0, 1000, false, [](SearchSettings& s, double v) { s.params.reach = v; }},
      {"rdepth", 0, 44, true, [](SearchSettings& s, double v) { s.params.reach_depth = int(v); }},
      {"judge", 0, 1, false, [](SearchSettings& s, double v) { s.params.judge = v; }},
      {"jend", 2, 23, true, [](SearchSettings& s, double v) { s.params.judge_end = int(v); }},
      {"solve", 0, 1e9, true, [](SearchSettings& s, double v) { s.params.solve = uint64_t(v); }},
      {"ptemp", 0.01, 1000, false,
       [](SearchSettings& s, double v) { s.params.prior.temperature = v; }},
  };
  return table;
}

}  // namespace

bool set_search_option(SearchSettings& s, std::string_view name, std::string_view value,
                       std::string& error) {
  for (const Option& o : options()) {
    if (o.name != name) continue;
    double v = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), v);
    const bool whole = ec == std::errc() && end == value.data() + value.size() && !value.empty();
    if (!whole || !std::isfinite(v) || v < o.low || v > o.high ||
        (o.integer && v != std::floor(v))) {
      char range[96];
      std::snprintf(range, sizeof range, "%s from %g to %g",
                    o.integer ? "a whole number" : "a number", o.low, o.high);
      error = std::string(name) + " must be " + range + ", not `" + std::string(value) + "'";
      return false;
    }
    o.set(s, v);
    return true;
  }
  error = "unknown search option `" + std::string(name) + "' (" + search_option_names() + ")";
  return false;
}

std::string search_option_names() {
  std::string names;
  for (const Option& o : options()) {
    names += o.name;
    names += ' ';
  }
  names.pop_back();
  return names;
}

}  // namespace trevosk
