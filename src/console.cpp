#include "console.hpp"

#include <istream>
#include <ostream>
#include <streambuf>
#include <string>

namespace {

constexpr int endoffile = std::char_traits<char>::eof();

// The next character, left in place. With nothing buffered the read would
// wait (or find the end), so whatever is still pending goes out first.
int peek(std::streambuf& in, std::ostream& pending) {
  if (in.in_avail() <= 0) pending.flush();
  return in.sgetc();
}

// The white space that "%d" skips in the C locale.
bool iswhite(int c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

bool isdecimal(int c) { return c >= '0' && c <= '9'; }

}  // namespace

numberread readnumber(std::istream& in, std::ostream& pending) {
  std::streambuf& buffer = *in.rdbuf();
  int c = peek(buffer, pending);
  while (iswhite(c)) {
    buffer.sbumpc();
    c = peek(buffer, pending);
  }
  if (c == endoffile) return {readstatus::endofinput, 0};

  const bool negative = c == '-';
  if (c == '-' || c == '+') {
    buffer.sbumpc();
    c = peek(buffer, pending);
  }
  if (!isdecimal(c)) return {readstatus::notanumber, 0};

  // The magnitude stops growing once it is out of range, so any number of
  // digits is consumed without overflow.
  const std::int64_t limit = negative ? 2147483648 : 2147483647;
  std::int64_t magnitude = 0;
  bool toolarge = false;
  do {
    if (!toolarge) {
      magnitude = magnitude * 10 + (c - '0');
      toolarge = magnitude > limit;
    }
    buffer.sbumpc();
    c = peek(buffer, pending);
  } while (isdecimal(c));

  if (toolarge) return {readstatus::notanumber, 0};
  return {readstatus::number, static_cast<std::int32_t>(negative ? -magnitude : magnitude)};
}

void skipline(std::istream& in, std::ostream& pending) {
  std::streambuf& buffer = *in.rdbuf();
  for (int c = peek(buffer, pending); c != endoffile; c = peek(buffer, pending)) {
    buffer.sbumpc();
    if (c == '\n') return;
  }
}
