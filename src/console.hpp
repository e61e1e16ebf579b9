// Reading the numbers a user answers with. A prompt written before a read must
// be on the console before the program waits, yet a scripted session should
// not cost one write per answer: output is flushed only when a read is about
// to wait for input that has not arrived yet.
#pragma once

#include <cstdint>
#include <iosfwd>

enum class readstatus {
  number,      // a decimal integer that fits in 32 bits
  endofinput,  // nothing but white space before the end of the input
  notanumber,  // no digit after the optional sign, or a value too large
};

struct numberread {
  readstatus status;
  std::int32_t value;  // set only for readstatus::number
};

// Reads one decimal integer from `in` as scanf's "%d" does: white space
// (newlines included) is skipped, then an optional sign and one or more
// digits. The character after the digits is left for the next read. A number
// out of range is read to its last digit; any other input that is not a
// number is left where it stands. `pending` is flushed before the read waits.
numberread readnumber(std::istream& in, std::ostream& pending);

// Discards the input up to and including the next newline, or to its end.
// `pending` is flushed before the read waits.
void skipline(std::istream& in, std::ostream& pending);
