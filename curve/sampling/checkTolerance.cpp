#include "curve/sampling/checkTolerance.h"

#include <stdexcept>
#include <string>

#include "curve/formula/SplineTolerance.h"
#include "curve/text/shortestText.h"
#include "curve/text/significantText.h"

namespace vintrel::curve {

namespace {

constexpr int kBoundDigits = 3;

}  // namespace

void checkTolerance(double tolerance, const LengthUnit& unit) {
  const double centimetres = inCentimetres(tolerance, unit);
  if (centimetres >= kSmallestTolerance && centimetres <= kLargestTolerance) return;
  throw std::runtime_error("Tolerance must be a number from " +
                           significantText(inUnit(kSmallestTolerance, unit), kBoundDigits) +
                           " to " + significantText(inUnit(kLargestTolerance, unit), kBoundDigits) +
                           " " + unit.name + "; it is " + shortestText(tolerance));
}

}  // namespace vintrel::curve
