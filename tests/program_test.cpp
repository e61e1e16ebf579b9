// Whole sessions run through the built program, every byte compared.
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <string>

#include "testing.hpp"

extern char** environ;

namespace {

using namespace text;

// The prompts and message of one term entered into a polynomial.
std::string entered(const std::string& message) { return coeffprompt + expoprompt + message; }

struct sessioncase {
  const char* name;
  std::string input;
  std::string output;
};

void PrintTo(const sessioncase& s, std::ostream* out) { *out << s.name; }

std::string nameof(const testing::TestParamInfo<sessioncase>& info) { return info.param.name; }

class Session : public testing::TestWithParam<sessioncase> {};

TEST_P(Session, WritesExactTranscript) {
  const programrun run = runprogram(GetParam().input);
  EXPECT_TRUE(sametext(GetParam().output, run.output));
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.errors, "");
}

INSTANTIATE_TEST_SUITE_P(
    Menu, Session,
    testing::Values(
        sessioncase{"EnterAndList", "1\n3\n2\n2\n6\n",
                    menu + entered(newhead) + menu + listheading + " 3 x ^ 2\n" + menu + exitline},
        sessioncase{"EmptyListingsAndSum", "2\n4\n5\n6\n",
                    menu + listheading + emptylisting + menu + listheading + emptylisting + menu +
                        sumheading + emptylisting + menu + exitline},
        sessioncase{"Addition", "1 5 3\n1 2 1\n3 4 2\n3 3 1\n4\n5\n6\n",
                    menu + entered(newhead) + menu + entered(behindhead) + menu + entered(newhead) +
                        menu + entered(behindhead) + menu + listheading + " 4 x ^ 2 +  3 x ^ 1\n" +
                        menu + sumheading + newhead + behindhead + behindhead +
                        " 5 x ^ 3 +  4 x ^ 2 +  5 x ^ 1\n" + menu + exitline},
        sessioncase{"SumOfEmptyAndOtherIsOther", "3 4 2\n5\n6\n",
                    menu + entered(newhead) + menu + sumheading + " 4 x ^ 2\n" + menu + exitline},
        sessioncase{"InvalidChoices", "0\n-1\n7\n6\n",
                    menu + invalidline + menu + invalidline + menu + invalidline + menu + exitline},
        sessioncase{"SumRepeatedThenUpdated", "1 2 1\n3 3 1\n5\n5\n1 4 0\n5\n6\n",
                    menu + entered(newhead) + menu + entered(newhead) + menu + sumheading +
                        newhead + " 5 x ^ 1\n" + menu + sumheading + newhead + " 5 x ^ 1\n" + menu +
                        entered(behindhead) + menu + sumheading + newhead + behindhead +
                        " 5 x ^ 1 +  4 x ^ 0\n" + menu + exitline},
        sessioncase{"ExactCoefficientSums", "1 2147483647 0\n3 1 0\n5\n6\n",
                    menu + entered(newhead) + menu + entered(newhead) + menu + sumheading +
                        newhead + " 2147483648 x ^ 0\n" + menu + exitline},
        // The first sum is polynomial one's own list; once (9, 7) heads
        // polynomial one, that list must still not be released as a sum.
        sessioncase{"SharedSumOutlivesNewHead", "1 3 2\n5\n1 9 7\n3 1 1\n5\n5\n2\n6\n",
                    menu + entered(newhead) + menu + sumheading + " 3 x ^ 2\n" + menu +
                        entered(newhead) + menu + entered(newhead) + menu + sumheading + newhead +
                        behindhead + behindhead + " 9 x ^ 7 +  3 x ^ 2 +  1 x ^ 1\n" + menu +
                        sumheading + newhead + behindhead + behindhead +
                        " 9 x ^ 7 +  3 x ^ 2 +  1 x ^ 1\n" + menu + listheading +
                        " 9 x ^ 7 +  3 x ^ 2\n" + menu + exitline}),
    nameof);

INSTANTIATE_TEST_SUITE_P(
    Input, Session,
    testing::Values(
        sessioncase{"LettersAsChoice", "abc\n2\n6\n",
                    menu + invalidline + menu + listheading + emptylisting + menu + exitline},
        sessioncase{"LoneSign", "-\n6\n", menu + invalidline + menu + exitline},
        sessioncase{"RestOfLineDiscarded", "- 5\nx 1 5 3\n2\n6\n",
                    menu + invalidline + menu + invalidline + menu + listheading + emptylisting +
                        menu + exitline},
        sessioncase{
            "BadCoefficient", "1 x 9\n2\n6\n",
            menu + coeffprompt + invalidline + menu + listheading + emptylisting + menu + exitline},
        sessioncase{
            "BadExponent", "1 4 y\n2\n6\n",
            menu + entered(invalidline) + menu + listheading + emptylisting + menu + exitline},
        sessioncase{"DigitsThenLetters", "1abc\n6\n",
                    menu + coeffprompt + invalidline + menu + exitline},
        sessioncase{"ChoiceTooLarge", "2147483648 2\n6\n", menu + invalidline + menu + exitline},
        sessioncase{
            "CoefficientTooLarge", "1 99999999999999999999999 3\n2\n6\n",
            menu + coeffprompt + invalidline + menu + listheading + emptylisting + menu + exitline},
        sessioncase{
            "ExponentTooSmall", "1 5 -2147483649\n2\n6\n",
            menu + entered(invalidline) + menu + listheading + emptylisting + menu + exitline},
        sessioncase{
            "ExtremesAccepted", "1 -2147483648 2147483647\n1 2147483647 -2147483648\n2\n6\n",
            menu + entered(newhead) + menu + entered(behindhead) + menu + listheading +
                " -2147483648 x ^ 2147483647 +  2147483647 x ^ -2147483648\n" + menu + exitline},
        sessioncase{"NulBytes", std::string("\0\0\n2\n6\n", 7),
                    menu + invalidline + menu + listheading + emptylisting + menu + exitline},
        sessioncase{"OutOfRangeChoiceKeepsRestOfLine", "9 2\n007 +4\n6\n",
                    menu + invalidline + menu + listheading + emptylisting + menu + invalidline +
                        menu + listheading + emptylisting + menu + exitline},
        sessioncase{"SeveralAnswersOnOneLine", "1 3 2 1 5 4 2 6",
                    menu + entered(newhead) + menu + entered(newhead) + menu + listheading +
                        " 5 x ^ 4 +  3 x ^ 2\n" + menu + exitline},
        sessioncase{"CarriageReturns", "2\r\n6\r\n",
                    menu + listheading + emptylisting + menu + exitline}),
    nameof);

