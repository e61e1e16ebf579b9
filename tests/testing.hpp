// Helpers shared by the tests: term lists from tables, text comparison that
// points at the first differing byte, and running the built program.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "polynomial.hpp"

struct term {
  std::int64_t coeff;
  std::int32_t expo;
  friend bool operator==(const term&, const term&) = default;
  friend std::ostream& operator<<(std::ostream& out, const term& t) {
    return out << '(' << t.coeff << ", " << t.expo << ')';
  }
};

using terms = std::vector<term>;

// Links the terms in the order given, without going through insertnode.
node* buildlist(const terms& from);

// The terms of a list from its head.
terms termsof(const node* head);

// Passes when the texts are equal; otherwise names the first differing byte
// and shows both texts around it, with control characters made visible.
testing::AssertionResult sametext(std::string_view expected, std::string_view actual);

// The texts the program writes, spelt out here on their own so that a changed
// byte in the program shows up as a failure.
namespace text {
inline const std::string menu =
    "\n Press 1 For Add New Element in Polynomial One "
    "\n Press 2 For View Polynomial One "
    "\n Press 3 For Add New Element in Polynomial Two "
    "\n Press 4 For View Polynomial Two "
    "\n Press 5 For Add These Two Polynomail And Display "
    "\n Press 6 For Exit "
    "\n Enter Your Choice : ";
inline const std::string coeffprompt = "\n Enter New Co-efficient : ";
inline const std::string expoprompt = "\n Enter New Exponent : ";
inline const std::string newhead = "\n NODE IS ADDED \n";
inline const std::string behindhead = "\n NODE is Added \n";
inline const std::string overflow = "\n OVERFLOW \n";
inline const std::string listheading = "\n ELEMENTS OF POLYNOMAIL \n\n";
inline const std::string sumheading = "\n The Resultant Polymail After Addition \n\n";
inline const std::string emptylisting = "\n EMPTY POLYNOMAIL \n\n";
inline const std::string invalidline = "\n INVALID INPUT TRY AGAIN \n";
inline const std::string exitline = "\n EXIT FROM PROGRAM \n";
}  // namespace text

struct programrun {
  std::string output;  // every byte written to standard output
  std::string errors;  // every byte written to standard error
  int status;          // the exit status, or -1 if killed by a signal
};

// Runs the built program with `input` as its standard input, from a file.
// `output` names the file standard output goes to; by default it is captured.
programrun runprogram(std::string_view input, const char* output = nullptr);
