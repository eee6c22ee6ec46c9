#include "tools/ShortestNumber.h"

#include <charconv>
#include <system_error>

namespace sorvane {

std::string shortestNumber(double value) {
  char buffer[32];  // the longest shortest form, "-2.2250738585072014e-308", needs 24
  const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
  if (error != std::errc()) return "nan";  // cannot happen with this buffer size
  return std::string(buffer, end);
}

}  // namespace sorvane
