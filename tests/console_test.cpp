#include "console.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <streambuf>
#include <string>

namespace {

struct readcase {
  const char* name;
  std::string input;
  readstatus status;
  int value;
  std::string left;  // what the next read finds
};

class ReadNumber : public testing::TestWithParam<readcase> {};

TEST_P(ReadNumber, ReadsAsScanfDecimal) {
  const readcase& c = GetParam();
  std::istringstream in(c.input);
  std::ostringstream pending;
  const numberread read = readnumber(in, pending);
  EXPECT_EQ(read.status, c.status);
  if (c.status == readstatus::number) {
    EXPECT_EQ(read.value, c.value);
  }
  std::string left(std::istreambuf_iterator<char>(in), {});
  EXPECT_EQ(left, c.left);
}

using enum readstatus;

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadNumber,
    testing::Values(readcase{"Plain", "42\n", number, 42, "\n"},
                    readcase{"SkipsAllWhiteSpace", " \t\r\n\v\f 7 8", number, 7, " 8"},
                    readcase{"Signs", "-13+", number, -13, "+"},
                    readcase{"PlusSign", "+5", number, 5, ""},
                    readcase{"LeadingZeros", "007x", number, 7, "x"},
                    readcase{"ManyLeadingZeros", "0000000000000000000000001 ", number, 1, " "},
                    readcase{"Largest", "2147483647", number, 2147483647, ""},
                    readcase{"Smallest", "-2147483648", number, -2147483647 - 1, ""},
                    readcase{"TooLarge", "2147483648 9", notanumber, 0, " 9"},
                    readcase{"TooSmall", "-2147483649", notanumber, 0, ""},
                    readcase{"FarTooLarge", "123456789012345678901234567890\n", notanumber, 0,
                             "\n"},
                    readcase{"Letters", "  abc\n", notanumber, 0, "abc\n"},
                    readcase{"LoneSign", "-\n5", notanumber, 0, "\n5"},
                    readcase{"SignThenBlank", "- 5", notanumber, 0, " 5"},
                    readcase{"DoubleSign", "--5", notanumber, 0, "-5"},
                    readcase{"NulByte",
                             std::string("\0"
                                         "5",
                                         2),
                             notanumber, 0,
                             std::string("\0"
                                         "5",
                                         2)},
                    readcase{"HighByte",
                             "\xff"
                             "1",
                             notanumber, 0,
                             "\xff"
                             "1"},
                    readcase{"Empty", "", endofinput, 0, ""},
                    readcase{"OnlyWhiteSpace", " \n\n ", endofinput, 0, ""},
                    readcase{"SignAtEnd", "+", notanumber, 0, ""}),
    [](const testing::TestParamInfo<readcase>& info) { return info.param.name; });

TEST(SkipLine, DiscardsThroughNewlineOrToEnd) {
  std::istringstream in("abc 5\n6\nrest");
  std::ostringstream pending;
  skipline(in, pending);
  EXPECT_EQ(readnumber(in, pending).value, 6);
  skipline(in, pending);  // the newline after 6
  skipline(in, pending);  // "rest", which has no newline
  EXPECT_EQ(readnumber(in, pending).status, endofinput);
}

// Counts how often the output is flushed.
class countingbuf : public std::stringbuf {
 public:
  int flushes = 0;

 protected:
  int sync() override {
    ++flushes;
    return 0;
  }
};

TEST(ReadNumber, FlushesOnlyWhenInputRunsOut) {
  std::istringstream in("1 22\n333");
  countingbuf counter;
  std::ostream pending(&counter);
  EXPECT_EQ(readnumber(in, pending).value, 1);
  EXPECT_EQ(readnumber(in, pending).value, 22);
  EXPECT_EQ(counter.flushes, 0);
  EXPECT_EQ(readnumber(in, pending).value, 333);  // looks past the last digit
  EXPECT_GE(counter.flushes, 1);
}

}  // namespace
