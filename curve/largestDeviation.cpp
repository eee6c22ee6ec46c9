#include "curve/largestDeviation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kDegree = 3;
// Distances come out this close to the truth, relative to the curve's size, but never finer than
// rounding allows where coordinates are large.
constexpr double kRelativeAccuracy = 1e-12;
constexpr double kRoundingAccuracy = 1e-13;
constexpr int kDeepestSplit = 60;

struct Point {
  double x, y, z;
};

Point lerp(const Point& a, const Point& b, double s) {
  return {a.x + (b.x - a.x) * s, a.y + (b.y - a.y) * s, a.z + (b.z - a.z) * s};
}

double squaredDistance(const Point& a, const SamplePoint& b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  const double dz = a.z - b.z;
  return dx * dx + dy * dy + dz * dz;
}

// One polynomial piece of the spline in Bezier form: the curve runs through points[0] and
// points[3] and stays inside the convex hull, hence inside the box, of the four points.
class BezierSegment {
 public:
  std::array<Point, 4> points;

  Point at(double s) const {
    const Point a = lerp(points[0], points[1], s);
    const Point b = lerp(points[1], points[2], s);
    const Point c = lerp(points[2], points[3], s);
    return lerp(lerp(a, b, s), lerp(b, c, s), s);
  }

  void splitInHalf(BezierSegment& left, BezierSegment& right) const {
    const Point a = lerp(points[0], points[1], 0.5);
    const Point b = lerp(points[1], points[2], 0.5);
    const Point c = lerp(points[2], points[3], 0.5);
    const Point ab = lerp(a, b, 0.5);
    const Point bc = lerp(b, c, 0.5);
    const Point middle = lerp(ab, bc, 0.5);
    left.points = {points[0], a, ab, middle};
    right.points = {middle, bc, c, points[3]};
  }

  // No point of the segment is nearer to p than this (squared). The box bound is tight for
  // points near the segment; far away the chord bound is, since the segment stays within its
  // control points' largest distance from the chord, which shrinks with the square of its size.
  double squaredDistanceLowerBound(const SamplePoint& p) const {
    const double box = squaredDistanceToBox(p);
    const Point& a = points[0];
    const Point& b = points[3];
    const double bulge =
        std::max(distanceToChord(points[1], a, b), distanceToChord(points[2], a, b));
    const double chord = std::max(distanceToChord({p.x, p.y, p.z}, a, b) - bulge, 0.0);
    return std::max(box, chord * chord);
  }

 private:
  double squaredDistanceToBox(const SamplePoint& p) const {
    const auto axisGap = [](double value, double a, double b, double c, double d) {
      const double low = std::min(std::min(a, b), std::min(c, d));
      const double high = std::max(std::max(a, b), std::max(c, d));
      return value < low ? low - value : (value > high ? value - high : 0.0);
    };
    const auto& q = points;
    const double gx = axisGap(p.x, q[0].x, q[1].x, q[2].x, q[3].x);
    const double gy = axisGap(p.y, q[0].y, q[1].y, q[2].y, q[3].y);
    const double gz = axisGap(p.z, q[0].z, q[1].z, q[2].z, q[3].z);
    return gx * gx + gy * gy + gz * gz;
  }

  static double distanceToChord(const Point& p, const Point& a, const Point& b) {
    const Point ab{b.x - a.x, b.y - a.y, b.z - a.z};
    const Point ap{p.x - a.x, p.y - a.y, p.z - a.z};
    const double length = ab.x * ab.x + ab.y * ab.y + ab.z * ab.z;
    const double along =
        length > 0.0 ? std::clamp((ap.x * ab.x + ap.y * ab.y + ap.z * ab.z) / length, 0.0, 1.0)
                     : 0.0;
    return std::hypot(ap.x - along * ab.x, ap.y - along * ab.y, ap.z - along * ab.z);
  }
};

// The cubic pieces of the spline between its distinct knots, with each piece's knot interval.
class BezierPieces {
 public:
  /// The pieces of `curve` with every coordinate multiplied by `scale`, a power of two.
  BezierPieces(const num::BSplineCurveFit<double>& curve, double scale)
      : knots_(curve.Basis().KnotVector()) {
    const std::vector<double>& coordinates = curve.ControlCoordinates();
    const int controlCount = curve.ControlPointCount();
    controls_.resize(controlCount);
    for (int i = 0; i < controlCount; ++i) {
      controls_[i] = {coordinates[3 * i] * scale, coordinates[3 * i + 1] * scale,
                      coordinates[3 * i + 2] * scale};
    }
    for (int span = kDegree; span < controlCount; ++span) {
      const double a = knots_[span];
      const double b = knots_[span + 1];
      if (a < b) {
        spans_.push_back(span);
        segments_.push_back({{blossom(span, a, a, a), blossom(span, a, a, b),
                              blossom(span, a, b, b), blossom(span, b, b, b)}});
      }
    }
  }

