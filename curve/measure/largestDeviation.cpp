#include "curve/measure/largestDeviation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <vector>

#include "numerics/BezierSpans.h"
#include "numerics/NearestPointSearch.h"
#include "numerics/Point3.h"

namespace vintrel::curve {

namespace {

constexpr int kDegree = 3;

using Point = num::Point3<double>;

// Squared distances of a curve too large would overflow, and the deviation read as infinite: such a
// curve is measured scaled down (num::OverflowSafeScale).
double overflowSafeScale(const num::BSplineCurve<double>& curve,
                         std::initializer_list<const SamplePoints*> pointLists) {
  const std::vector<double>& controls = curve.ControlCoordinates();
  double largest = num::LargestFiniteMagnitude(controls.data(), controls.size());
  for (const SamplePoints* points : pointLists) {
    largest = std::max(largest,
                       num::LargestFiniteMagnitude(flatCoordinates(*points), 3 * points->size()));
  }
  return num::OverflowSafeScale(largest);
}

void requireCompleteCubicFit(const num::BSplineCurve<double>& curve) {
  if (curve.Degree() != kDegree || curve.Dimension() != 3 ||
      curve.Basis().KnotVector().size() != std::size_t(curve.ControlPointCount()) + kDegree + 1) {
    throw std::invalid_argument(
        "largestDeviation measures complete cubic fits in 3 dimensions only");
  }
}

// The whole curve at one scale, measured against lists of points whose own curve parameters are
// known. Each point's distance is bounded from above by cheap means first; a point whose bound
// does not exceed the largest distance found so far cannot change it, so most points are settled
// without a search of the whole curve.
class DeviationMeasure {
 public:
  DeviationMeasure(const num::BSplineCurve<double>& curve, double scale)
      : scale_(scale), pieces_(curve, scale), search_(pieces_, accuracyOf(curve, scale)) {}

  // The search keeps a reference to the pieces beside it.
  DeviationMeasure(const DeviationMeasure&) = delete;
  DeviationMeasure& operator=(const DeviationMeasure&) = delete;

  /// Makes room for `count` points.
  void reserve(std::size_t count) { candidates_.reserve(count); }

  /// Adds points[k], whose own parameter is ownParameter(k), in the order of k.
  template <typename OwnParameter>
  void add(const SamplePoints& points, OwnParameter ownParameter) {
    std::size_t piece = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
      piece = addPoint(points[k], ownParameter(k), piece);
    }
  }

  /// Adds the probes, each at its own parameter SampledCurve::probeU.
  void addProbes(const SamplePoints& probes) {
    for (std::size_t j = 0; j < probes.size(); ++j) addPoint(probes[j], SampledCurve::probeU(j), 0);
  }

  /// Whether a point added lies farther than `distance` from the whole curve, beyond the
  /// measure's accuracy. A point whose own curve point, or a point of its own piece or their
  /// neighbours, lies within the distance is settled by it; the others get a search bounded by
  /// the distance, which gives up as soon as it finds a curve point within it.
  bool anyFartherThan(double distance) {
    const double limit = distance * scale_;
    for (const Candidate& c : candidates_) {
      if (!(c.ownDistance > limit)) continue;
      std::size_t nearest = c.piece;
      if (search_.NearbyDistance(c.point.data(), c.piece, c.ownDistance, nearest) <= limit) {
        continue;
      }
      if (search_.Distance(c.point.data(), 2 * limit, limit) > limit + search_.Accuracy()) {
        return true;
      }
    }
    return false;
  }

  /// Lets the searches of the whole curve open `steps` runs or parts of pieces in all.
  void limitSearch(long steps) { search_.LimitSteps(steps); }

