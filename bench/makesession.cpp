// Writes the answers of a long scripted session, used the way a person uses
// the program: terms entered into both polynomials (16 each at most), the
// polynomials listed, added again and again, and now and then a wrong answer.
// Usage: makesession ITERATIONS [SEED]
#include <cstdio>
#include <cstdlib>
#include <random>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: makesession ITERATIONS [SEED]\n");
    return 2;
  }
  const long iterations = std::atol(argv[1]);
  std::mt19937 random(argc > 2 ? static_cast<unsigned>(std::atol(argv[2])) : 1u);
  auto pick = [&random](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  int sizes[2] = {0, 0};
  for (long i = 0; i < iterations; ++i) {
    const int which = pick(0, 1);
    const int roll = pick(0, 99);
    if (roll < 30 && sizes[which] < 16) {
      ++sizes[which];
      std::printf("%d\n%d\n%d\n", which == 0 ? 1 : 3, pick(-99, 99), pick(0, 20));
    } else if (roll < 55) {
      std::printf("%d\n", which == 0 ? 2 : 4);
    } else if (roll < 95) {
      std::printf("5\n");
    } else if (roll < 98) {
      std::printf("%d\n", pick(7, 9));
    } else {
      std::printf("what\n");
    }
  }
  std::printf("6\n");
  return 0;
}
