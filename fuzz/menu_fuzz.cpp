// Feeds arbitrary bytes to the whole menu loop as its input and checks what
// comes out: the run ends with the exit line, every listing is in order of
// exponent, and every insertion reports itself with one of its two messages.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <string>
#include <string_view>

#include "menu.hpp"

namespace {

[[noreturn]] void fail(const char* why, std::string_view line) {
  std::fprintf(stderr, "check failed: %s\nline: \"%.*s\"\n", why, static_cast<int>(line.size()),
               line.data());
  std::abort();
}

// Reads the decimal integer at the front of `text` and drops it.
bool takenumber(std::string_view& text, std::int64_t& value) {
  std::size_t at = text.starts_with('-') ? 1 : 0;
  if (at >= text.size() || text[at] < '0' || text[at] > '9') return false;
  value = 0;
  for (; at < text.size() && text[at] >= '0' && text[at] <= '9'; ++at) {
    if (at > 20) return false;
    value = value * 10 + (text[at] - '0');
  }
  if (text[0] == '-') value = -value;
  text.remove_prefix(at);
  return true;
}

bool take(std::string_view& text, std::string_view part) {
  if (!text.starts_with(part)) return false;
  text.remove_prefix(part.size());
  return true;
}

// A listing line is " c x ^ e" terms joined by " + ". Checks the exponents
// of such a line never rise; returns false for a line of another kind.
bool checklisting(std::string_view line) {
  std::string_view rest = line;
  std::int64_t previous = std::numeric_limits<std::int64_t>::max();
  for (;;) {
    std::int64_t coeff = 0;
    std::int64_t expo = 0;
    if (!take(rest, " ") || !takenumber(rest, coeff) || !take(rest, " x ^ ") ||
        !takenumber(rest, expo)) {
      return false;
    }
    if (expo > previous) fail("a listing has a rising exponent", line);
    previous = expo;
    if (rest.empty()) return true;
    if (!take(rest, " + ")) return false;
  }
}

void checkoutput(std::string_view output) {
  constexpr std::string_view exitline = "\n EXIT FROM PROGRAM \n";
  if (!output.ends_with(exitline)) fail("the run does not end with the exit line", output);
  if (output.find(exitline) != output.size() - exitline.size()) {
    fail("the exit line comes before the end", output);
  }
  while (!output.empty()) {
    const std::size_t end = output.find('\n');
    const std::string_view line = output.substr(0, end);
    output.remove_prefix(end == std::string_view::npos ? output.size() : end + 1);
    if (line.find("NODE") != std::string_view::npos && line != " NODE IS ADDED " &&
        line != " NODE is Added ") {
      fail("an unknown insertion message", line);
    }
    if (line.find(" x ^ ") != std::string_view::npos && !checklisting(line)) {
      fail("a malformed listing", line);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
  std::ostringstream out;
  if (menuloop(in, out) != 0) fail("the exit status is not 0", "");
  checkoutput(out.str());
  return 0;
}
