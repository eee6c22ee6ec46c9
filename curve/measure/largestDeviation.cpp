#include "curve/measure/largestDeviation.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kDegree = 3;
// Distances come out this close to the truth, relative to the curve's size, but never finer than
// rounding allows where coordinates are large.
constexpr double kRelativeAccuracy = 1e-12;
constexpr double kRoundingAccuracy = 1e-13;
constexpr int kDeepestSplit = 60;

// Curve points are plain coordinate triples, as samples are.
using Point = SamplePoint;

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

  /// The smallest squared distance from p found on the segment by a scan of five parameters and
  /// Newton steps from the best of them: at least the true smallest, and equal to it to rounding
  /// where the steps converge, in about twenty evaluations.
  double squaredDistanceNearby(const SamplePoint& p) const {
    double bestS = 0.0;
    double best = squaredDistance(at(0.0), p);
    for (int i = 1; i <= kScanSteps; ++i) {
      const double s = static_cast<double>(i) / kScanSteps;
      const double d = squaredDistance(at(s), p);
      if (d < best) best = d, bestS = s;
    }
    double s = bestS;
    for (int i = 0; i < kNewtonSteps; ++i) {
      const Point offset = minus(at(s), p);
      const Point first = firstDerivative(s);
      const Point second = secondDerivative(s);
      const double slope = dot(offset, first);
      const double bend = dot(first, first) + dot(offset, second);
      if (!(bend > 0.0)) break;
      const double next = std::clamp(s - slope / bend, 0.0, 1.0);
      if (next == s) break;
      s = next;
      best = std::min(best, squaredDistance(at(s), p));
    }
    return best;
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

  static constexpr int kScanSteps = 4;
  static constexpr int kNewtonSteps = 8;

  static Point minus(const Point& a, const SamplePoint& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
  }
  static double dot(const Point& a, const Point& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

  Point firstDerivative(double s) const {
    const double r = 1.0 - s;
    const double w0 = 3.0 * r * r, w1 = 6.0 * s * r, w2 = 3.0 * s * s;
    const auto& q = points;
    return {w0 * (q[1].x - q[0].x) + w1 * (q[2].x - q[1].x) + w2 * (q[3].x - q[2].x),
            w0 * (q[1].y - q[0].y) + w1 * (q[2].y - q[1].y) + w2 * (q[3].y - q[2].y),
            w0 * (q[1].z - q[0].z) + w1 * (q[2].z - q[1].z) + w2 * (q[3].z - q[2].z)};
  }

  Point secondDerivative(double s) const {
    const double w0 = 6.0 * (1.0 - s), w1 = 6.0 * s;
    const auto& q = points;
    return {w0 * (q[2].x - 2.0 * q[1].x + q[0].x) + w1 * (q[3].x - 2.0 * q[2].x + q[1].x),
            w0 * (q[2].y - 2.0 * q[1].y + q[0].y) + w1 * (q[3].y - 2.0 * q[2].y + q[1].y),
            w0 * (q[2].z - 2.0 * q[1].z + q[0].z) + w1 * (q[3].z - 2.0 * q[2].z + q[1].z)};
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
  BezierPieces(const num::BSplineCurve<double>& curve, double scale)
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

  /// The index of the piece that holds parameter u in [0, 1]; `hint`, a piece at or before it,
  /// saves the search when u is a little larger than the last one asked for.
  std::size_t pieceAt(double u, std::size_t hint = 0) const {
    std::size_t index = std::min(hint, spans_.size() - 1);
    if (!(knots_[spans_[index]] <= u)) index = 0;
    // Points come in the order of u, a piece or so apart: a few steps beat a bisection.
    for (int step = 0; step < 4; ++step) {
      if (index + 1 >= spans_.size() || !(knots_[spans_[index + 1]] <= u)) return index;
      ++index;
    }
    const auto after = std::upper_bound(knots_.begin(), knots_.end(), u);
    const int span = static_cast<int>(after - knots_.begin()) - 1;
    const auto piece = std::upper_bound(spans_.begin(), spans_.end(), span);
    return piece == spans_.begin() ? 0 : (piece - spans_.begin()) - 1;
  }

  /// The curve's point at parameter u, which piece `index` holds.
  Point at(std::size_t index, double u) const {
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

// Boxes around runs of consecutive segments, halved down to one segment each: a run whose box
// lies farther from a point than the nearest curve point found so far holds no nearer one.
class PieceTree {
 public:
  struct Node {
    Point low, high;
    std::size_t first, last;  // segments first ... last - 1
    int children[2];          // -1 for a leaf
  };

  explicit PieceTree(const std::vector<BezierSegment>& segments) {
    if (!segments.empty()) build(segments, 0, segments.size());
  }

  const std::vector<Node>& nodes() const { return nodes_; }

  static double squaredDistanceToBox(const Node& node, const SamplePoint& p) {
    const auto gap = [](double value, double low, double high) {
      return value < low ? low - value : (value > high ? value - high : 0.0);
    };
    const double gx = gap(p.x, node.low.x, node.high.x);
    const double gy = gap(p.y, node.low.y, node.high.y);
    const double gz = gap(p.z, node.low.z, node.high.z);
    return gx * gx + gy * gy + gz * gz;
  }

 private:
  static constexpr std::size_t kLeafSegments = 1;

  int build(const std::vector<BezierSegment>& segments, std::size_t first, std::size_t last) {
    const int index = static_cast<int>(nodes_.size());
    nodes_.push_back({segments[first].points[0], segments[first].points[0], first, last, {-1, -1}});
    if (last - first > kLeafSegments) {
      const std::size_t middle = first + (last - first) / 2;
      const int left = build(segments, first, middle);
      const int right = build(segments, middle, last);
      nodes_[index].children[0] = left;
      nodes_[index].children[1] = right;
      widen(nodes_[index], nodes_[left].low, nodes_[left].high);
      widen(nodes_[index], nodes_[right].low, nodes_[right].high);
    } else {
      for (std::size_t i = first; i < last; ++i) {
        for (const Point& q : segments[i].points) widen(nodes_[index], q, q);
      }
    }
    return index;
  }

  static void widen(Node& node, const Point& low, const Point& high) {
    node.low = {std::min(node.low.x, low.x), std::min(node.low.y, low.y),
                std::min(node.low.z, low.z)};
    node.high = {std::max(node.high.x, high.x), std::max(node.high.y, high.y),
                 std::max(node.high.z, high.z)};
  }

  std::vector<Node> nodes_;
};

// Branch and bound over the pieces: a run of pieces is opened, and a piece (or half, quarter ...
// of one) split further, only while its lower bound leaves room for a point nearer than the
// nearest curve point seen so far.
class NearestDistanceSearch {
 public:
  NearestDistanceSearch(const BezierPieces& pieces, double accuracy)
      : pieces_(pieces), leaves_(quarters(pieces.segments())), tree_(leaves_), accuracy_(accuracy) {
    open_.reserve(16 * kDeepestSplit);
    parts_.reserve(16 * kDeepestSplit);
  }

  /// How close to the true distance the search comes.
  double accuracy() const { return accuracy_; }

  /// The piece of the nearest curve point the last search met, if it met one within the upper
  /// bound it was given (else the one before).
  std::size_t lastPiece() const { return bestPiece_; }

  /// Lets the searches from now on open `steps` runs or parts of pieces between them in all.
  void limitSteps(long steps) { stepsLeft_ = steps; }

  /// Whether a search stopped for want of steps; every search after it then stops at once.
  bool ranOut() const { return ranOut_; }

  /// The distance from p to the curve, or some value not above `enough` once it is clear that
  /// the distance is not above `enough`. When the steps run out (ranOut()), the nearest distance
  /// found so far instead, which may lie above the true one.
  double distance(const SamplePoint& p, double upperBound, double enough) {
    start(upperBound, enough);
    const std::vector<PieceTree::Node>& nodes = tree_.nodes();
    if (nodes.empty()) return std::sqrt(best_);
    // Best first: whichever run or part of a piece might come nearest is opened next, so that a
    // curve point within `enough` turns up early, and the search ends once nothing open can beat
    // the nearest point found.
    const auto later = [](const Open& a, const Open& b) { return a.lowerBound > b.lowerBound; };
    open_.clear();
    parts_.clear();
    const auto push = [&](double lowerBound, int index) {
      if (!(lowerBound < goal_)) return;
      open_.push_back({lowerBound, index});
      std::push_heap(open_.begin(), open_.end(), later);
    };
    const auto pushPart = [&](const Part& part) {
      const double lowerBound = part.segment.squaredDistanceLowerBound(p);
      if (!(lowerBound < goal_)) return;
      parts_.push_back(part);
      push(lowerBound, -static_cast<int>(parts_.size()));
    };
    push(PieceTree::squaredDistanceToBox(nodes[0], p), 0);
    while (!open_.empty() && best_ > enoughSquared_) {
      if (stepsLeft_ <= 0) {
        ranOut_ = true;
        break;
      }
      --stepsLeft_;
      std::pop_heap(open_.begin(), open_.end(), later);
      const Open next = open_.back();
      open_.pop_back();
      if (!(next.lowerBound < goal_)) break;
      if (next.index < 0) {
        const Part part = parts_[static_cast<std::size_t>(-next.index - 1)];
        // A leaf first gets a few Newton steps, which land on its nearest point where it is
        // smooth and so settle most searches that only need a point within `enough`.
        if (part.depth == kLeafDepth) {
          considerSquared(part.segment.squaredDistanceNearby(p), part.piece);
        }
        if (part.depth == kDeepestSplit || !(best_ > enoughSquared_)) continue;
        BezierSegment left, right;
        part.segment.splitInHalf(left, right);
        consider(left.points[3], p, part.piece);
        pushPart({left, part.depth + 1, part.piece});
        pushPart({right, part.depth + 1, part.piece});
        continue;
      }
      const PieceTree::Node& node = nodes[next.index];
      if (node.children[0] < 0) {
        for (std::size_t i = node.first; i < node.last; ++i) {
          const std::size_t piece = i / kLeavesPerPiece;
          consider(leaves_[i].points[0], p, piece);
          consider(leaves_[i].points[3], p, piece);
        }
        for (std::size_t i = node.first; i < node.last; ++i) {
          pushPart({leaves_[i], kLeafDepth, i / kLeavesPerPiece});
        }
        continue;
      }
      for (int child : node.children) push(PieceTree::squaredDistanceToBox(nodes[child], p), child);
    }
    return std::sqrt(best_);
  }

  /// A distance from p to the piece `index` and its two neighbours, at least the true distance
  /// to the curve and often equal to it, found in a fixed number of curve evaluations; `nearest`
  /// becomes the piece of the nearest point found, when one is nearer than `upperBound`.
  double nearbyDistance(const SamplePoint& p, std::size_t index, double upperBound,
                        std::size_t& nearest) const {
    const std::vector<BezierSegment>& segments = pieces_.segments();
    const std::size_t last = std::min(index + 2, segments.size());
    double best = upperBound * upperBound;
    for (std::size_t i = index > 0 ? index - 1 : 0; i < last; ++i) {
      const double d = segments[i].squaredDistanceNearby(p);
      if (d < best) best = d, nearest = i;
    }
    return std::sqrt(best);
  }

 private:
  // The tree's leaves are the pieces' quarters: boxes around a quarter hug a curved piece far
  // closer than boxes around the whole, so that fewer of them seem near a point.
  static constexpr int kLeafDepth = 2;
  static constexpr std::size_t kLeavesPerPiece = std::size_t(1) << kLeafDepth;

  static std::vector<BezierSegment> quarters(const std::vector<BezierSegment>& pieces) {
    std::vector<BezierSegment> leaves;
    leaves.reserve(pieces.size() * kLeavesPerPiece);
    for (const BezierSegment& piece : pieces) {
      BezierSegment halves[2], quarter[2];
      piece.splitInHalf(halves[0], halves[1]);
      for (const BezierSegment& half : halves) {
        half.splitInHalf(quarter[0], quarter[1]);
        leaves.push_back(quarter[0]);
        leaves.push_back(quarter[1]);
      }
    }
    return leaves;
  }

  // A run of pieces (index >= 0, a node of the tree) or a part of a piece (index -1 - k for
  // part k), with the smallest squared distance it might hold.
  struct Open {
    double lowerBound;
    int index;
  };
  // A half, quarter ... of a piece.
  struct Part {
    BezierSegment segment;
    int depth;
    std::size_t piece;
  };

  void start(double upperBound, double enough) {
    best_ = upperBound * upperBound;
    enoughSquared_ = enough * enough;
    updateGoal();
  }

  void consider(const Point& curvePoint, const SamplePoint& p, std::size_t piece) {
    considerSquared(squaredDistance(curvePoint, p), piece);
  }

  void considerSquared(double squared, std::size_t piece) {
    if (squared < best_) {
      best_ = squared;
      bestPiece_ = piece;
      updateGoal();
    }
  }

  // A part of the curve is worth splitting only if it might come nearer by more than accuracy_.
  void updateGoal() {
    const double reach = std::max(std::sqrt(best_) - accuracy_, 0.0);
    goal_ = reach * reach;
  }

  const BezierPieces& pieces_;
  std::vector<BezierSegment> leaves_;
  PieceTree tree_;
  double accuracy_;
  double best_ = 0.0;
  double goal_ = 0.0;
  double enoughSquared_ = 0.0;
  std::vector<Open> open_;
  std::vector<Part> parts_;
  std::size_t bestPiece_ = 0;
  long stepsLeft_ = std::numeric_limits<long>::max();
  bool ranOut_ = false;
};

// Squared distances overflow once coordinates pass about 1e150, and the deviation would read as
// infinite. Such a curve is measured scaled down by a power of two, which changes no digit of
// its coordinates; the factor is 1 for every curve of a sensible size.
double overflowSafeScale(const num::BSplineCurve<double>& curve,
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
      : scale_(scale),
        pieces_(curve, scale),
        search_(pieces_, std::max(kRelativeAccuracy * std::max(pieces_.extent(), 1.0),
                                  kRoundingAccuracy * pieces_.magnitude())) {}

  // The search keeps a reference to the pieces beside it.
  DeviationMeasure(const DeviationMeasure&) = delete;
  DeviationMeasure& operator=(const DeviationMeasure&) = delete;

  /// Makes room for `count` points.
  void reserve(std::size_t count) { candidates_.reserve(count); }

  /// Adds points[k], whose own parameter is (k + offset) * parameterStep.
  void add(const SamplePoints& points, double offset, double parameterStep) {
    std::size_t piece = 0;
    for (std::size_t k = 0; k < points.size(); ++k) {
      piece = addPoint(points[k], (static_cast<double>(k) + offset) * parameterStep, piece);
    }
  }

  /// Adds the probes, probe j's own parameter being probeFraction(j).
  void addProbes(const SamplePoints& probes) {
    for (std::size_t j = 0; j < probes.size(); ++j) addPoint(probes[j], probeFraction(j), 0);
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
      if (search_.nearbyDistance(c.point, c.piece, c.ownDistance, nearest) <= limit) continue;
      if (search_.distance(c.point, 2 * limit, limit) > limit + search_.accuracy()) return true;
    }
    return false;
  }

  /// Lets the searches of the whole curve open `steps` runs or parts of pieces in all.
  void limitSearch(long steps) { search_.limitSteps(steps); }

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
    SamplePoint point;  // scaled
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
    const double settled = search_.ranOut() ? std::max(largest, unsettled_) : largest;
    if (c.ownDistance <= settled) return largest;
    double nearestTracked = c.ownDistance;
    for (std::size_t& piece : nearestPieces_) {
      const double d = search_.nearbyDistance(c.point, piece, c.ownDistance, piece);
      if (d <= settled) return largest;
      nearestTracked = std::min(nearestTracked, d);
    }
    std::size_t ownNearest = c.piece;
    const double nearby = search_.nearbyDistance(c.point, c.piece, c.ownDistance, ownNearest);
    if (nearby <= settled) return largest;
    const double distance = search_.distance(c.point, nearby, largest);
    if (search_.ranOut()) {
      const double bound = std::min(distance, nearestTracked);
      if (bound > largest) unsettled_ = std::max(unsettled_, bound);
      return largest;
    }
    if (distance < nearby) {
      nearestPieces_[nextNearest_] = search_.lastPiece();
      nextNearest_ = (nextNearest_ + 1) % nearestPieces_.size();
    }
    return std::max(largest, distance);
  }

  // A point that is not finite has no distance and is passed over. Returns the point's piece.
  std::size_t addPoint(const SamplePoint& point, double ownParameter, std::size_t hint) {
    const SamplePoint p{point.x * scale_, point.y * scale_, point.z * scale_};
    const std::size_t piece = pieces_.pieceAt(ownParameter, hint);
    const double ownDistance = std::sqrt(squaredDistance(pieces_.at(piece, ownParameter), p));
    if (!std::isnan(ownDistance)) candidates_.push_back({ownDistance, p, piece});
    return piece;
  }

  double scale_;
  BezierPieces pieces_;
  NearestDistanceSearch search_;
  std::vector<Candidate> candidates_;
  // The largest distance of a point the search ran out of steps for, to the nearest curve point
  // found (from above, hence).
  double unsettled_ = 0.0;
  // Where the last few searches of the whole curve found their nearest points, oldest replaced
  // first: a curve that runs past itself several times has as many places to look.
  std::array<std::size_t, kTrackedPieces> nearestPieces_{};
  std::size_t nextNearest_ = 0;
};

double parameterStepOf(const SamplePoints& samples) {
  return samples.size() > 1 ? 1.0 / static_cast<double>(samples.size() - 1) : 0.0;
}

}  // namespace

double largestDeviation(const num::BSplineCurve<double>& curve, const SamplePoints& samples) {
  requireCompleteCubicFit(curve);
  if (samples.empty()) {
    return 0.0;
  }
  DeviationMeasure measure(curve, overflowSafeScale(curve, {&samples}));
  measure.add(samples, 0.0, parameterStepOf(samples));
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
  const double parameterStep = parameterStepOf(sampled.samples);
  measure.reserve(sampled.samples.size() + sampled.midpoints.size() + sampled.probes.size());
  measure.add(sampled.samples, 0.0, parameterStep);
  measure.add(sampled.midpoints, 0.5, parameterStep);
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
