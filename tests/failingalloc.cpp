#include "failingalloc.hpp"

#include <cstddef>
#include <limits>
#include <new>

namespace {

constexpr long never = std::numeric_limits<long>::max();

long made = 0;
long firstfailing = never;
long lastfailing = never;

}  // namespace

namespace failingalloc {

void failat(long n) {
  made = 0;
  firstfailing = lastfailing = n;
}

void failfrom(long n) {
  made = 0;
  firstfailing = n;
  lastfailing = never;
}

void reset() { failfrom(never); }

long count() { return made; }

}  // namespace failingalloc

// Succeeding calls go to the ordinary operator new, so that the memory is
// released by the matching operator delete.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
  ++made;
  if (made >= firstfailing && made <= lastfailing) return nullptr;
  try {
    return ::operator new(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
}
