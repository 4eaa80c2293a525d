// What the fuzz targets share: a property check that stops the run.
//
// A failed check prints what was expected and aborts, which libFuzzer
// reports as a crash with the input saved, and the corpus replay as a
// failed test.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#define FUZZ_CHECK(condition, what)                                            \
  do {                                                                         \
    if (!(condition)) {                                                        \
      std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, \
                   std::string(what).c_str());                                 \
      std::abort();                                                            \
    }                                                                          \
  } while (false)