// The end of the input leaves as choice 6 does, wherever it comes.
INSTANTIATE_TEST_SUITE_P(
    EndOfInput, Session,
    testing::Values(
        sessioncase{"AtChoice", "", menu + exitline},
        sessioncase{"AtChoiceAfterBlanks", " \n\n", menu + exitline},
        sessioncase{"AtCoefficient", "1\n", menu + coeffprompt + exitline},
        sessioncase{"AtExponent", "1 5\n", menu + entered(exitline)},
        sessioncase{"AfterWholeTerm", "1 5 2", menu + entered(newhead) + menu + exitline},
        sessioncase{"InDiscardedLine", "abc", menu + invalidline + menu + exitline},
        sessioncase{"AfterLoneSign", "3 -", menu + coeffprompt + invalidline + menu + exitline}),
    nameof);

TEST(Program, OutputThatCannotBeWrittenFailsTheRun) {
  EXPECT_EQ(runprogram("2\n6\n", "/dev/full").status, 1);
  // A long session stops at the first failed write instead of running on.
  std::string many;
  for (int i = 0; i < 100000; ++i) many += "2\n";
  EXPECT_EQ(runprogram(many, "/dev/full").status, 1);
}

// Drives the program through pipes as a person at a console would: each
// answer goes only once the whole prompt before it has arrived.
class Dialogue : public testing::Test {
 protected:
  void SetUp() override {
    int toprogram[2];
    int fromprogram[2];
    ASSERT_EQ(pipe(toprogram), 0);
    ASSERT_EQ(pipe(fromprogram), 0);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, toprogram[0], 0);
    posix_spawn_file_actions_adddup2(&actions, fromprogram[1], 1);
    posix_spawn_file_actions_addclose(&actions, toprogram[1]);
    posix_spawn_file_actions_addclose(&actions, fromprogram[0]);
    char* const argv[] = {const_cast<char*>(POLYADD_BINARY), nullptr};
    ASSERT_EQ(posix_spawn(&pid, POLYADD_BINARY, &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);
    close(toprogram[0]);
    close(fromprogram[1]);
    input = toprogram[1];
    output = fromprogram[0];
  }

  void TearDown() override {
    if (input >= 0) close(input);
    close(output);
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, nullptr, 0);
    }
  }

  // Fails unless exactly `expected` arrives within five seconds.
  void expect(const std::string& expected) {
    std::string arrived;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (arrived.size() < expected.size()) {
      const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
          deadline - std::chrono::steady_clock::now());
      pollfd ready{output, POLLIN, 0};
      if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) break;
      char chunk[4096];
      const ssize_t n = read(output, chunk, sizeof chunk);
      if (n <= 0) break;
      arrived.append(chunk, static_cast<std::size_t>(n));
    }
    EXPECT_TRUE(sametext(expected, arrived)) << "the prompt did not arrive in time";
  }

  void answer(const std::string& line) {
    ASSERT_EQ(write(input, line.data(), line.size()), static_cast<ssize_t>(line.size()));
  }

  int finish() {
    close(input);
    input = -1;
    int status = 0;
    waitpid(pid, &status, 0);
    pid = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  pid_t pid = -1;
  int input = -1;
  int output = -1;
};

TEST_F(Dialogue, EveryPromptArrivesBeforeItsAnswer) {
  expect(menu);
  answer("1\n");
  expect(coeffprompt);
  answer("3\n");
  expect(expoprompt);
  answer("2\n");
  expect(newhead + menu);
  answer("what\n");
  expect(invalidline + menu);
  answer("3 -1\n");
  expect(coeffprompt + expoprompt);
  answer("0\n");
  expect(newhead + menu);
  answer("5\n");
  expect(sumheading + newhead + behindhead + " 3 x ^ 2 +  -1 x ^ 0\n" + menu);
  answer("6\n");
  expect(exitline);
  EXPECT_EQ(finish(), 0);
}

TEST_F(Dialogue, ClosedInputEndsProgram) {
  expect(menu);
  answer("1\n");
  expect(coeffprompt);
  EXPECT_EQ(finish(), 0);
  expect(exitline);
}

}  // namespace
