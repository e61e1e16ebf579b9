#include "output.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>

outputbuffer::outputbuffer(int fd, std::size_t blocksize) : fd_(fd), block_(blocksize) {
  setp(block_.data(), block_.data() + block_.size());
}

outputbuffer::~outputbuffer() { sync(); }

bool outputbuffer::writeall(const char* text, std::streamsize count) {
  while (!failed_ && count > 0) {
    const ssize_t written = ::write(fd_, text, static_cast<std::size_t>(count));
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      failed_ = true;  // nothing written now will reach the reader
      break;
    }
    text += written;
    count -= written;
  }
  return !failed_;
}

bool outputbuffer::drain() {
  const bool written = writeall(pbase(), pptr() - pbase());
  setp(block_.data(), block_.data() + block_.size());
  return written;
}

int outputbuffer::overflow(int_type c) {
  if (!drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

std::streamsize outputbuffer::xsputn(const char_type* text, std::streamsize count) {
  if (count > epptr() - pptr()) {
    if (!drain()) return 0;
    // Too large for a block: straight through, with nothing left behind it.
    if (count >= epptr() - pptr()) return writeall(text, count) ? count : 0;
  }
  std::memcpy(pptr(), text, static_cast<std::size_t>(count));
  pbump(static_cast<int>(count));
  return count;
}

int outputbuffer::sync() { return drain() ? 0 : -1; }
