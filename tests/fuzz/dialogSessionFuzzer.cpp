// libFuzzer entry of the dialog target (built only with VINTREL_FUZZ). The add-in library stays
// loaded for the whole run, so that libFuzzer keeps seeing its coverage counters.
#include <cstddef>
#include <cstdint>

#include "tests/fuzz/AddInUnderTest.h"
#include "tests/fuzz/fuzzDialogSession.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static AddInUnderTest addIn(VINTREL_ADDIN_PATH, false);
  fuzzDialogSession(data, size, addIn);
  return 0;
}
