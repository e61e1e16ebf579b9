#include <iostream>

#include "menu.hpp"

int main() {
  // Unsynchronised streams keep buffers of their own, so the console input
  // can see when a read would wait and flush the prompt only then, instead
  // of once per answer.
  std::ios::sync_with_stdio(false);
  std::cin.tie(nullptr);
  return menuloop(std::cin, std::cout);
}
