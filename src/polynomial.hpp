// A polynomial in x is a singly linked list of terms, highest exponent first.
// Terms are never combined: a list may hold several terms of one exponent and
// terms whose coefficient is 0. An empty polynomial is a null head.
#pragma once

#include <cstdint>
#include <iosfwd>

// One term. The coefficient is 64 bits wide while entered coefficients are
// 32-bit, so the sum of two entered coefficients is always exact.
struct node {
  std::int64_t coeff;
  std::int32_t expo;
  node* next;
};

// Links a new term into the list at `head`, keeping exponents non-increasing,
// and returns the list's head. The new term becomes the head only when its
// exponent is greater than the head's; otherwise it goes in front of the first
// term after the head whose exponent is not greater, or at the end.
// Writes one line to `out`: "\n NODE IS ADDED " for a new head, "\n NODE is
// Added " behind the head, or "\n OVERFLOW " when no memory could be had, in
// which case the list is left as it was.
node* insertnode(node* head, std::int64_t coeff, std::int32_t expo, std::ostream& out);

// Writes the terms of the list as " c x ^ e + " ... " c x ^ e" and a newline,
// or the line "\n EMPTY POLYNOMAIL " and an empty line for an empty list.
void traverse(const node* head, std::ostream& out);

// Returns the sum of `first` and `second` (only read), merged from the highest
// exponents down and inserted term by term into `result` with `insertnode`,
// which writes a message per term. Terms of equal exponent are paired one by
// one; a zero sum is kept. When one operand is empty the other operand's own
// list is returned, shared and not copied, and nothing is written.
node* polyadd(node* first, node* second, node* result, std::ostream& out);

// Releases every term of the list at `head`.
void freepoly(node* head);
