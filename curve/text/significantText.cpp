#include "curve/text/significantText.h"

#include <locale>
#include <sstream>

namespace vintrel::curve {

std::string significantText(double value, int digits) {
  std::ostringstream text;
  text.imbue(std::locale::classic());
  text.precision(digits);
  text << value;
  return text.str();
}

}  // namespace vintrel::curve
