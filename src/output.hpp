// The program's standard output. A scripted session writes a great deal, so
// output is gathered into large blocks and handed to the system a block at a
// time; the console input flushes it whenever the program is about to wait.
#pragma once

#include <ostream>
#include <streambuf>
#include <string_view>
#include <vector>

// Writes `text` to `out` as is, straight into its buffer: for texts this
// short, the checks of a stream write cost more than the copy. A short write
// marks the stream bad, as a stream write would.
inline void writetext(std::ostream& out, std::string_view text) {
  std::streambuf* const buffer = out.rdbuf();
  const auto size = static_cast<std::streamsize>(text.size());
  if (buffer == nullptr || buffer->sputn(text.data(), size) != size) {
    out.setstate(std::ios::badbit);
  }
}

class outputbuffer : public std::streambuf {
 public:
  // Writes to the open file descriptor `fd`, in blocks of `blocksize` bytes.
  explicit outputbuffer(int fd, std::size_t blocksize = 1 << 16);
  ~outputbuffer() override;

 protected:
  int_type overflow(int_type c) override;
  std::streamsize xsputn(const char_type* text, std::streamsize count) override;
  // Writes out what is gathered; -1 once a write has failed.
  int sync() override;

 private:
  // Writes `count` bytes at `text` whole; false once a write has failed.
  bool writeall(const char* text, std::streamsize count);
  bool drain();

  int fd_;
  bool failed_ = false;
  std::vector<char> block_;
};
