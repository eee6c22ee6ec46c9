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

// The definitions k and R hide the parameters k and R, in their order, after the note on t; a
// definition of a name the design lacks (q), and a parameter no definition takes (r), go
// unmentioned, as do the definitions of a text that cannot be read (its error shows instead).
TEST(hiddenParameterNotes, TellsOfParametersThatDefinitionsHide) {
  const vintrel::curve::ParameterTable design = {
      {"pi", kBuiltInPi}, {"R", 3.0}, {"k", 1.0}, {"r", 1.0}, {"t", 5.0}};
  EXPECT_EQ(hiddenParameterNotes(design, "q = 1\nk = 2; R = k"),
            (std::vector<std::string>{kHiddenT,
                                      "The design parameter \"k\" is hidden by the definition of "
                                      "k; rename one of them to use the parameter.",
                                      "The design parameter \"R\" is hidden by the definition of "
                                      "R; rename one of them to use the parameter."}));
  EXPECT_EQ(hiddenParameterNotes(design, "k = 2; k = 3"), std::vector<std::string>{kHiddenT});
}

}  // namespace
