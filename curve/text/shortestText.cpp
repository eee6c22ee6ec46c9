#include "curve/text/shortestText.h"

#include <array>
#include <charconv>

namespace vintrel::curve {

std::string shortestText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

}  // namespace vintrel::curve
