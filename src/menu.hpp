// The numbered menu through which a user builds two polynomials, lists them
// and adds them.
#pragma once

#include <iosfwd>

// Runs the menu on `in` and `out` until the user chooses 6 or the input ends,
// either of which writes the line "\n EXIT FROM PROGRAM ". An answer that is
// not a number writes "\n INVALID INPUT TRY AGAIN ", abandons the action, and
// discards the rest of its line. Returns the exit status: 0, or 1 when `out`
// could not be written.
int menuloop(std::istream& in, std::ostream& out);
