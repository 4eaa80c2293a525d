// Fuzz target: a whole text-mode game driven by the bytes on standard input.
//
// The first byte picks the seats and switches (bit 0: player 1 human, bit 1:
// player 2 human, player 1 when neither; bit 2: -n; bit 3: -r); computer
// seats play level 1 from a fixed seed, and the rest of the input is what
// the human types. Whatever is typed, the transcript on standard output must
// replay as a legal game, the program must end with status 0 after the
// result line or with status 2 and the end-of-input line when the input ran
// out first.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "game/program.h"
#include "transcript.h"

namespace {

constexpr uint64_t kSeed = 20261207;

trevosk::OpenedFrontend no_window(int, int, std::ostream&) {
  return {nullptr, "no window in text mode"};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const uint8_t flags = data[0];
  const bool human2 = flags & 2, human1 = (flags & 1) || !human2;
  std::vector<std::string> args = {
      "trevosk", "-t", "-p1", human1 ? "human" : "1", "-p2", human2 ? "human" : "1"};
  if (flags & 4) args.push_back("-n");
  if (flags & 8) args.push_back("-r");

  std::istringstream in(std::string(reinterpret_cast<const char*>(data) + 1, size - 1));
  std::ostringstream out, err;
  const int status = trevosk::run_program(args, {in, out, err}, no_window, kSeed);

  const trevosk::e2e::TranscriptReport report = trevosk::e2e::check_transcript(out.str());
  FUZZ_CHECK(report.ok, "a consistent transcript; line " + std::to_string(report.line) + ": " +
                            report.message);
  if (status == 0) {
    FUZZ_CHECK(report.finished && err.str().empty(), "status 0 after the result line");
  } else {
    FUZZ_CHECK(status == 2, "status 0 or 2");
    FUZZ_CHECK(!report.finished && err.str() == "Fatal error: exception End_of_file\n",
               "status 2 when the input ends at a prompt, with its fatal-error line");
  }
  return 0;
}
