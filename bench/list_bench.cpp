// How the term list scales: insertion where the new term lands at the head,
// in the middle and at the end of an N-term list, and the sum of two N-term
// polynomials.
#include <benchmark/benchmark.h>

#include <ostream>
#include <streambuf>

#include "polynomial.hpp"

namespace {

// Drops the messages, so that the figures are the list's.
class discard : public std::streambuf {
 protected:
  std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};
discard dropped;
std::ostream nowhere(&dropped);

// n terms with the even exponents 2n down to 2; an odd exponent lands
// between two of them.
node* evenlist(int n, int offset = 0) {
  node* head = nullptr;
  for (int e = 1; e <= n; ++e) head = new node{1, 2 * e - offset, head};
  return head;
}

node* termwith(node* head, int expo) {
  while (head->expo != expo) head = head->next;
  return head;
}

void InsertAtHead(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  node* list = evenlist(n);
  for (auto _ : state) {
    node* const head = insertnode(list, 1, 2 * n + 1, nowhere);
    benchmark::DoNotOptimize(head);
    list = head->next;  // out again, so every insertion meets n terms
    delete head;
  }
  freepoly(list);
  state.SetComplexityN(n);
}

// Inserts the exponent `expo`, which lands behind the term of exponent
// `expo + 1`, and takes it out again.
void insertbehind(benchmark::State& state, int n, int expo) {
  node* const list = evenlist(n);
  node* const before = termwith(list, expo + 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(insertnode(list, 1, expo, nowhere));
    node* const added = before->next;
    before->next = added->next;
    delete added;
  }
  freepoly(list);
  state.SetComplexityN(n);
}

void InsertInMiddle(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  insertbehind(state, n, n + 1);
}

void InsertAtEnd(benchmark::State& state) {
  insertbehind(state, static_cast<int>(state.range(0)), 1);
}

// Interleaved exponents, so the sum holds 2N terms.
void AddTwoPolynomials(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  node* const first = evenlist(n);
  node* const second = evenlist(n, 1);
  for (auto _ : state) {
    node* const sum = polyadd(first, second, nullptr, nowhere);
    benchmark::DoNotOptimize(sum);
    freepoly(sum);
  }
  freepoly(first);
  freepoly(second);
  state.SetComplexityN(n);
}

BENCHMARK(InsertAtHead)->RangeMultiplier(4)->Range(16, 16384)->Complexity();
BENCHMARK(InsertInMiddle)->RangeMultiplier(4)->Range(16, 16384)->Complexity();
BENCHMARK(InsertAtEnd)->RangeMultiplier(4)->Range(16, 16384)->Complexity();
BENCHMARK(AddTwoPolynomials)->RangeMultiplier(4)->Range(16, 16384)->Complexity();

}  // namespace

BENCHMARK_MAIN();
