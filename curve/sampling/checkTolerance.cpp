#include "curve/sampling/checkTolerance.h"

#include <iomanip>
#include <locale>
#include <sstream>
#include <stdexcept>
#include <string>

#include "curve/formula/SplineTolerance.h"
#include "curve/text/shortestText.h"
#include "curve/text/significantText.h"

namespace vintrel::curve {

namespace {

constexpr int kBoundDigits = 3;
// The smallest and one past the largest mantissa of kBoundDigits digits.
constexpr long kSmallestMantissa = 100;
constexpr long kMantissaEnd = 1000;
// One step inwards from the nearest decimal always lands inside the bounds: a step is a part in
// a thousand at least, a conversion's rounding a few parts in 1e16.
constexpr int kMostSteps = 2;

bool accepted(double tolerance, const LengthUnit& unit) {
  const double centimetres = inCentimetres(tolerance, unit);
  return centimetres >= kSmallestTolerance && centimetres <= kLargestTolerance;
}

double readNumber(const std::string& text) {
  std::istringstream stream(text);
  stream.imbue(std::locale::classic());
  double value = 0;
  stream >> value;
  return value;
}

// The bound `centimetres` in `unit` as kBoundDigits significant digits that read back as a
// tolerance checkTolerance accepts: the nearest such decimal, or else the next one inwards
// (`inwards` is +1 for the smallest bound, -1 for the largest), so that 3.937 in reads 3.93.
// The decimal is held as mantissa * 10^exponent and read as text, which rounds it once.
std::string boundText(double centimetres, const LengthUnit& unit, int inwards) {
  std::ostringstream nearest;
  nearest.imbue(std::locale::classic());
  nearest << std::scientific << std::setprecision(kBoundDigits - 1) << inUnit(centimetres, unit);
  const std::string text = nearest.str();  // d.dde±x
  const std::size_t e = text.find('e');
  long mantissa = std::stol(text.substr(0, 1) + text.substr(2, e - 2));
  int exponent = std::stoi(text.substr(e + 1)) - (kBoundDigits - 1);
  double value = readNumber(std::to_string(mantissa) + "e" + std::to_string(exponent));
  for (int step = 0; step < kMostSteps && !accepted(value, unit); ++step) {
    mantissa += inwards;
    if (mantissa == kMantissaEnd) {
      mantissa = kSmallestMantissa;
      ++exponent;
    } else if (mantissa < kSmallestMantissa) {
      mantissa = kMantissaEnd - 1;
      --exponent;
    }
    value = readNumber(std::to_string(mantissa) + "e" + std::to_string(exponent));
  }
  return significantText(value, kBoundDigits);
}

}  // namespace

void checkTolerance(double tolerance, const LengthUnit& unit) {
  if (accepted(tolerance, unit)) return;
  throw std::runtime_error("Tolerance must be a number from " +
                           boundText(kSmallestTolerance, unit, 1) + " to " +
                           boundText(kLargestTolerance, unit, -1) + " " + unit.name + "; it is " +
                           shortestText(tolerance));
}

}  // namespace vintrel::curve