  const std::vector<BezierSegment>& segments() const { return segments_; }

  /// The curve's point at parameter u in [0, 1].
  Point at(double u) const {
    const auto after = std::upper_bound(knots_.begin(), knots_.end(), u);
    const int span = static_cast<int>(after - knots_.begin()) - 1;
    const auto piece = std::upper_bound(spans_.begin(), spans_.end(), span);
    const std::size_t index = piece == spans_.begin() ? 0 : (piece - spans_.begin()) - 1;
    const double a = knots_[spans_[index]];
    const double b = knots_[spans_[index] + 1];
    return segments_[index].at(std::clamp((u - a) / (b - a), 0.0, 1.0));
  }

  /// The largest absolute value of any control point coordinate.
  double magnitude() const {
    double largest = 0.0;
    for (const Point& c : controls_) {
      largest = std::max({largest, std::abs(c.x), std::abs(c.y), std::abs(c.z)});
    }
    return largest;
  }

  /// The size of the box around every control point.
  double extent() const {
    Point low = controls_.front();
    Point high = controls_.front();
    for (const Point& c : controls_) {
      low = {std::min(low.x, c.x), std::min(low.y, c.y), std::min(low.z, c.z)};
      high = {std::max(high.x, c.x), std::max(high.y, c.y), std::max(high.z, c.z)};
    }
    return std::hypot(high.x - low.x, high.y - low.y, high.z - low.z);
  }

 private:
  // The polar form of the piece on knot interval `span` (de Boor's scheme with one argument per
  // level); its values at (a, a, a), (a, a, b), (a, b, b), (b, b, b) are the Bezier points.
  Point blossom(int span, double u1, double u2, double u3) const {
    std::array<Point, kDegree + 1> d;
    for (int j = 0; j <= kDegree; ++j) {
      d[j] = controls_[span - kDegree + j];
    }
    const double arguments[kDegree] = {u1, u2, u3};
    for (int level = 1; level <= kDegree; ++level) {
      for (int j = kDegree; j >= level; --j) {
        const int knot = span - kDegree + j;
        const double alpha = (arguments[level - 1] - knots_[knot]) /
                             (knots_[knot + kDegree + 1 - level] - knots_[knot]);
        d[j] = lerp(d[j - 1], d[j], alpha);
      }
    }
    return d[kDegree];
  }

  const std::vector<double>& knots_;
  std::vector<Point> controls_;
  std::vector<int> spans_;
  std::vector<BezierSegment> segments_;
};

// Branch and bound over the pieces: a piece (or half, quarter ... of one) is split further only
// while its lower bound leaves room for a point nearer than the nearest curve point seen so far.
class NearestDistanceSearch {
 public:
  NearestDistanceSearch(const BezierPieces& pieces, double accuracy)
      : pieces_(pieces), accuracy_(accuracy) {
    stack_.reserve(4 * kDeepestSplit);
  }

  /// The distance from p to the curve, or some value not above `enough` once it is clear that
  /// the distance is not above `enough`.
  double distance(const SamplePoint& p, double upperBound, double enough) {
    best_ = upperBound * upperBound;
    enoughSquared_ = enough * enough;
    updateGoal();
    for (const BezierSegment& segment : pieces_.segments()) {
      consider(segment.points[0], p);
      consider(segment.points[3], p);
    }
    for (const BezierSegment& segment : pieces_.segments()) {
      if (best_ <= enoughSquared_) {
        break;
      }
      refine(segment, p);
    }
    return std::sqrt(best_);
  }

 private:
  struct Pending {
    BezierSegment segment;
    int depth;
  };

  void consider(const Point& curvePoint, const SamplePoint& p) {
    const double d = squaredDistance(curvePoint, p);
    if (d < best_) {
      best_ = d;
      updateGoal();
    }
  }

  // A part of the curve is worth splitting only if it might come nearer by more than accuracy_.
  void updateGoal() {
    const double reach = std::max(std::sqrt(best_) - accuracy_, 0.0);
    goal_ = reach * reach;
  }

  void refine(const BezierSegment& piece, const SamplePoint& p) {
    stack_.clear();
    stack_.push_back({piece, 0});
    while (!stack_.empty() && best_ > enoughSquared_) {
      const Pending pending = stack_.back();
      stack_.pop_back();
      if (!(pending.segment.squaredDistanceLowerBound(p) < goal_) ||
          pending.depth == kDeepestSplit) {
        continue;
      }
      BezierSegment left, right;
      pending.segment.splitInHalf(left, right);
      consider(left.points[3], p);
      // The nearer half goes on top, so it is searched first and tightens the bound soonest.
      const bool leftNearer =
          left.squaredDistanceLowerBound(p) < right.squaredDistanceLowerBound(p);
      stack_.push_back({leftNearer ? right : left, pending.depth + 1});
      stack_.push_back({leftNearer ? left : right, pending.depth + 1});
    }
  }

