// transcript_check FILE...: checks text-mode game transcripts (a game's
// standard output) by replaying them with the rules core. Exit status 0 when
// every file is consistent, 1 when one is not (its first wrong line is named
// on standard error), 2 when a file cannot be read.
#include <fstream>
#include <iostream>
#include <sstream>

#include "transcript.h"

int main(int argc, char** argv) {
  int status = argc < 2 ? 2 : 0;
  for (int i = 1; i < argc; ++i) {
    std::ifstream file(argv[i], std::ios::binary);
    std::ostringstream text;
    if (!file) {
      std::cerr << argv[i] << ": cannot be read\n";
      return 2;
    }
    text << file.rdbuf();
    const trevosk::e2e::TranscriptReport r = trevosk::e2e::check_transcript(text.str());
    if (!r.ok) {
      std::cerr << argv[i] << ":" << r.line << ": " << r.message << "\n";
      status = 1;
    } else {
      std::cout << argv[i] << ": consistent, " << r.moves << " moves"
                << (r.finished ? ", game finished\n" : ", ends at an unanswered prompt\n");
    }
  }
  return status;
}
