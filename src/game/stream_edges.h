// Where the programs meet the operating system's streams. An input that
// cannot be read (a closed descriptor, a directory, a device error) is
// treated as its end; an output that cannot be written (a full disk, a closed
// descriptor) is reported once and ends the program, so a game is never lost
// without a word.
#pragma once

#include <ostream>
#include <streambuf>
#include <string_view>

namespace trevosk {

// The next byte of in, or EOF at its end or when it cannot be read.
int next_byte(std::streambuf& in) noexcept;

// Flushes out. If any write to it has failed, writes
// "PROGRAM: cannot write to standard output" to err and returns false.
bool output_ok(std::ostream& out, std::ostream& err, std::string_view program);

// The exit status after a failed write to standard output.
inline constexpr int kOutputFailedStatus = 1;

}  // namespace trevosk
