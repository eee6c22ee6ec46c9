#include "dialog/FitStatus.h"

#include <locale>
#include <sstream>

std::string statusText(const FitStatus& status, double tolerance) {
  std::ostringstream text;
  // The host may run under a locale with a decimal comma; the status keeps the point.
  text.imbue(std::locale::classic());
  text << status.controlCount << " spline controls";
  if (status.largestDeviation) {
    text << " (tolerance " << tolerance << " not met: largest deviation ";
    text.precision(3);
    text << std::showpoint << *status.largestDeviation << ')';
  }
  return text.str();
}
