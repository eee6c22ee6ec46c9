// How the fuzz targets report a broken promise of the add-in: a clear message on stderr and an
// abort, which libFuzzer records as a finding (with the input that caused it) and which fails the
// regression test that replays that input.
#pragma once

#include <string>

/// Prints "fuzz invariant violated: <what>" to stderr and aborts.
[[noreturn]] void reportViolation(const std::string& what);

/// reportViolation(what) unless `holds`.
inline void requireThat(bool holds, const std::string& what) {
  if (!holds) reportViolation(what);
}
