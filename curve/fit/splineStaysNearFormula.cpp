#include "curve/fit/splineStaysNearFormula.h"

#include <algorithm>
#include <cmath>

#include "curve/measure/distanceToFormula.h"

namespace vintrel::curve {

namespace {

// Each halving quarters the chord bound; eight of them leave it a 65536th of the first, below
// anything that could decide a fit, so an interval whose every point found so far lies within
// the tolerance is taken then.
constexpr int kDeepestHalving = 8;

// A spline point, its parameter, and its distance from the formula.
struct Judged {
  double u;
  SamplePoint point;
  double distance;
};

class ReverseCheck {
 public:
  ReverseCheck(const num::CubicSpans<double>& spline, const SampledCurve& judged, double tolerance,
               bool closed)
      : spline_(spline), formula_(judged, 1.0 / spline.SpanCount(), closed), tolerance_(tolerance) {
    bends_.reserve(static_cast<std::size_t>(spline.SpanCount()));
    for (int span = 0; span < spline.SpanCount(); ++span) {
      bends_.push_back(spline.LargestBend(span));
    }
  }

  /// Judges the spline at `u`, whose formula point is `formulaPoint`; false when it lies beyond
  /// the tolerance of the formula.
  bool judge(double u, const SamplePoint& formulaPoint, Judged& result) const {
    double point[3];
    spline_.Evaluate(u, point);
    result = {u, {point[0], point[1], point[2]}, 0.0};
    result.distance = std::sqrt(squaredDistance(point, formulaPoint));
    if (!beyond(result.distance)) return true;
    result.distance = std::min(result.distance, formula_.distance(result.point, u, tolerance_));
    return !beyond(result.distance);
  }

  /// For each span, the largest squared distance from their own formula points that the ends of
  /// an interval `step` wide starting in it may have for the whole interval to stay within the
  /// tolerance by the chord bound alone; below 0 where the bound alone exceeds the tolerance.
  std::vector<double> passingSquares(double step) const {
    std::vector<double> passing(bends_.size());
    for (std::size_t span = 0; span < bends_.size(); ++span) {
      const double bend = std::max(bends_[span], span + 1 < bends_.size() ? bends_[span + 1] : 0.0);
      const double room = tolerance_ - step * step / 8 * bend;
      passing[span] = room > 0 ? room * room : -1.0;
    }
    return passing;
  }

  /// Whether the spline between the judged points `a` and `b` stays within the tolerance.
  bool between(const Judged& a, const Judged& b, int depth) const {
    if (!beyond(std::max(a.distance, b.distance) + chordBound(a.u, b.u))) return true;
    if (depth == kDeepestHalving) return true;
    const double u = a.u + (b.u - a.u) * 0.5;
    Judged middle;
    return judge(u, formula_.pointAt(u), middle) && between(a, middle, depth + 1) &&
           between(middle, b, depth + 1);
  }

 private:
  // A distance that is not a number fails nothing.
  bool beyond(double distance) const { return distance > tolerance_; }

  // How far the spline may stray from its chord between parameters a < b.
  double chordBound(double a, double b) const {
    const int spans = spline_.SpanCount();
    const auto spanOf = [&](double u) {
      return std::clamp(static_cast<int>(u * spans), 0, spans - 1);
    };
    double bend = 0.0;
    for (int span = spanOf(a); span <= spanOf(b); ++span) bend = std::max(bend, bends_[span]);
    const double width = b - a;
    return width * width / 8 * bend;
  }

  const num::CubicSpans<double>& spline_;
  FormulaNearby formula_;
  double tolerance_;
  std::vector<double> bends_;
};

}  // namespace

bool splineStaysNearFormula(const num::CubicSpans<double>& spline, const SampledCurve& judged,
                            double tolerance, bool closed) {
  if (judged.samples.empty()) return true;
  const ReverseCheck check(spline, judged, tolerance, closed);
  const std::size_t count = 2 * judged.samples.size() - 1;
  const auto pointAt = [&](std::size_t i) -> const SamplePoint& {
    return i % 2 == 0 ? judged.samples[i / 2] : judged.midpoints[i / 2];
  };
  const auto uAt = [&](std::size_t i) {
    return i % 2 == 0 ? judged.sampleU(i / 2) : judged.midpointU(i / 2);
  };
  // Most intervals pass on their ends' squared distances alone; only the others are judged in
  // full, with the formula searched and the interval halved.
  const std::vector<double> passing = check.passingSquares(count > 1 ? uAt(1) : 0.0);
  const int spans = spline.SpanCount();
  double previousSquare = 0.0;
  for (std::size_t i = 0; i < count; ++i) {
    double point[3];
    spline.Evaluate(uAt(i), point);
    const double square = squaredDistance(point, pointAt(i));
    if (i == 0) {
      Judged first;
      if (!(square <= tolerance * tolerance) && !check.judge(uAt(0), pointAt(0), first)) {
        return false;
      }
    } else {
      const int span = std::clamp(static_cast<int>(uAt(i - 1) * spans), 0, spans - 1);
      if (!(std::max(previousSquare, square) <= passing[static_cast<std::size_t>(span)])) {
        Judged a, b;
        if (!check.judge(uAt(i - 1), pointAt(i - 1), a) || !check.judge(uAt(i), pointAt(i), b) ||
            !check.between(a, b, 0)) {
          return false;
        }
      }
    }
    previousSquare = square;
  }
  return true;
}

}  // namespace vintrel::curve
