// Fuzz target: the match runner's record reader, line by line as a record
// file is read.
//
// A line parse_record accepts must be written back by record_json as a line
// that reads to the same record (the times to the three decimals written)
// and is written again unchanged; a line it refuses must say why.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "match/game_record.h"

namespace {

using trevosk::GameRecord;

std::string written_ms(const std::optional<double>& ms) {
  if (!ms) return "null";
  char buf[512];
  std::snprintf(buf, sizeof buf, "%.3f", *ms);
  return buf;
}

bool same(const GameRecord& a, const GameRecord& b) {
  if (a.ms.size() != b.ms.size()) return false;
  for (size_t i = 0; i < a.ms.size(); ++i)
    if (written_ms(a.ms[i]) != written_ms(b.ms[i])) return false;
  return a.version == b.version && a.game == b.game && a.seed == b.seed &&
         a.master_seed == b.master_seed && a.seat_a == b.seat_a && a.seat_b == b.seat_b &&
         a.a_first == b.a_first && a.openings == b.openings && a.moves == b.moves &&
         a.score1 == b.score1 && a.score2 == b.score2 && a.winner == b.winner &&
         a.forfeit_player == b.forfeit_player && a.reason == b.reason;
}

void check_line(std::string_view line) {
  GameRecord record;
  std::string error;
  if (!trevosk::parse_record(line, record, error)) {
    FUZZ_CHECK(!error.empty(), "a refused line says why");
    return;
  }
  FUZZ_CHECK(record.moves.size() == record.ms.size(), "a time for every move");
  for (const trevosk::Move& m : record.moves)
    FUZZ_CHECK(m.is_placement() || m.is_pass(), "only placements and passes");
  const std::string written = trevosk::record_json(record);
  GameRecord again;
  FUZZ_CHECK(trevosk::parse_record(written, again, error),
             "a written record reads back: " + error + "\n" + written);
  FUZZ_CHECK(same(record, again), "a written record reads as the same record:\n" + written);
  FUZZ_CHECK(trevosk::record_json(again) == written, "a record written twice alike");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  for (size_t start = 0; start <= size;) {
    size_t end = input.find('\n', start);
    if (end == std::string_view::npos) end = size;
    check_line(input.substr(start, end - start));
    start = end + 1;
  }
  return 0;
}
