#include "tests/fuzz/fuzzInputLines.h"

#include <cstdlib>

std::vector<std::string> fuzzInputLines(const std::uint8_t* data, std::size_t size) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < size; ++i) {
    if (data[i] == '\n') {
      lines.push_back(line);
      line.clear();
    } else {
      line.push_back(static_cast<char>(data[i]));
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

double leadingNumber(const std::string& text, double fallback) {
  // c_str stops at a zero byte, which is what a number field should do anyway.
  const char* begin = text.c_str();
  char* end = nullptr;
  const double value = std::strtod(begin, &end);
  return end == begin ? fallback : value;
}
