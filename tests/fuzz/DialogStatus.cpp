#include "tests/fuzz/DialogStatus.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <regex>

#include "curve/fit/fitSplineToSamples.h"

using vintrel::curve::kMostControls;

namespace {

// The units the dialog lists and the labels its formulas may have, as regular expressions.
const std::string kUnit = "(mm|cm|m|in|ft|yd|\xC2\xB5m|hm|mi|mil|nmi)";
const std::string kLabel = "(x|y|z|\xCF\x81|\xCE\xB8|r|\xCF\x86)\\(t\\)";
const std::string kDefinitionLine = "Definitions, line [1-9][0-9]*";
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
  static const std::regex fit(R"(([1-9][0-9]{0,3}) spline controls(, closed)?)"
                              R"(( \(tolerance ([^ ]+) )" +
                              kUnit +
                              R"( (perhaps )?not met: largest deviation ([^ )]*)( to ([^ )]*))? )"
                              R"(\5\))?)");
  std::smatch match;
  if (!std::regex_match(text, match, fit)) return false;
  status.controlCount = std::stoi(match[1].str());
  status.closed = match[2].matched;
  if (!isFitCount(status.controlCount, status.closed)) return false;
  if (!match[3].matched) return true;
  status.toleranceNote = true;
  double tolerance = 0;
  if (status.controlCount != kMostControls + (status.closed ? kClosingControls : 0) ||
      !readWholeNumber(match[4].str(), tolerance) || !(tolerance > 0) ||
      !readWholeNumber(match[7].str(), status.largestDeviation) ||
      !std::isfinite(status.largestDeviation)) {
    return false;
  }
  const bool perhaps = match[6].matched;
  if (!match[8].matched) return !perhaps && status.largestDeviation > tolerance;
  // A measure cut short: the miss is sure only when its lower bound exceeds the tolerance.
  status.deviationUpTo = 0;
  return readWholeNumber(match[9].str(), status.deviationUpTo) &&
         std::isfinite(status.deviationUpTo) && status.deviationUpTo > tolerance &&
         status.largestDeviation >= 0 && status.largestDeviation < status.deviationUpTo &&
         perhaps == !(status.largestDeviation > tolerance);
}

bool readNotFinite(const std::string& text) {
  static const std::regex notFinite("(?:" + kLabel + "|" + kDefinitionLine +
                                    R"( \([^)]+\)) is not a finite number at t = (.+))");
  std::smatch match;
  double t = 0;
  return std::regex_match(text, match, notFinite) && readWholeNumber(match[2].str(), t);
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
      R"((?:[xyz]\(t\)|The curve's [xyz]) jumps near t = ([^ ]+) \(from ([^ ]+) to ([^ )]+)\): )"
      R"(a spline cannot follow a jump; split the range there)");
  std::smatch match;
  double value = 0;
  return std::regex_match(text, match, jump) && readWholeNumber(match[1].str(), value) &&
         readWholeNumber(match[2].str(), value) && readWholeNumber(match[3].str(), value);
}

bool readSinglePoint(const std::string& text) {
  static const std::regex point(R"(The curve is a single point \(([^ ,]+), ([^ ,]+), ([^ )]+)\): )"
                                R"(give )" +
                                kLabel + ", " + kLabel + " or " + kLabel +
                                R"( a term in t, or widen the t range)");
  static const std::regex small(R"(The curve stays within [^ ]+ )" + kUnit +
                                R"( of one point \(([^ ,]+), ([^ ,]+), ([^ )]+)\), too )"
                                R"(small for a spline to follow: make it larger or widen the t )"
                                R"(range)");
  std::smatch match;
  // The coordinates come first in the one, after the unit in the other.
  int first = 1;
  if (!std::regex_match(text, match, point)) {
    if (!std::regex_match(text, match, small)) return false;
    first = 2;
  }
  double value = 0;
  for (int i = first; i < first + 3; ++i) {
    if (!readWholeNumber(match[i].str(), value) || !std::isfinite(value)) return false;
  }
  return true;
}

bool readToleranceRefused(const std::string& text) {
  static const std::regex refused("Tolerance must be a number from ([^ ]+) to ([^ ]+) " + kUnit +
                                  "; it is (.+)");
  std::smatch match;
  double value = 0;
  return std::regex_match(text, match, refused) && readWholeNumber(match[1].str(), value) &&
         readWholeNumber(match[2].str(), value) && readWholeNumber(match[4].str(), value);
}

// The lines a fit's status may carry below the count, each naming a parameter the formulas
// cannot use as the design means it.
bool readParameterNotes(const std::string& lines, int& count) {
  static const std::regex hiddenT(
      R"(The design parameter "t" is hidden by the curve's t; rename it to use it in a formula\.)");
  static const std::regex replacedPi(
      R"(The design parameter "pi" \(([^ )]+)\) replaces the constant pi in the formulas; rename )"
      R"(it to keep pi = 3\.141593\.)");
  static const std::regex hiddenByDefinition(
      R"re(The design parameter "([^"]+)" is hidden by the definition of \1; rename one of )re"
      R"re(them to use the parameter\.)re");
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
    } else if (std::regex_match(line, hiddenByDefinition)) {
      // A definition may hide any parameter; each is told once, after pi and t.
    } else {
      return false;
    }
    ++count;
    begin = end + 1;
  }
  return true;
}

bool readExpressionError(const std::string& text) {
  static const std::regex error("(" + kLabel + "|" + kDefinitionLine + "): .+");
  return std::regex_match(text, error);
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
  } else if (readToleranceRefused(text)) {
    status = DialogStatus{};
    status.kind = DialogStatus::Kind::ToleranceRefused;
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
    case DialogStatus::Kind::ToleranceRefused:
      return "tolerance refused";
    case DialogStatus::Kind::NullObject:
      return "missing host object";
    case DialogStatus::Kind::Unclear:
      break;
  }
  return "unclear";
}
