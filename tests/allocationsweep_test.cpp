// Runs one scripted session again and again, failing a different term
// allocation each time, and checks that only the failed term is lost.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "failingalloc.hpp"
#include "menu.hpp"
#include "testing.hpp"

namespace {

// One answer per menu iteration. Sums are asked for between entries, twice
// in a row, and over terms of equal exponent in one operand.
const std::vector<std::string> steps = {
    "1 5 3\n", "1 2 1\n", "3 4 2\n", "3 3 1\n", "5\n", "1 1 1\n", "3 -2 0\n", "5\n",
    "2\n",     "4\n",     "5\n",     "1 7 3\n", "5\n", "3 9 9\n", "4\n",      "6\n",
};

// What a run wrote, cut at the menus: iteration n is what answering step n wrote.
struct run {
  std::string output;
  int status;
  std::vector<std::string> iterations;
};

run runsession(const std::vector<std::string>& answers) {
  std::string input;
  for (const std::string& answer : answers) input += answer;
  std::istringstream in(input);
  std::ostringstream out;
  run result{"", menuloop(in, out), {}};
  result.output = out.str();
  const std::string_view all = result.output;
  std::size_t at = all.find(text::menu);
  while (at != std::string_view::npos) {
    const std::size_t from = at + text::menu.size();
    at = all.find(text::menu, from);
    result.iterations.emplace_back(all.substr(from, at == std::string_view::npos ? at : at - from));
  }
  return result;
}

bool startswith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// The insertion messages an iteration wrote, in order.
std::vector<std::string> messagesof(std::string_view iteration) {
  std::vector<std::string> found;
  for (std::size_t at = 0; at < iteration.size(); ++at) {
    for (const std::string& message : {text::newhead, text::behindhead, text::overflow}) {
      if (iteration.substr(at, message.size()) == message) found.push_back(message);
    }
  }
  return found;
}

// The listing an iteration ends with, once its heading and messages are cut.
std::string listingof(std::string_view iteration) {
  for (const std::string& heading : {text::listheading, text::sumheading}) {
    if (startswith(iteration, heading)) iteration.remove_prefix(heading.size());
  }
  for (bool cut = true; cut;) {
    cut = false;
    for (const std::string& message : {text::newhead, text::behindhead, text::overflow}) {
      if (startswith(iteration, message)) {
        iteration.remove_prefix(message.size());
        cut = true;
      }
    }
  }
  return std::string(iteration);
}

// The listed terms as text, sorted, so that two listings compare as sets of terms.
std::vector<std::string> termsetof(const std::string& listing) {
  std::vector<std::string> found;
  std::string rest = listing.substr(0, listing.find('\n'));
  for (std::size_t plus; (plus = rest.find(" + ")) != std::string::npos;) {
    found.push_back(rest.substr(0, plus));
    rest.erase(0, plus + 3);
  }
  found.push_back(rest);
  std::sort(found.begin(), found.end());
  return found;
}

bool issum(const std::string& step) { return step == "5\n"; }
bool islisting(const std::string& step) { return step == "2\n" || step == "4\n" || issum(step); }

class AllocationSweep : public testing::Test {
 protected:
  void SetUp() override {
    failingalloc::reset();
    whole = runsession(steps);
    allocations = failingalloc::count();
    ASSERT_EQ(whole.iterations.size(), steps.size());
    for (std::size_t step = 0; step < whole.iterations.size(); ++step) {
      for (std::size_t n = messagesof(whole.iterations[step]).size(); n > 0; --n) {
        stepofallocation.push_back(step);
      }
    }
    ASSERT_EQ(static_cast<long>(stepofallocation.size()), allocations);
    ASSERT_GT(allocations, 20);  // the session must exercise entries and sums
  }
  void TearDown() override { failingalloc::reset(); }

