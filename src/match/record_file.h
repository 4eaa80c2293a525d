// Record files: one game record per line, appended and flushed game by game.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "match/game_record.h"

namespace trevosk {

// Reads every record of a file. A last line without its newline (a game
// being written when the match was stopped) is skipped if it does not read;
// any other bad line is an error naming the file and line.
bool read_records(const std::string& path, std::vector<GameRecord>& records, std::string& error);

// Appends records to a file, each line written and flushed at once.
class RecordWriter {
 public:
  RecordWriter() = default;
  ~RecordWriter();
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  // Opens (and truncates) the file; false with a message on failure.
  bool open(const std::string& path, std::string& error);
  // False once a write failed.
  bool write(const GameRecord& record);

 private:
  std::FILE* file_ = nullptr;
};

}  // namespace trevosk
