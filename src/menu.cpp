#include "menu.hpp"

#include <istream>
#include <ostream>
#include <string_view>

#include "console.hpp"
#include "output.hpp"
#include "polynomial.hpp"

namespace {

constexpr std::string_view menutext =
    "\n Press 1 For Add New Element in Polynomial One "
    "\n Press 2 For View Polynomial One "
    "\n Press 3 For Add New Element in Polynomial Two "
    "\n Press 4 For View Polynomial Two "
    "\n Press 5 For Add These Two Polynomail And Display "
    "\n Press 6 For Exit "
    "\n Enter Your Choice : ";

constexpr std::string_view listheading = "\n ELEMENTS OF POLYNOMAIL \n\n";
constexpr std::string_view sumheading = "\n The Resultant Polymail After Addition \n\n";
constexpr std::string_view invalidline = "\n INVALID INPUT TRY AGAIN \n";
constexpr std::string_view exitline = "\n EXIT FROM PROGRAM \n";

// How an action that reads input ended.
enum class outcome { done, badinput, endofinput };

outcome outcomeof(readstatus status) {
  return status == readstatus::endofinput ? outcome::endofinput : outcome::badinput;
}

// Asks for a coefficient and an exponent and inserts the term into `poly`.
// Nothing is inserted unless both were read.
outcome enterterm(node*& poly, std::istream& in, std::ostream& out) {
  writetext(out, "\n Enter New Co-efficient : ");
  const numberread coeff = readnumber(in, out);
  if (coeff.status != readstatus::number) return outcomeof(coeff.status);
  writetext(out, "\n Enter New Exponent : ");
  const numberread expo = readnumber(in, out);
  if (expo.status != readstatus::number) return outcomeof(expo.status);
  poly = insertnode(poly, coeff.value, expo.value, out);
  return outcome::done;
}

}  // namespace

int menuloop(std::istream& in, std::ostream& out) {
  node* one = nullptr;
  node* two = nullptr;
  // A sum with an empty operand is the other operand's own list, so the sum
  // is released only when it was built for itself. That is settled as the
  // sum is made: once a new term heads an operand, comparing heads could no
  // longer tell.
  node* sum = nullptr;
  bool sumisown = false;

  bool running = true;
  while (running && out) {
    writetext(out, menutext);
    const numberread choice = readnumber(in, out);
    outcome result = outcome::done;
    if (choice.status != readstatus::number) {
      result = outcomeof(choice.status);
    } else {
      switch (choice.value) {
        case 1:
          result = enterterm(one, in, out);
          break;
        case 2:
          writetext(out, listheading);
          traverse(one, out);
          break;
        case 3:
          result = enterterm(two, in, out);
          break;
        case 4:
          writetext(out, listheading);
          traverse(two, out);
          break;
        case 5:
          writetext(out, sumheading);
          if (sumisown) freepoly(sum);
          sum = polyadd(one, two, nullptr, out);
          sumisown = sum != one && sum != two;
          traverse(sum, out);
          break;
        case 6:
          writetext(out, exitline);
          running = false;
          break;
        default:
          writetext(out, invalidline);
          break;
      }
    }
    if (result == outcome::badinput) {
      writetext(out, invalidline);
      skipline(in, out);
    } else if (result == outcome::endofinput) {
      // The end of the input leaves as choice 6 does.
      writetext(out, exitline);
      running = false;
    }
  }

  freepoly(one);
  freepoly(two);
  if (sumisown) freepoly(sum);
  out.flush();
  return out ? 0 : 1;
}
