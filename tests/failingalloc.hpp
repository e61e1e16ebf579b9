// Makes the term allocations fail on purpose. The test binaries replace the
// non-throwing operator new, which the program allocates terms with, by one
// that counts calls and fails the ones it is told to.
#pragma once

namespace failingalloc {

// From now on, allocation number `n` (counting from 1) fails; the others succeed.
void failat(long n);

// From now on, allocation number `n` and every later one fail.
void failfrom(long n);

// From now on every allocation succeeds; the count starts again.
void reset();

// The allocations asked for since the last failat, failfrom or reset.
long count();

}  // namespace failingalloc
