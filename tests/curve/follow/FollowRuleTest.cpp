// The follow rule without a host: a first look compares the stored values with the design's, later
// looks compare with what the rule last saw, so an update Undo took back stays taken back; a
// value that is not a number is no change, a parameter gone is one; a check that changed nothing
// looks at nothing.
#include "curve/follow/FollowRule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "curve/formula/LengthUnit.h"

using vintrel::curve::CurveDefinition;
using vintrel::curve::DesignParameterRow;
using vintrel::curve::DesignParameters;
using vintrel::curve::FollowRule;
using vintrel::curve::FollowVerdict;

namespace {

/// The circle of radius r stored as fitted with r = `stored`.
CurveDefinition circleStoredWith(double stored) {
  return {{0.0, 1.0, "r * cos(2 * pi * t)", "r * sin(2 * pi * t)", "0"}, {{"r", stored}}};
}

DesignParameters designWith(const std::vector<DesignParameterRow>& rows) {
  return DesignParameters::fromRows(rows);
}

/// One complete check of a design with r = `r` that looks at `definition` by `key`.
FollowVerdict checkOnce(FollowRule& rule, double r, const CurveDefinition& definition,
                        const std::string& key = "curve") {
  rule.startCheck(designWith({{"r", r, false}}));
  const FollowVerdict verdict =
      rule.needsLook(definition) ? rule.look(key, definition) : FollowVerdict::UpToDate;
  rule.finishCheck();
  return verdict;
}

TEST(FollowRule, AnUpdateUndoTookBackStaysTakenBackUntilItsParameterChangesAgain) {
  FollowRule rule;
  // First look: stored 1, design 2.
  EXPECT_EQ(checkOnce(rule, 2.0, circleStoredWith(1.0)), FollowVerdict::Refit);
  // Refitted with 2, then undone: the definition says 1 again while r stays 2.
  EXPECT_EQ(checkOnce(rule, 2.0, circleStoredWith(1.0)), FollowVerdict::Unchanged);
  EXPECT_EQ(checkOnce(rule, 3.0, circleStoredWith(1.0)), FollowVerdict::Refit);
  EXPECT_EQ(checkOnce(rule, 3.0, circleStoredWith(3.0)), FollowVerdict::UpToDate);
  // A curve without a key is seen for the first time at every look.
  EXPECT_EQ(checkOnce(rule, 3.0, circleStoredWith(1.0), ""), FollowVerdict::Refit);
  EXPECT_EQ(checkOnce(rule, 3.0, circleStoredWith(1.0), ""), FollowVerdict::Refit);
}

TEST(FollowRule, ANaNIsNoChangeAndAParameterGoneIsOne) {
  FollowRule rule;
  const double nan = std::nan("");
  EXPECT_EQ(checkOnce(rule, nan, circleStoredWith(nan)), FollowVerdict::UpToDate);
  rule.startCheck(designWith({{"other", 1.0, false}}));
  ASSERT_TRUE(rule.needsLook(circleStoredWith(2.0)));
  EXPECT_EQ(rule.look("curve", circleStoredWith(2.0)), FollowVerdict::Refit);
  EXPECT_THROW(rule.refit(circleStoredWith(2.0)), std::runtime_error);  // "r" is no parameter
}

// Nothing of the design changed since the last complete check: an up-to-date curve needs no look,
// and one the rule may not refit (its update undone) still does.
TEST(FollowRule, ACheckThatChangedNothingLooksOnlyAtCurvesNotUpToDate) {
  FollowRule rule;
  checkOnce(rule, 2.0, circleStoredWith(2.0));
  rule.startCheck(designWith({{"r", 2.0, false}}));
  EXPECT_FALSE(rule.needsLook(circleStoredWith(2.0)));
  EXPECT_TRUE(rule.needsLook(circleStoredWith(1.0)));
  EXPECT_FALSE(rule.needsLook(CurveDefinition{{0.0, 1.0, "t", "0", "0"}, {}}));  // names none
  rule.finishCheck();
}

// A curve in millimetres reads a length parameter in millimetres: 2 cm is its 20.
TEST(FollowRule, LengthsReadInTheCurvesUnit) {
  FollowRule rule;
  CurveDefinition inMillimetres = circleStoredWith(20.0);
  inMillimetres.request.unit = *vintrel::curve::lengthUnitNamed("mm");
  rule.startCheck(designWith({{"r", 2.0, true}}));
  EXPECT_EQ(rule.look("curve", inMillimetres), FollowVerdict::UpToDate);
  // The curve's start, 20 mm = 2 cm, within the tolerance of 0.002 mm.
  EXPECT_NEAR(rule.refit(inMillimetres).controlCentimetres()[0], 2.0, 0.0002);
}

// A check the host cut short keeps what it saw, and the next one takes everything for changed.
TEST(FollowRule, AnAbandonedCheckKeepsItsLooks) {
  FollowRule rule;
  rule.startCheck(designWith({{"r", 2.0, false}}));
  EXPECT_EQ(rule.look("curve", circleStoredWith(1.0)), FollowVerdict::Refit);
  rule.abandonCheck();
  rule.startCheck(designWith({{"r", 2.0, false}}));
  EXPECT_TRUE(rule.needsLook(circleStoredWith(2.0)));
  EXPECT_EQ(rule.look("curve", circleStoredWith(1.0)), FollowVerdict::Unchanged);
}

}  // namespace
