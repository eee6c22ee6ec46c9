#include "tests/fuzz/DialogStatus.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <regex>

namespace {

constexpr double kTolerance = 0.002;
constexpr int kLargestControlCount = 128;

bool isFitCount(int count) {
  for (int n = 4; n <= kLargestControlCount; n *= 2) {
    if (count == n) return true;
  }
  return false;
}

// The whole of `text` is one number strtod reads ("nan", "-inf" and "1e+308" included).
bool readWholeNumber(const std::string& text, double& value) {
  if (text.empty()) return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtod(text.c_str(), &end);
  return end == text.c_str() + text.size();
}

bool readFit(const std::string& text, DialogStatus& status) {
  static const std::regex fit(
      R"(([1-9][0-9]{0,3}) spline controls( \(tolerance 0\.002 not met: largest deviation ([^)]*)\))?)");
  std::smatch match;
  if (!std::regex_match(text, match, fit)) return false;
  status.controlCount = std::stoi(match[1].str());
  if (!isFitCount(status.controlCount)) return false;
  if (!match[2].matched) return true;
  status.toleranceNote = true;
  return status.controlCount == kLargestControlCount &&
         readWholeNumber(match[3].str(), status.largestDeviation) &&
         std::isfinite(status.largestDeviation) && status.largestDeviation > kTolerance;
}

bool isCoordinateLabel(const std::string& text) {
  return text.size() >= 4 && (text[0] == 'x' || text[0] == 'y' || text[0] == 'z') &&
         text.compare(1, 3, "(t)") == 0;
}

bool readNotFinite(const std::string& text) {
  static const std::string middle = " is not a finite number at t = ";
  if (!isCoordinateLabel(text) || text.compare(4, middle.size(), middle) != 0) return false;
  double t = 0;
  return readWholeNumber(text.substr(4 + middle.size()), t);
}

bool readBadRange(const std::string& text) {
  static const std::regex range(
      R"((Starting|Ending) t Value is not a finite number: ([^ ]+))"
      R"(|The t range from ([^ ]+) to ([^ ]+) is too wide to sample; choose closer ends\.)");
  std::smatch match;
  if (!std::regex_match(text, match, range)) return false;
  double value = 0;
  if (match[2].matched) return readWholeNumber(match[2].str(), value);
  return readWholeNumber(match[3].str(), value) && readWholeNumber(match[4].str(), value);
}

bool readTooLarge(const std::string& text) {
  static const std::regex tooLarge(
      R"(The curve is too large to fit: a coordinate reaches ([^ ;]+); keep coordinates within )"
      R"(1e300\.)");
  std::smatch match;
  double value = 0;
  return std::regex_match(text, match, tooLarge) && readWholeNumber(match[1].str(), value);
}

bool readExpressionError(const std::string& text) {
  return isCoordinateLabel(text) && text.size() > 6 && text.compare(4, 2, ": ") == 0;
}

}  // namespace

DialogStatus classifyStatus(const std::string& text) {
  DialogStatus status;
  if (readFit(text, status)) {
    status.kind = DialogStatus::Kind::Fit;
  } else if (readNotFinite(text)) {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::NotFinite;
  } else if (readBadRange(text)) {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::BadRange;
  } else if (readTooLarge(text)) {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::TooLarge;
  } else if (readExpressionError(text)) {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::ExpressionError;
  } else if (text == "Unknown exception") {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::NullObject;
  } else {
    status = DialogStatus{};
  }
  return status;
}

const char* kindName(DialogStatus::Kind kind) {
  switch (kind) {
    case DialogStatus::Kind::Fit:
      return "fit";
    case DialogStatus::Kind::ExpressionError:
      return "expression error";
    case DialogStatus::Kind::NotFinite:
      return "not finite";
    case DialogStatus::Kind::BadRange:
      return "bad t range";
    case DialogStatus::Kind::TooLarge:
      return "too large";
    case DialogStatus::Kind::NullObject:
      return "missing host object";
    case DialogStatus::Kind::Unclear:
      break;
  }
  return "unclear";
}
