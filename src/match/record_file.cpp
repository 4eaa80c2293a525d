#include "match/record_file.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace trevosk {

bool read_records(const std::string& path, std::vector<GameRecord>& records, std::string& error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return (error = path + ": " + std::strerror(errno)), false;
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  size_t start = 0;
  for (int line_no = 1; start < text.size(); ++line_no) {
    const size_t end = text.find('\n', start);
    const bool complete = end != std::string::npos;
    const std::string line = text.substr(start, complete ? end - start : std::string::npos);
    start = complete ? end + 1 : text.size();
    if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
    GameRecord r;
    std::string why;
    if (parse_record(line, r, why)) {
      records.push_back(std::move(r));
    } else if (complete) {
      error = path + ":" + std::to_string(line_no) + ": " + why;
      return false;
    }
  }
  return true;
}

RecordWriter::~RecordWriter() {
  if (file_) std::fclose(file_);
}

bool RecordWriter::open(const std::string& path, std::string& error) {
  file_ = std::fopen(path.c_str(), "w");
  if (!file_) error = path + ": " + std::strerror(errno);
  return file_ != nullptr;
}

bool RecordWriter::write(const GameRecord& record) {
  if (!file_) return false;
  const std::string line = record_json(record) + "\n";
  return std::fwrite(line.data(), 1, line.size(), file_) == line.size() && std::fflush(file_) == 0;
}

}  // namespace trevosk
