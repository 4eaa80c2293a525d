#include "match/record_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace trevosk {

bool read_records(const std::string& path, std::vector<GameRecord>& records, std::string& error) {
  return for_each_record(
      path,
      [&](const GameRecord& r, int) {
        records.push_back(r);
        return true;
      },
      error);
}

bool for_each_record(const std::string& path,
                     const std::function<bool(const GameRecord&, int line_no)>& on_record,
                     std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return (error = path + ": " + std::strerror(errno)), false;
  std::string line;
  for (int line_no = 1; std::getline(in, line); ++line_no) {
    // getline stops at the end of the file on a line without its newline.
    const bool complete = !in.eof();
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    GameRecord r;
    std::string why;
    if (parse_record(line, r, why)) {
      if (!on_record(r, line_no))
        return (error = path + ":" + std::to_string(line_no) + ": " + error), false;
    } else if (complete) {
      error = path + ":" + std::to_string(line_no) + ": " + why;
      return false;
    }
  }
  if (in.bad()) return (error = path + ": " + std::strerror(errno)), false;
  return true;
}

RecordWriter::~RecordWriter() {
  if (file_) std::fclose(file_);
}

RecordWriter::Opened RecordWriter::open(const std::string& path, std::string& error) {
  path_ = path;
  int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  created_ = fd >= 0;
  if (fd < 0 && errno == EEXIST) fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CLOEXEC);
  if (fd < 0) return (error = path + ": " + std::strerror(errno)), Opened::Failed;
  if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool busy = errno == EWOULDBLOCK;
    error = path + (busy ? ": in use by another run of trevosk-match"
                         : ": " + std::string(std::strerror(errno)));
    close(fd);
    return busy ? Opened::Busy : Opened::Failed;
  }
  struct stat st {};
  if (fstat(fd, &st) != 0 || !(file_ = fdopen(fd, "a"))) {
    error = path + ": " + std::strerror(errno);
    close(fd);
    return Opened::Failed;
  }
  was_empty_ = st.st_size == 0;
  return Opened::Ok;
}

bool RecordWriter::drop_partial_line(std::string& error) {
  const int fd = fileno(file_);
  const off_t size = lseek(fd, 0, SEEK_END);
  off_t keep = size;
  char c = 0;
  while (keep > 0 && pread(fd, &c, 1, keep - 1) == 1 && c != '\n') --keep;
  if (keep < size && ftruncate(fd, keep) != 0)
    return (error = path_ + ": " + std::strerror(errno)), false;
  return true;
}

void RecordWriter::discard_if_new() {
  if (created_ && !written_) unlink(path_.c_str());
}

bool RecordWriter::write(const GameRecord& record) {
  if (!file_) return false;
  written_ = true;
  const std::string line = record_json(record) + "\n";
  return std::fwrite(line.data(), 1, line.size(), file_) == line.size() && std::fflush(file_) == 0;
}

}  // namespace trevosk
