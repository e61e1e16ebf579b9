#include "output.hpp"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <ostream>
#include <string>

namespace {

TEST(OutputBuffer, PassesEveryByteThroughWhateverTheWriteSizes) {
  char path[] = "/tmp/polyadd-output-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  std::string expected;
  {
    outputbuffer buffer(fd, 16);
    std::ostream out(&buffer);
    // Pieces smaller than, equal to, straddling and larger than a block.
    for (std::size_t size : {1, 5, 16, 15, 17, 3, 40, 16, 2, 100}) {
      const std::string piece(size, static_cast<char>('a' + size % 26));
      writetext(out, piece);
      expected += piece;
    }
    out.put('!');
    expected += '!';
    out.flush();
    EXPECT_TRUE(out.good());
  }
  close(fd);
  std::ifstream written(path, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(written), {}), expected);
  std::remove(path);
}

TEST(OutputBuffer, FailedWriteMarksStreamBad) {
  const int fd = open("/dev/full", O_WRONLY);
  ASSERT_GE(fd, 0);
  outputbuffer buffer(fd, 16);
  std::ostream out(&buffer);
  writetext(out, "short");
  EXPECT_TRUE(out.good());  // still gathered, not yet written
  out.flush();
  EXPECT_TRUE(out.bad());
  std::ostream again(&buffer);
  writetext(again, std::string(100, 'x'));
  EXPECT_TRUE(again.bad());
  close(fd);
}

}  // namespace