  const BezierPieces& pieces_;
  double accuracy_;
  double best_ = 0.0;
  double goal_ = 0.0;
  double enoughSquared_ = 0.0;
  std::vector<Pending> stack_;
};

// Squared distances overflow once coordinates pass about 1e150, and the deviation would read as
// infinite. Such a curve is measured scaled down by a power of two, which changes no digit of
// its coordinates; the factor is 1 for every curve of a sensible size.
double overflowSafeScale(const num::BSplineCurveFit<double>& curve,
                         std::initializer_list<const SamplePoints*> pointLists) {
  constexpr double kLargestSafe = 1e150;
  double largest = 0.0;
  for (double c : curve.ControlCoordinates()) {
    if (std::isfinite(c)) largest = std::max(largest, std::abs(c));
  }
  for (const SamplePoints* points : pointLists) {
    for (const SamplePoint& p : *points) {
      for (double c : {p.x, p.y, p.z}) {
        if (std::isfinite(c)) largest = std::max(largest, std::abs(c));
      }
    }
  }
  if (largest <= kLargestSafe) return 1.0;
  int exponent = 0;
  std::frexp(largest, &exponent);
  return std::ldexp(1.0, -exponent);
}

void requireCompleteCubicFit(const num::BSplineCurveFit<double>& curve) {
  if (curve.Degree() != kDegree || curve.Dimension() != 3 ||
      curve.Basis().KnotVector().size() != std::size_t(curve.ControlPointCount()) + kDegree + 1) {
    throw std::invalid_argument(
        "largestDeviation measures complete cubic fits in 3 dimensions only");
  }
}

// The whole curve at one scale, measured against lists of points whose own curve parameters are
// known; the largest distance so far lets most points go without a search.
class DeviationMeasure {
 public:
  DeviationMeasure(const num::BSplineCurveFit<double>& curve, double scale)
      : scale_(scale),
        pieces_(curve, scale),
        search_(pieces_, std::max(kRelativeAccuracy * std::max(pieces_.extent(), 1.0),
                                  kRoundingAccuracy * pieces_.magnitude())) {}

  /// Measures points[k], whose own parameter is (k + offset) * parameterStep.
  void measure(const SamplePoints& points, double offset, double parameterStep) {
    for (std::size_t k = 0; k < points.size(); ++k) {
      measurePoint(points[k], (static_cast<double>(k) + offset) * parameterStep);
    }
  }

  /// Measures the probes, probe j's own parameter being probeFraction(j).
  void measureProbes(const SamplePoints& probes) {
    for (std::size_t j = 0; j < probes.size(); ++j) measurePoint(probes[j], probeFraction(j));
  }

  double largest() const { return largest_ / scale_; }

 private:
  void measurePoint(const SamplePoint& point, double ownParameter) {
    const SamplePoint p{point.x * scale_, point.y * scale_, point.z * scale_};
    // The point's own curve point bounds its distance; a point that cannot beat the largest
    // distance so far needs no search.
    const double ownDistance = std::sqrt(squaredDistance(pieces_.at(ownParameter), p));
    if (ownDistance <= largest_) {
      return;
    }
    largest_ = std::max(largest_, search_.distance(p, ownDistance, largest_));
  }

  double scale_;
  BezierPieces pieces_;
  NearestDistanceSearch search_;
  double largest_ = 0.0;
};

double parameterStepOf(const SamplePoints& samples) {
  return samples.size() > 1 ? 1.0 / static_cast<double>(samples.size() - 1) : 0.0;
}

}  // namespace

double largestDeviation(const num::BSplineCurveFit<double>& curve, const SamplePoints& samples) {
  requireCompleteCubicFit(curve);
  if (samples.empty()) {
    return 0.0;
  }
  DeviationMeasure measure(curve, overflowSafeScale(curve, {&samples}));
  measure.measure(samples, 0.0, parameterStepOf(samples));
  return measure.largest();
}

double largestDeviation(const num::BSplineCurveFit<double>& curve, const SampledCurve& sampled) {
  requireCompleteCubicFit(curve);
  if (sampled.samples.empty()) {
    return 0.0;
  }
  DeviationMeasure measure(
      curve, overflowSafeScale(curve, {&sampled.samples, &sampled.midpoints, &sampled.probes}));
  const double parameterStep = parameterStepOf(sampled.samples);
  measure.measure(sampled.samples, 0.0, parameterStep);
  measure.measure(sampled.midpoints, 0.5, parameterStep);
  measure.measureProbes(sampled.probes);
  return measure.largest();
}
