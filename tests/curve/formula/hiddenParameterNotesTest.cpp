#include "curve/formula/hiddenParameterNotes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using vintrel::curve::hiddenParameterNotes;
using vintrel::curve::kBuiltInPi;

namespace {

const std::string kHiddenT =
    "The design parameter \"t\" is hidden by the curve's t; rename it to use it in a formula.";

TEST(hiddenParameterNotes, SaysNothingAboutAnOrdinaryDesign) {
  EXPECT_TRUE(hiddenParameterNotes({{"pi", kBuiltInPi}, {"r", 2.0}, {"T", 1.0}}).empty());
  // A design parameter "pi" of pi's own value changes nothing.
  EXPECT_TRUE(hiddenParameterNotes({{"pi", 3.141592653589793}}).empty());
}

TEST(hiddenParameterNotes, TellsOfTAndOfAPiThatReplacesTheConstant) {
  EXPECT_EQ(hiddenParameterNotes({{"pi", kBuiltInPi}, {"t", 5.0}}),
            std::vector<std::string>{kHiddenT});
  EXPECT_EQ(hiddenParameterNotes({{"pi", 3.0}, {"t", 5.0}}),
            (std::vector<std::string>{"The design parameter \"pi\" (3) replaces the constant pi "
                                      "in the formulas; rename it to keep pi = 3.141593.",
                                      kHiddenT}));
}

}  // namespace
