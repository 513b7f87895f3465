#pragma once

#include <cstdio>
#include <cstdlib>

// A broken promise of the reader under test: said on standard error, then an abort, which
// libFuzzer records as a finding with the input that caused it.
#define FUZZ_CHECK(condition, what)                                                    \
  do {                                                                                 \
    if (!(condition)) {                                                                \
      std::fprintf(stderr, "broken promise at %s:%d: %s\n", __FILE__, __LINE__, what); \
      std::abort();                                                                    \
    }                                                                                  \
  } while (false)
