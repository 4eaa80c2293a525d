// Record files: one game record per line, appended and flushed game by game.
#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "match/game_record.h"

namespace trevosk {

// Reads every record of a file. A last line without its newline (a game
// being written when the match was stopped) is skipped if it does not read;
// any other bad line is an error naming the file and line.
bool read_records(const std::string& path, std::vector<GameRecord>& records, std::string& error);
// The same, handing the records one at a time to on_record, which may stop
// the reading by returning false (with its own message in `error`).
bool for_each_record(const std::string& path,
                     const std::function<bool(const GameRecord&, int line_no)>& on_record,
                     std::string& error);

// Appends records to a file, each line written and flushed at once. The
// file is held with an exclusive lock (flock) from open() to the writer's
// end, so that two runs never write the same file.
class RecordWriter {
 public:
  RecordWriter() = default;
  ~RecordWriter();
  RecordWriter(const RecordWriter&) = delete;
  RecordWriter& operator=(const RecordWriter&) = delete;

  enum class Opened : uint8_t { Ok, Busy, Failed };
  // Opens the file, creating it but never truncating it, and locks it.
  // Busy when another run holds the lock; Failed with a message otherwise.
  Opened open(const std::string& path, std::string& error);
  // Whether the file held nothing when it was opened.
  bool was_empty() const { return was_empty_; }
  // Cuts a last line without its newline (a record being written when a
  // run was stopped) off the file; false with a message on failure.
  bool drop_partial_line(std::string& error);
  // Removes the file if open() created it and nothing was written since.
  void discard_if_new();
  // False once a write failed.
  bool write(const GameRecord& record);

 private:
  std::FILE* file_ = nullptr;
  std::string path_;
  bool was_empty_ = true;
  bool created_ = false;
  bool written_ = false;
};

}  // namespace trevosk
