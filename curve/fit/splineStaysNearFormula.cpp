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
  Judged previous;
  if (!check.judge(judged.sampleU(0), judged.samples[0], previous)) return false;
  for (std::size_t k = 0; k < judged.midpoints.size(); ++k) {
    Judged middle, next;
    if (!check.judge(judged.midpointU(k), judged.midpoints[k], middle) ||
        !check.between(previous, middle, 0) ||
        !check.judge(judged.sampleU(k + 1), judged.samples[k + 1], next) ||
        !check.between(middle, next, 0)) {
      return false;
    }
    previous = next;
  }
  return true;
}

}  // namespace vintrel::curve
