#include <unistd.h>

#include <iostream>
#include <ostream>

#include "menu.hpp"
#include "output.hpp"

int main() {
  // An unsynchronised standard input keeps a buffer of its own, so the
  // console input can see when a read would wait and flush only then,
  // instead of once per answer.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  outputbuffer standardoutput(STDOUT_FILENO);
  std::ostream out(&standardoutput);
  return menuloop(std::cin, out);
}
