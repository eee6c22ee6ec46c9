// libFuzzer entry of the curve-computation target (built only with VINTREL_FUZZ).
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/fuzzFitFromTexts.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzzFitFromTexts(data, size);
  return 0;
}
