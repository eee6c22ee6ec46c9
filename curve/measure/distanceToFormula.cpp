#include "curve/measure/distanceToFormula.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <numeric>
#include <vector>

#include "numerics/BezierSpans.h"
#include "numerics/LocalSquaredDistance.h"
#include "numerics/NearestPointSearch.h"
#include "numerics/Point3.h"

namespace vintrel::curve {

namespace {

// A formula need not be unimodal in its distance from a point over one span: a finer scan than
// the spline's own search, and no derivatives, which a formula does not give.
constexpr num::LocalSearchSteps kFormulaSearch{16, 30, 0};
// The broken line is followed this many sample steps each way at most: a few spans of the finest
// fits, and enough for a formula that races through a stretch of its range.
constexpr long kLongestBrokenLine = 256;

// The point of the judged samples and midpoints taken together in the order of t.
const SamplePoint& judgedPoint(const SampledCurve& judged, std::size_t i) {
  return i % 2 == 0 ? judged.samples[i / 2] : judged.midpoints[i / 2];
}

double judgedU(const SampledCurve& judged, std::size_t i) {
  return i % 2 == 0 ? judged.sampleU(i / 2) : judged.midpointU(i / 2);
}

// The formula as the local search reads a curve.
struct FormulaAsSearchedCurve {
  const FormulaNearby& formula;
  void Evaluate(double u, double* point) const {
    const SamplePoint p = formula.pointAt(u);
    point[0] = p.x;
    point[1] = p.y;
    point[2] = p.z;
  }
};

SamplePoint splinePointAt(const num::CubicSpans<double>& spline, double u) {
  double point[3];
  spline.Evaluate(u, point);
  return {point[0], point[1], point[2]};
}

double distance(const SamplePoint& a, const SamplePoint& b) {
  const double point[3] = {a.x, a.y, a.z};
  return std::sqrt(squaredDistance(point, b));
}

SamplePoint scaled(const SamplePoint& p, double scale) {
  return {p.x * scale, p.y * scale, p.z * scale};
}

// A curve too large to square its distances is measured scaled down (num::OverflowSafeScale).
double overflowSafeScale(const SampledCurve& judged, const std::vector<SamplePoint>& splinePoints) {
  double largest = 0.0;
  for (const SamplePoints* points : {&judged.samples, &judged.midpoints, &splinePoints}) {
    largest = std::max(largest,
                       num::LargestFiniteMagnitude(flatCoordinates(*points), 3 * points->size()));
  }
  return num::OverflowSafeScale(largest);
}

// 0, 1, ..., count - 1.
std::vector<std::size_t> order(std::size_t count) {
  std::vector<std::size_t> indices(count);
  std::iota(indices.begin(), indices.end(), std::size_t(0));
  return indices;
}

// Parameters looked at on either side of the farthest judged one, within one judged step.
constexpr int kRefinements = 16;

// A straight piece is its own leaf of the search's tree.
constexpr int kStraightLeafDepth = 0;

// The broken line through the judged samples and midpoints in the order of t, each segment as a
// Bézier piece (its points a third of the way apart), for the search of the whole line.
std::vector<num::BezierPiece<double>> brokenLine(const SampledCurve& judged, double scale) {
  const std::size_t count = 2 * judged.samples.size() - 1;
  std::vector<num::BezierPiece<double>> pieces;
  pieces.reserve(count - 1);
  for (std::size_t i = 0; i + 1 < count; ++i) {
    const SamplePoint a = scaled(judgedPoint(judged, i), scale);
    const SamplePoint b = scaled(judgedPoint(judged, i + 1), scale);
    const num::Point3<double> from{a.x, a.y, a.z};
    const num::Point3<double> to{b.x, b.y, b.z};
    pieces.push_back({{from, num::Lerp(from, to, 1.0 / 3), num::Lerp(from, to, 2.0 / 3), to}});
  }
  if (pieces.empty()) {
    const SamplePoint p = scaled(judged.samples[0], scale);
    const num::Point3<double> only{p.x, p.y, p.z};
    pieces.push_back({{only, only, only, only}});
  }
  return pieces;
}

// As close to the true distance as the deviation measure comes: relative to the line's size,
// never finer than rounding allows where coordinates are large.
double accuracyOf(const std::vector<num::BezierPiece<double>>& line) {
  std::vector<double> ends;
  ends.reserve(3 * line.size());
  for (const num::BezierPiece<double>& piece : line) {
    ends.insert(ends.end(), piece.points[0].begin(), piece.points[0].end());
  }
  const double extent = num::BoxDiagonal(ends.data(), line.size());
  const double magnitude = num::LargestFiniteMagnitude(ends.data(), ends.size());
  return num::NearestPointSearch<double>::AccuracyFor(extent, magnitude);
}

}  // namespace

FormulaNearby::FormulaNearby(const SampledCurve& judged, double reach, bool closed)
    : judged_(judged), reach_(reach), closed_(closed) {}

SamplePoint FormulaNearby::pointAt(double u) const {
  constexpr SamplePoint kNowhere{HUGE_VAL, HUGE_VAL, HUGE_VAL};
  u = closed_ ? u - std::floor(u) : std::clamp(u, 0.0, 1.0);
  if (judged_.pointsAt) {
    oneT_.assign(1, judged_.tStart + u * (judged_.tEnd - judged_.tStart));
    onePoint_.clear();
    try {
      judged_.pointsAt(oneT_, onePoint_);
    } catch (const std::exception&) {
      return kNowhere;
    }
    return onePoint_.front();
  }
  // Without formulas: the broken line through the samples and midpoints.
  const std::size_t count = 2 * judged_.samples.size() - 1;
  if (count < 2) return judged_.samples.empty() ? kNowhere : judged_.samples.front();
  const double position = u * static_cast<double>(count - 1);
  const std::size_t i = std::min(static_cast<std::size_t>(position), count - 2);
  const double s = position - static_cast<double>(i);
  const SamplePoint& a = judgedPoint(judged_, i);
  const SamplePoint& b = judgedPoint(judged_, i + 1);
  return {a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s, a.z + (b.z - a.z) * s};
}

double FormulaNearby::distance(const SamplePoint& point, double u, double enough) const {
  const double alongTheLine = alongSamples(point, u);
  if (alongTheLine <= enough) return alongTheLine;
  return std::min(alongTheLine, searched(point, u));
}

double FormulaNearby::searched(const SamplePoint& point, double u) const {
  double low = u - reach_;
  double high = u + reach_;
  if (!closed_) {
    low = std::max(low, 0.0);
    high = std::min(high, 1.0);
  }
  const double target[3] = {point.x, point.y, point.z};
  return std::sqrt(
      num::LocalSquaredDistance(FormulaAsSearchedCurve{*this}, target, low, high, kFormulaSearch));
}

double FormulaNearby::alongSamples(const SamplePoint& point, double u) const {
  const long count = 2 * static_cast<long>(judged_.samples.size()) - 1;
  if (count < 2) return HUGE_VAL;
  const double steps = static_cast<double>(count - 1);
  const long reach = std::min(kLongestBrokenLine, static_cast<long>(std::ceil(reach_ * steps)));
  const long centre = std::lround(u * steps);
  long first = centre - reach;
  long last = centre + reach;
  if (!closed_) {
    first = std::max(first, 0L);
    last = std::min(last, count - 1);
  }
  // A closed curve's last point is its first: indices wrap round count - 1 steps.
  const auto at = [&](long i) -> const SamplePoint& {
    const long wrapped = ((i % (count - 1)) + (count - 1)) % (count - 1);
    return judgedPoint(judged_, static_cast<std::size_t>(wrapped));
  };
  double best = HUGE_VAL;
  const double p[3] = {point.x, point.y, point.z};
  for (long i = first; i < last; ++i) {
    const SamplePoint& a = at(i);
    const SamplePoint& b = at(i + 1);
    const double from[3] = {a.x, a.y, a.z};
    const double to[3] = {b.x, b.y, b.z};
    best = std::min(best, num::DistanceToSegment(p, from, to));
  }
  return best;
}

DistanceToFormula largestDistanceToFormula(const num::CubicSpans<double>& spline,
                                           const SampledCurve& judged, double settled,
                                           long searchSteps) {
  if (judged.samples.empty()) return {};
  const std::size_t count = 2 * judged.samples.size() - 1;
  std::vector<SamplePoint> splinePoints(count);
  for (std::size_t i = 0; i < count; ++i) {
    splinePoints[i] = splinePointAt(spline, judgedU(judged, i));
  }
  const double scale = overflowSafeScale(judged, splinePoints);
  std::vector<double> own(count);
  for (std::size_t i = 0; i < count; ++i) {
    splinePoints[i] = scaled(splinePoints[i], scale);
    // A distance that is not a number has nothing to tell.
    own[i] = distance(splinePoints[i], scaled(judgedPoint(judged, i), scale));
    if (std::isnan(own[i])) own[i] = 0.0;
  }
  settled *= scale;
  const std::vector<num::BezierPiece<double>> line = brokenLine(judged, scale);
  num::NearestPointSearch<double> search(line, accuracyOf(line), kStraightLeafDepth);
  search.LimitSteps(searchSteps);
  DistanceToFormula result;
  std::size_t farthest = count;
  const FormulaNearby nearby(judged, 1.0 / spline.SpanCount(), false);
  // Returns false once the search has run out of steps; `result` then bounds the figure.
  const auto measure = [&](std::size_t i) {
    const double matters = std::max(result.found, settled);
    if (!(own[i] > matters)) return true;
    // The broken line near the point's own parameter settles most points without a search of
    // the whole line.
    const double near = std::min(
        own[i],
        nearby.alongSamples(scaled(splinePoints[i], 1 / scale), judgedU(judged, i)) * scale);
    if (!(near > matters)) return true;
    const double p[3] = {splinePoints[i].x, splinePoints[i].y, splinePoints[i].z};
    const double nearest = search.Distance(p, near, matters);
    if (search.RanOut()) {
      result.atMost = std::max(result.found, nearest);
      return false;
    }
    if (nearest > result.found) farthest = i;
    result.found = std::max(result.found, nearest);
    return true;
  };
  // The points farthest from their own formula points first: once the figure that matters
  // passes a point's own distance, neither it nor any after it can raise it.
  std::vector<std::size_t> byOwnDistance = order(count);
  std::sort(byOwnDistance.begin(), byOwnDistance.end(),
            [&](std::size_t a, std::size_t b) { return own[a] > own[b]; });
  for (std::size_t i : byOwnDistance) {
    if (!(own[i] > std::max(result.found, settled))) break;
    if (!measure(i)) return {result.found / scale, result.atMost / scale};
  }
  // The farthest spline point lies between judged parameters more often than on one: the
  // parameters around the farthest judged one, a fraction of a step apart, find it.
  if (farthest < count) {
    const double step = judgedU(judged, 1);
    const double u = judgedU(judged, farthest);
    const SamplePoint formulaPoint = scaled(judgedPoint(judged, farthest), scale);
    for (int k = -kRefinements; k <= kRefinements; ++k) {
      const SamplePoint q =
          scaled(splinePointAt(spline, std::clamp(u + step * k / kRefinements, 0.0, 1.0)), scale);
      const double p[3] = {q.x, q.y, q.z};
      // The farthest point's own formula point bounds the search from above.
      const double nearest = search.Distance(p, distance(q, formulaPoint), result.found);
      if (search.RanOut()) return {result.found / scale, std::max(result.found, nearest) / scale};
      result.found = std::max(result.found, nearest);
    }
  }
  return {result.found / scale, result.found / scale};
}

}  // namespace vintrel::curve