  /// The largest distance of the points added: exact unless the search ran out of steps, and
  /// then bounded by the distances of the points left to their nearest curve points found.
  DeviationBounds largest() {
    // The points whose own curve points lie farthest go first, which sets the largest distance
    // near its end early; then every point in the order added.
    std::vector<std::size_t> order(candidates_.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    const std::size_t first = std::min(kFirstMeasured, order.size());
    std::partial_sort(order.begin(), order.begin() + first, order.end(),
                      [&](std::size_t a, std::size_t b) {
                        return candidates_[a].ownDistance > candidates_[b].ownDistance;
                      });
    double largest = 0.0;
    for (std::size_t i = 0; i < first; ++i) largest = measure(candidates_[order[i]], largest);
    for (const Candidate& c : candidates_) largest = measure(c, largest);
    return {largest / scale_, std::max(largest, unsettled_) / scale_};
  }

 private:
  // Enough of the farthest own points to find a largest distance that most points stay within.
  static constexpr std::size_t kFirstMeasured = 64;
  static constexpr std::size_t kTrackedPieces = 8;

  struct Candidate {
    double ownDistance;
    Point point;  // scaled
    std::size_t piece;
  };

  // The larger of `largest` and the candidate's distance. The candidate's own curve point, a look
  // at the pieces where the points before it found their nearest curve points and at those
  // pieces' neighbours (the points lie in the order of t, so the nearest parts of the curve move
  // on slowly, even where they are not the point's own, on a curve that runs past itself), and a
  // look at the point's own piece and its neighbours bound its distance from above; only a point
  // that none of them settles is searched for over the whole curve.
  double measure(const Candidate& c, double largest) {
    // Once the search has run out, a point within the bound of those left unsettled cannot
    // change either figure.
    const double settled = search_.RanOut() ? std::max(largest, unsettled_) : largest;
    if (c.ownDistance <= settled) return largest;
    double nearestTracked = c.ownDistance;
    for (std::size_t& piece : nearestPieces_) {
      const double d = search_.NearbyDistance(c.point.data(), piece, c.ownDistance, piece);
      if (d <= settled) return largest;
      nearestTracked = std::min(nearestTracked, d);
    }
    std::size_t ownNearest = c.piece;
    const double nearby =
        search_.NearbyDistance(c.point.data(), c.piece, c.ownDistance, ownNearest);
    if (nearby <= settled) return largest;
    const double distance = search_.Distance(c.point.data(), nearby, largest);
    if (search_.RanOut()) {
      const double bound = std::min(distance, nearestTracked);
      if (bound > largest) unsettled_ = std::max(unsettled_, bound);
      return largest;
    }
    if (distance < nearby) {
      nearestPieces_[nextNearest_] = search_.LastPiece();
      nextNearest_ = (nextNearest_ + 1) % nearestPieces_.size();
    }
    return std::max(largest, distance);
  }

  // A point that is not finite has no distance and is passed over. Returns the point's piece.
  std::size_t addPoint(const SamplePoint& point, double ownParameter, std::size_t hint) {
    const Point p{point.x * scale_, point.y * scale_, point.z * scale_};
    const std::size_t piece = pieces_.PieceAt(ownParameter, hint);
    const Point own = pieces_.PointAt(piece, ownParameter);
    const double ownDistance = std::sqrt(num::SquaredDistance(own.data(), p.data()));
    if (!std::isnan(ownDistance)) candidates_.push_back({ownDistance, p, piece});
    return piece;
  }

  // The measure comes this close to the true distances of the curve scaled by `scale`.
  static double accuracyOf(const num::BSplineCurve<double>& curve, double scale) {
    const std::vector<double>& controls = curve.ControlCoordinates();
    const double extent = num::BoxDiagonal(controls.data(), controls.size() / 3) * scale;
    const double magnitude = num::LargestFiniteMagnitude(controls.data(), controls.size()) * scale;
    return num::NearestPointSearch<double>::AccuracyFor(extent, magnitude);
  }

  double scale_;
  num::BezierSpans<double> pieces_;
  num::NearestPointSearch<double> search_;
  std::vector<Candidate> candidates_;
  // The largest distance of a point the search ran out of steps for, to the nearest curve point
  // found (from above, hence).
  double unsettled_ = 0.0;
  // Where the last few searches of the whole curve found their nearest points, oldest replaced
  // first: a curve that runs past itself several times has as many places to look.
  std::array<std::size_t, kTrackedPieces> nearestPieces_{};
  std::size_t nextNearest_ = 0;
};

}  // namespace

double largestDeviation(const num::BSplineCurve<double>& curve, const SamplePoints& samples) {
  requireCompleteCubicFit(curve);
  if (samples.empty()) {
    return 0.0;
  }
  DeviationMeasure measure(curve, overflowSafeScale(curve, {&samples}));
  measure.add(samples, [&](std::size_t k) {
    return SampledCurve::uOf(static_cast<double>(k), samples.size());
  });
  return measure.largest().atMost;
}

bool anyProbeFartherThan(const num::BSplineCurve<double>& curve, const SampledCurve& sampled,
                         double distance) {
  requireCompleteCubicFit(curve);
  if (sampled.probes.empty()) {
    return false;
  }
  DeviationMeasure measure(curve, overflowSafeScale(curve, {&sampled.probes}));
  measure.addProbes(sampled.probes);
  return measure.anyFartherThan(distance);
}

namespace {

// Every sample, midpoint and probe of `sampled`, each with its own curve parameter.
void addAllPoints(DeviationMeasure& measure, const SampledCurve& sampled) {
  measure.reserve(sampled.samples.size() + sampled.midpoints.size() + sampled.probes.size());
  measure.add(sampled.samples, [&](std::size_t k) { return sampled.sampleU(k); });
  measure.add(sampled.midpoints, [&](std::size_t k) { return sampled.midpointU(k); });
  measure.addProbes(sampled.probes);
}

double scaleOfAllPoints(const num::BSplineCurve<double>& curve, const SampledCurve& sampled) {
  return overflowSafeScale(curve, {&sampled.samples, &sampled.midpoints, &sampled.probes});
}

}  // namespace

DeviationBounds boundLargestDeviation(const num::BSplineCurve<double>& curve,
                                      const SampledCurve& sampled, long searchSteps) {
  requireCompleteCubicFit(curve);
  if (sampled.samples.empty()) {
    return {};
  }
  DeviationMeasure measure(curve, scaleOfAllPoints(curve, sampled));
  addAllPoints(measure, sampled);
  measure.limitSearch(searchSteps);
  return measure.largest();
}

bool anyPointFartherThan(const num::BSplineCurve<double>& curve, const SampledCurve& sampled,
                         double distance) {
  requireCompleteCubicFit(curve);
  if (sampled.samples.empty()) {
    return false;
  }
  DeviationMeasure measure(curve, scaleOfAllPoints(curve, sampled));
  addAllPoints(measure, sampled);
  return measure.anyFartherThan(distance);
}

double largestDeviation(const num::BSplineCurve<double>& curve, const SampledCurve& sampled) {
  return boundLargestDeviation(curve, sampled, std::numeric_limits<long>::max()).atMost;
}

}  // namespace vintrel::curve
