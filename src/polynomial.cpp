#include "polynomial.hpp"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <new>
#include <ostream>
#include <string_view>

#include "output.hpp"

namespace {

// Writes the decimal form of `value` at `at` and returns its end; 20
// characters hold any 64-bit value, sign included.
char* putnumber(char* at, std::int64_t value) { return std::to_chars(at, at + 20, value).ptr; }

char* puttext(char* at, std::string_view text) { return std::copy(text.begin(), text.end(), at); }

}  // namespace

node* insertnode(node* head, std::int64_t coeff, std::int32_t expo, std::ostream& out) {
  // A failed allocation is reported and the program carries on without the term.
  node* const term = new (std::nothrow) node{coeff, expo, nullptr};
  if (term == nullptr) {
    writetext(out, "\n OVERFLOW \n");
    return head;
  }
  if (head == nullptr || head->expo < expo) {
    term->next = head;
    writetext(out, "\n NODE IS ADDED \n");
    return term;
  }
  // A head of equal exponent keeps its place; behind it the new term goes in
  // front of the earlier terms of its exponent.
  node* at = head;
  while (at->next != nullptr && at->next->expo > expo) at = at->next;
  term->next = at->next;
  at->next = term;
  writetext(out, "\n NODE is Added \n");
  return head;
}

void traverse(const node* head, std::ostream& out) {
  if (head == nullptr) {
    writetext(out, "\n EMPTY POLYNOMAIL \n\n");
    return;
  }
  // Terms are formatted into a block and written a block at a time: listings
  // are a large share of what a scripted session writes.
  constexpr std::size_t longestterm = 1 + 20 + 5 + 11 + 3;  // " c x ^ e + "
  char block[1024];
  char* end = block;
  for (const node* term = head; term != nullptr; term = term->next) {
    if (end + longestterm > std::end(block)) {
      writetext(out, std::string_view(block, static_cast<std::size_t>(end - block)));
      end = block;
    }
    end = puttext(end, " ");
    end = putnumber(end, term->coeff);
    end = puttext(end, " x ^ ");
    end = putnumber(end, term->expo);
    end = puttext(end, term->next != nullptr ? " + " : "\n");
  }
  writetext(out, std::string_view(block, static_cast<std::size_t>(end - block)));
}

node* polyadd(node* first, node* second, node* result, std::ostream& out) {
  if (first == nullptr) return second;
  if (second == nullptr) return first;
  const node* a = first;
  const node* b = second;
  while (a != nullptr && b != nullptr) {
    if (a->expo == b->expo) {
      result = insertnode(result, a->coeff + b->coeff, a->expo, out);
      a = a->next;
      b = b->next;
    } else if (a->expo > b->expo) {
      result = insertnode(result, a->coeff, a->expo, out);
      a = a->next;
    } else {
      result = insertnode(result, b->coeff, b->expo, out);
      b = b->next;
    }
  }
  for (; a != nullptr; a = a->next) result = insertnode(result, a->coeff, a->expo, out);
  for (; b != nullptr; b = b->next) result = insertnode(result, b->coeff, b->expo, out);
  return result;
}

void freepoly(node* head) {
  while (head != nullptr) {
    node* const next = head->next;
    delete head;
    head = next;
  }
}