  run whole;
  long allocations = 0;
  std::vector<std::size_t> stepofallocation;  // the step that made each allocation
};

TEST_F(AllocationSweep, OneFailureLosesOnlyThatTerm) {
  for (long failing = 1; failing <= allocations; ++failing) {
    SCOPED_TRACE("allocation " + std::to_string(failing) + " fails");
    failingalloc::failat(failing);
    const run failed = runsession(steps);
    failingalloc::reset();
    ASSERT_EQ(failed.status, 0);
    ASSERT_TRUE(failed.output.ends_with(text::exitline));
    ASSERT_EQ(failed.iterations.size(), whole.iterations.size());

    const std::size_t failedstep = stepofallocation[failing - 1];
    std::size_t overflows = 0;
    for (std::size_t step = 0; step < failed.iterations.size(); ++step) {
      for (const std::string& message : messagesof(failed.iterations[step])) {
        if (message == text::overflow) {
          ++overflows;
          EXPECT_EQ(step, failedstep);
        }
      }
    }
    EXPECT_EQ(overflows, 1u);

    if (issum(steps[failedstep])) {
      // The sum lacks the failed term alone; everything else is as before,
      // the next sum of the same operands included.
      for (std::size_t step = 0; step < steps.size(); ++step) {
        if (!islisting(steps[step])) continue;
        const std::string listing = listingof(failed.iterations[step]);
        const std::string expected = listingof(whole.iterations[step]);
        if (step != failedstep) {
          EXPECT_TRUE(sametext(expected, listing)) << "at step " << step;
          continue;
        }
        std::vector<std::string> lost;
        const auto have = termsetof(listing);
        const auto had = termsetof(expected);
        std::set_difference(had.begin(), had.end(), have.begin(), have.end(),
                            std::back_inserter(lost));
        EXPECT_EQ(lost.size(), 1u) << "sum was " << expected << "sum is " << listing;
        EXPECT_EQ(have.size() + 1, had.size());
      }
    } else {
      // A failed entry leaves the session as if that term had never been
      // entered: every listing matches a run without that answer.
      std::vector<std::string> without = steps;
      without.erase(without.begin() + static_cast<long>(failedstep));
      const run reference = runsession(without);
      for (std::size_t step = 0, kept = 0; step < steps.size(); ++step) {
        if (step == failedstep) continue;
        if (islisting(steps[step])) {
          EXPECT_TRUE(
              sametext(listingof(reference.iterations[kept]), listingof(failed.iterations[step])))
              << "at step " << step;
        }
        ++kept;
      }
    }
  }
}

TEST_F(AllocationSweep, LastingFailureStillAnswersMenu) {
  for (long first = 1; first <= allocations; ++first) {
    SCOPED_TRACE("allocations from " + std::to_string(first) + " on fail");
    failingalloc::failfrom(first);
    const run failed = runsession(steps);
    failingalloc::reset();
    ASSERT_EQ(failed.status, 0);
    EXPECT_TRUE(failed.output.ends_with(text::exitline));
    ASSERT_EQ(failed.iterations.size(), whole.iterations.size());
    // Up to the first failure the run is the whole run; from there on every
    // insertion fails (fewer are tried, as the lists stay short).
    std::vector<std::string> messages;
    std::vector<std::string> wholemessages;
    for (std::size_t step = 0; step < steps.size(); ++step) {
      for (const std::string& message : messagesof(failed.iterations[step])) {
        messages.push_back(message);
      }
      for (const std::string& message : messagesof(whole.iterations[step])) {
        wholemessages.push_back(message);
      }
    }
    ASSERT_GE(static_cast<long>(messages.size()), first);
    for (long n = 0; n < static_cast<long>(messages.size()); ++n) {
      if (n + 1 < first) {
        EXPECT_EQ(messages[n], wholemessages[n]) << "insertion " << n + 1;
      } else {
        EXPECT_EQ(messages[n], text::overflow) << "insertion " << n + 1;
      }
    }
  }
}

}  // namespace
