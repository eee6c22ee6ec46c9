#include "tests/fuzz/DialogStatus.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <regex>

#include "curve/fit/fitSplineToSamples.h"

using vintrel::curve::kMostControls;

namespace {

constexpr double kTolerance = 0.002;
// A closed curve's spline has the three controls more that close it.
constexpr int kClosingControls = 3;

bool isFitCount(int count, bool closed) {
  for (int n = 4; n <= kMostControls; n *= 2) {
    if (count == n + (closed ? kClosingControls : 0)) return true;
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
      R"(([1-9][0-9]{0,3}) spline controls(, closed)?)"
      R"(( \(tolerance 0\.002 cm (perhaps )?not met: largest deviation ([^ )]*)( to ([^ )]*))? cm\))?)");
  std::smatch match;
  if (!std::regex_match(text, match, fit)) return false;
  status.controlCount = std::stoi(match[1].str());
  status.closed = match[2].matched;
  if (!isFitCount(status.controlCount, status.closed)) return false;
  if (!match[3].matched) return true;
  status.toleranceNote = true;
  if (status.controlCount != kMostControls + (status.closed ? kClosingControls : 0) ||
      !readWholeNumber(match[5].str(), status.largestDeviation) ||
      !std::isfinite(status.largestDeviation)) {
    return false;
  }
  const bool perhaps = match[4].matched;
  if (!match[6].matched) return !perhaps && status.largestDeviation > kTolerance;
  // A measure cut short: the miss is sure only when its lower bound exceeds the tolerance.
  status.deviationUpTo = 0;
  return readWholeNumber(match[7].str(), status.deviationUpTo) &&
         std::isfinite(status.deviationUpTo) && status.deviationUpTo > kTolerance &&
         status.largestDeviation >= 0 && status.largestDeviation < status.deviationUpTo &&
         perhaps == !(status.largestDeviation > kTolerance);
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
      R"(|The t range from ([^ ]+) to ([^ ]+) is too wide to sample; choose closer ends\.)"
      R"(|The t range is empty: Starting t Value and Ending t Value are both ([^ ;]+); give )"
      R"(them different values)");
  std::smatch match;
  if (!std::regex_match(text, match, range)) return false;
  double value = 0;
  if (match[2].matched) return readWholeNumber(match[2].str(), value);
  if (match[5].matched) return readWholeNumber(match[5].str(), value) && std::isfinite(value);
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

bool readJump(const std::string& text) {
  static const std::regex jump(
      R"([xyz]\(t\) jumps near t = ([^ ]+) \(from ([^ ]+) to ([^ )]+)\): a spline cannot follow )"
      R"(a jump; split the range there)");
  std::smatch match;
  double value = 0;
  return std::regex_match(text, match, jump) && readWholeNumber(match[1].str(), value) &&
         readWholeNumber(match[2].str(), value) && readWholeNumber(match[3].str(), value);
}

bool readSinglePoint(const std::string& text) {
  static const std::regex point(
      R"(The curve is a single point \(([^ ,]+), ([^ ,]+), ([^ )]+)\): give x\(t\), y\(t\) or )"
      R"(z\(t\) a term in t, or widen the t range)");
  static const std::regex small(
      R"(The curve stays within [^ ]+ cm of one point \(([^ ,]+), ([^ ,]+), ([^ )]+)\), too )"
      R"(small for a spline to follow: make it larger or widen the t range)");
  std::smatch match;
  double value = 0;
  return (std::regex_match(text, match, point) || std::regex_match(text, match, small)) &&
         readWholeNumber(match[1].str(), value) && std::isfinite(value) &&
         readWholeNumber(match[2].str(), value) && std::isfinite(value) &&
         readWholeNumber(match[3].str(), value) && std::isfinite(value);
}

// The lines a fit's status may carry below the count, each naming a parameter the formulas
// cannot use as the design means it.
bool readParameterNotes(const std::string& lines, int& count) {
  static const std::regex hiddenT(
      R"(The design parameter "t" is hidden by the curve's t; rename it to use it in a formula\.)");
  static const std::regex replacedPi(
      R"(The design parameter "pi" \(([^ )]+)\) replaces the constant pi in the formulas; rename )"
      R"(it to keep pi = 3\.141593\.)");
  bool seenT = false;
  bool seenPi = false;
  count = 0;
  std::size_t begin = 0;
  while (begin <= lines.size()) {
    const std::size_t end = std::min(lines.find('\n', begin), lines.size());
    const std::string line = lines.substr(begin, end - begin);
    std::smatch match;
    if (!seenPi && !seenT && std::regex_match(line, match, replacedPi)) {
      double value = 0;
      if (!readWholeNumber(match[1].str(), value)) return false;
      seenPi = true;
    } else if (!seenT && std::regex_match(line, hiddenT)) {
      seenT = true;
    } else {
      return false;
    }
    ++count;
    begin = end + 1;
  }
  return true;
}

bool readExpressionError(const std::string& text) {
  return isCoordinateLabel(text) && text.size() > 6 && text.compare(4, 2, ": ") == 0;
}

}  // namespace

DialogStatus classifyStatus(const std::string& text) {
  DialogStatus status;
  const std::size_t lineEnd = text.find('\n');
  if (lineEnd != std::string::npos) {
    int notes = 0;
    if (readFit(text.substr(0, lineEnd), status) &&
        readParameterNotes(text.substr(lineEnd + 1), notes)) {
      status.kind = DialogStatus::Kind::Fit;
      status.parameterNotes = notes;
      return status;
    }
    return DialogStatus{};
  }
  if (readFit(text, status)) {
    status.kind = DialogStatus::Kind::Fit;
  } else if (readJump(text)) {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::Jump;
  } else if (readSinglePoint(text)) {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::SinglePoint;
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
    case DialogStatus::Kind::Jump:
      return "jump";
    case DialogStatus::Kind::SinglePoint:
      return "single point";
    case DialogStatus::Kind::NullObject:
      return "missing host object";
    case DialogStatus::Kind::Unclear:
      break;
  }
  return "unclear";
}
