// Fuzz target: the transcript checker on any text.
//
// The checker must not fail on any bytes, and what it reports must hold
// together: a consistent text has no error line and at most the 44
// half-moves of a game; an inconsistent one names a line of the text (or
// the end of a text without a final line end), and that line is the first
// wrong one: the text cut just before it is consistent as far as it goes.
// Seeded with real games, mutations exercise every kind of mismatch.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "transcript.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const trevosk::e2e::TranscriptReport report = trevosk::e2e::check_transcript(text);
  if (report.ok) {
    FUZZ_CHECK(report.line == 0 && report.message.empty(), "no error line when consistent");
    FUZZ_CHECK(report.moves >= 0 && report.moves <= 44, "at most 44 half-moves");
    return 0;
  }
  FUZZ_CHECK(!report.finished && !report.message.empty(), "an error says what is wrong");
  const int lines = static_cast<int>(std::count(text.begin(), text.end(), '\n')) + 1;
  FUZZ_CHECK(report.line >= 1 && report.line <= lines + 1, "the error line within the text");
  FUZZ_CHECK(report.line <= lines || !text.ends_with('\n'), "past the end only without a line end");

  // The lines before the error line, each with its line end.
  if (report.line == 1 || report.line > lines) return 0;
  size_t cut = 0;
  for (int n = 1; n < report.line; ++n) cut = text.find('\n', cut) + 1;
  const trevosk::e2e::TranscriptReport before = trevosk::e2e::check_transcript(text.substr(0, cut));
  FUZZ_CHECK(before.ok || before.line >= report.line, "the first wrong line is " +
                                                          std::to_string(report.line) + ", not " +
                                                          std::to_string(before.line));
  return 0;
}
