// transcript_check: checks text-mode game transcripts (a game's standard
// output) by replaying them with the rules core.
//
//   transcript_check FILE...    ("-" reads standard input)
//
// Exit status 0 when every transcript is consistent, 1 when one is not (the
// first wrong line is named on standard error), 2 when a file cannot be read.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "transcript.h"

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: transcript_check FILE...\n";
    return 2;
  }
  int status = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string name = argv[i];
    std::string text;
    if (name == "-") {
      text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
      std::ifstream file(name, std::ios::binary);
      if (!file) {
        std::cerr << name << ": cannot be read\n";
        return 2;
      }
      std::ostringstream s;
      s << file.rdbuf();
      text = s.str();
    }
    const trevosk::e2e::TranscriptReport r = trevosk::e2e::check_transcript(text);
    if (!r.ok) {
      std::cerr << name << ":" << r.line << ": " << r.message << "\n";
      status = 1;
      continue;
    }
    std::cout << name << ": consistent, " << r.moves << " moves, "
              << (r.finished ? "game finished" : "ends at a prompt that the input left unanswered")
              << "\n";
  }
  return status;
}
