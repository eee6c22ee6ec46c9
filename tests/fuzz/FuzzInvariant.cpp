#include "tests/fuzz/FuzzInvariant.h"

#include <cstdio>
#include <cstdlib>

void reportViolation(const std::string& what) {
  std::fprintf(stderr, "fuzz invariant violated: %s\n", what.c_str());
  std::fflush(stderr);
  std::abort();
}
