#include "polynomial.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <sstream>
#include <string>

#include "failingalloc.hpp"
#include "testing.hpp"

namespace {

constexpr std::int32_t minint = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t maxint = std::numeric_limits<std::int32_t>::max();

// Owns the Polynomial a test builds, whoever made them.
class Polynomial : public testing::Test {
 protected:
  ~Polynomial() override {
    failingalloc::reset();
    for (node* head : owned) freepoly(head);
  }
  node* own(node* head) {
    owned.push_back(head);
    return head;
  }
  std::vector<node*> owned;
};

struct insertcase {
  const char* name;
  terms before;
  term added;
  terms after;
  std::string message;
};

class Insert : public Polynomial, public testing::WithParamInterface<insertcase> {};

TEST_P(Insert, PlacesTermAndReportsWhere) {
  const insertcase& c = GetParam();
  node* const head = buildlist(c.before);
  std::ostringstream out;
  node* const result = own(insertnode(head, c.added.coeff, c.added.expo, out));
  EXPECT_EQ(termsof(result), c.after);
  EXPECT_TRUE(sametext(c.message, out.str()));
  // The head changes only when the new term takes its place.
  if (c.message == text::newhead) {
    EXPECT_EQ(result->next, head);
  } else {
    EXPECT_EQ(result, head);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Insert,
    testing::Values(
        insertcase{"IntoEmpty", {}, {3, 2}, {{3, 2}}, text::newhead},
        insertcase{"AboveHead", {{5, 3}}, {1, 4}, {{1, 4}, {5, 3}}, text::newhead},
        insertcase{"EqualHeadNotDisplaced", {{5, 3}}, {2, 3}, {{5, 3}, {2, 3}}, text::behindhead},
        insertcase{"InFrontOfOlderEqual",
                   {{5, 3}, {4, 1}},
                   {7, 1},
                   {{5, 3}, {7, 1}, {4, 1}},
                   text::behindhead},
        insertcase{"BehindEqualHeadInFrontOfEqual",
                   {{5, 3}, {4, 3}},
                   {9, 3},
                   {{5, 3}, {9, 3}, {4, 3}},
                   text::behindhead},
        insertcase{"Middle",
                   {{1, 9}, {2, 5}, {3, 1}},
                   {4, 3},
                   {{1, 9}, {2, 5}, {4, 3}, {3, 1}},
                   text::behindhead},
        insertcase{"AtEnd", {{5, 3}, {4, 1}}, {2, 0}, {{5, 3}, {4, 1}, {2, 0}}, text::behindhead},
        insertcase{"NegativeBelowZero", {{2, 0}}, {1, -1}, {{2, 0}, {1, -1}}, text::behindhead},
        insertcase{"NegativeComparedSigned", {{2, -5}}, {1, -1}, {{1, -1}, {2, -5}}, text::newhead},
        insertcase{"ZeroCoefficientKept", {}, {0, 2}, {{0, 2}}, text::newhead},
        insertcase{"ExtremeExponents",
                   {{1, maxint}, {1, 0}},
                   {2, minint},
                   {{1, maxint}, {1, 0}, {2, minint}},
                   text::behindhead}),
    [](const testing::TestParamInfo<insertcase>& info) { return info.param.name; });

TEST_F(Polynomial, InsertsInEntryOrderWithOneMessageEach) {
  std::ostringstream out;
  node* head = nullptr;
  for (term t : terms{{5, 3}, {2, 1}, {1, 1}, {6, 3}, {8, 4}}) {
    head = insertnode(head, t.coeff, t.expo, out);
  }
  own(head);
  EXPECT_EQ(termsof(head), (terms{{8, 4}, {5, 3}, {6, 3}, {1, 1}, {2, 1}}));
  EXPECT_TRUE(sametext(
      text::newhead + text::behindhead + text::behindhead + text::behindhead + text::newhead,
      out.str()));
}

TEST_F(Polynomial, FailedAllocationLeavesListAsItWas) {
  for (const terms& before : {terms{}, terms{{5, 3}}, terms{{5, 3}, {1, 1}}}) {
    node* const head = own(buildlist(before));
    for (term added : {term{9, 9}, term{2, 1}}) {
      std::ostringstream out;
      failingalloc::failat(1);
      EXPECT_EQ(insertnode(head, added.coeff, added.expo, out), head);
      failingalloc::reset();
      EXPECT_TRUE(sametext(text::overflow, out.str()));
      EXPECT_EQ(termsof(head), before);
    }
  }
}

struct listingcase {
  const char* name;
  terms poly;
  std::string listing;
};

class Traverse : public Polynomial, public testing::WithParamInterface<listingcase> {};

TEST_P(Traverse, ListsTermsVerbatim) {
  node* const head = own(buildlist(GetParam().poly));
  std::ostringstream out;
  traverse(head, out);
  EXPECT_TRUE(sametext(GetParam().listing, out.str()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Traverse,
    testing::Values(listingcase{"Empty", {}, "\n EMPTY POLYNOMAIL \n\n"},
                    listingcase{"OneTerm", {{3, 2}}, " 3 x ^ 2\n"},
                    listingcase{"NegativeAfterPlus", {{3, 2}, {-1, 0}}, " 3 x ^ 2 +  -1 x ^ 0\n"},
                    listingcase{"OnesZerosAndEqualExponents",
                                {{1, 1}, {0, 1}, {1, 0}},
                                " 1 x ^ 1 +  0 x ^ 1 +  1 x ^ 0\n"},
                    listingcase{"Extremes",
                                {{-4294967296, maxint}, {4294967294, minint}},
                                " -4294967296 x ^ 2147483647 +  4294967294 x ^ -2147483648\n"}),
    [](const testing::TestParamInfo<listingcase>& info) { return info.param.name; });

TEST_F(Polynomial, LongListingIsWhole) {
  // Long enough to be written in several pieces, with the widest terms.
  terms many;
  std::string expected;
  for (std::int32_t i = 0; i < 500; ++i) {
    const std::int64_t coeff = i % 2 == 0 ? -4294967296 : 4294967294;
    many.push_back({coeff, maxint - i});
    expected.append(" ").append(std::to_string(coeff)).append(" x ^ ");
    expected.append(std::to_string(maxint - i)).append(" + ");
  }
  many.push_back({7, minint});
  expected += " 7 x ^ -2147483648\n";
  node* const head = own(buildlist(many));
  std::ostringstream out;
  traverse(head, out);
  EXPECT_TRUE(sametext(expected, out.str()));
}

TEST_F(Polynomial, ListingIgnoresStreamFormatting) {
  node* const head = own(buildlist({{10, 2}, {-3, 0}}));
  std::ostringstream out;
  out << std::hex << std::showpos;
  out.width(12);
  traverse(head, out);
  EXPECT_TRUE(sametext(" 10 x ^ 2 +  -3 x ^ 0\n", out.str()));
}

struct addcase {
  const char* name;
  terms first;
  terms second;
  terms sum;
  std::string messages;
};

class Add : public Polynomial, public testing::WithParamInterface<addcase> {};

TEST_P(Add, MergesIntoNewList) {
  const addcase& c = GetParam();
  node* const first = own(buildlist(c.first));
  node* const second = own(buildlist(c.second));
  std::ostringstream out;
  node* const sum = own(polyadd(first, second, nullptr, out));
  EXPECT_EQ(termsof(sum), c.sum);
  EXPECT_TRUE(sametext(c.messages, out.str()));
  EXPECT_EQ(termsof(first), c.first);
  EXPECT_EQ(termsof(second), c.second);
}

const std::string threeterms = text::newhead + text::behindhead + text::behindhead;

INSTANTIATE_TEST_SUITE_P(
    Cases, Add,
    testing::Values(
        addcase{"Interleaved",
                {{5, 3}, {2, 1}},
                {{4, 2}, {3, 1}},
                {{5, 3}, {4, 2}, {5, 1}},
                threeterms},
        addcase{"CancellingTermKept", {{2, 1}}, {{-2, 1}}, {{0, 1}}, text::newhead},
        addcase{"LeftoverEqualGoesInFront",
                {{5, 3}, {1, 1}, {2, 1}},
                {{4, 1}},
                {{5, 3}, {2, 1}, {5, 1}},
                threeterms},
        addcase{
            "SecondRunsLonger", {{1, 0}}, {{7, 5}, {3, 4}}, {{7, 5}, {3, 4}, {1, 0}}, threeterms},
        addcase{"EqualExponentsPairedOneByOne",
                {{1, 2}, {2, 2}, {3, 2}},
                {{10, 2}},
                {{11, 2}, {3, 2}, {2, 2}},
                threeterms},
        addcase{"NegativeExponents",
                {{1, -1}, {1, -3}},
                {{2, -2}, {2, -3}},
                {{1, -1}, {2, -2}, {3, -3}},
                threeterms},
        addcase{"SumsBeyond32Bits",
                {{maxint, 1}, {minint, 0}},
                {{1, 1}, {minint, 0}},
                {{2147483648, 1}, {-4294967296, 0}},
                text::newhead + text::behindhead}),
    [](const testing::TestParamInfo<addcase>& info) { return info.param.name; });

TEST_F(Polynomial, AddingEmptyOperandSharesOtherListSilently) {
  node* const poly = own(buildlist({{4, 2}, {1, 0}}));
  std::ostringstream out;
  EXPECT_EQ(polyadd(nullptr, poly, nullptr, out), poly);
  EXPECT_EQ(polyadd(poly, nullptr, nullptr, out), poly);
  EXPECT_EQ(polyadd(nullptr, nullptr, nullptr, out), nullptr);
  EXPECT_EQ(out.str(), "");
  EXPECT_EQ(termsof(poly), (terms{{4, 2}, {1, 0}}));
}

TEST_F(Polynomial, AddingTwiceGivesEqualSums) {
  node* const first = own(buildlist({{5, 3}, {1, 1}, {2, 1}}));
  node* const second = own(buildlist({{4, 1}, {-6, 0}}));
  std::ostringstream once;
  std::ostringstream twice;
  node* const a = own(polyadd(first, second, nullptr, once));
  node* const b = own(polyadd(first, second, nullptr, twice));
  EXPECT_NE(a, b);
  EXPECT_EQ(termsof(a), termsof(b));
  EXPECT_EQ(once.str(), twice.str());
}

TEST_F(Polynomial, AddingIntoNonEmptyResultKeepsItsTerms) {
  node* const first = own(buildlist({{1, 1}}));
  node* const second = own(buildlist({{2, 0}}));
  std::ostringstream out;
  node* const sum = own(polyadd(first, second, buildlist({{9, 5}}), out));
  EXPECT_EQ(termsof(sum), (terms{{9, 5}, {1, 1}, {2, 0}}));
  EXPECT_TRUE(sametext(text::behindhead + text::behindhead, out.str()));
}

TEST_F(Polynomial, FailedAllocationDropsOnlyThatTermOfSum) {
  node* const first = own(buildlist({{1, 0}}));
  node* const second = own(buildlist({{7, 5}, {3, 4}}));
  std::ostringstream out;
  failingalloc::failat(1);
  node* const sum = own(polyadd(first, second, nullptr, out));
  failingalloc::reset();
  EXPECT_EQ(termsof(sum), (terms{{3, 4}, {1, 0}}));
  EXPECT_TRUE(sametext(text::overflow + text::newhead + text::behindhead, out.str()));

  std::ostringstream again;
  failingalloc::failat(3);
  node* const partial = own(polyadd(first, second, nullptr, again));
  failingalloc::reset();
  EXPECT_EQ(termsof(partial), (terms{{7, 5}, {3, 4}}));
  EXPECT_TRUE(sametext(text::newhead + text::behindhead + text::overflow, again.str()));
}

}  // namespace
