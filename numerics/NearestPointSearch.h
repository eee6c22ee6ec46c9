// The nearest point of a whole clamped cubic fit to any point, by branch and bound over boxes
// around its Bézier pieces: exact to a stated accuracy wherever the nearest point lies, at a cost
// that grows with how many parts of the curve lie near the point. The deviation measure and the
// status's measure of the spline's distance from the formula search with it;
// LocalSquaredDistance looks near a parameter instead.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

#include "numerics/BezierSpans.h"
#include "numerics/LocalSquaredDistance.h"
#include "numerics/Point3.h"

namespace num {

/// The nearest point of a whole clamped cubic fit to any point, by branch and bound: boxes around
/// runs of pieces (down to a quarter of a piece) are opened, and parts of a piece halved, only
/// while their lower bound leaves room for a curve point nearer than the nearest found, by more
/// than the accuracy. Holds a reference to the pieces, which must outlive it.
template <typename Real>
class NearestPointSearch {
 public:
  /// A search of `spans` to within `accuracy` of the true distance.
  NearestPointSearch(const BezierSpans<Real>& spans, Real accuracy)
      : NearestPointSearch(spans.Pieces(), accuracy, kCurvedLeafDepth) {}

  /// A search of `pieces` (a curve in pieces, such as a broken line whose pieces are straight),
  /// each halved `leafDepth` times for the boxes at the bottom of the tree: tighter boxes round
  /// curved pieces, a piece itself for straight ones.
  NearestPointSearch(const std::vector<BezierPiece<Real>>& pieces, Real accuracy, int leafDepth);

  NearestPointSearch(const NearestPointSearch&) = delete;
  NearestPointSearch& operator=(const NearestPointSearch&) = delete;

  /// How close to the true distance the search comes.
  Real Accuracy() const { return accuracy_; }

  /// The accuracy to search a curve with whose control points span a box of diagonal `extent`
  /// and reach the coordinate magnitude `magnitude`: kRelativeAccuracy of its size (at least of
  /// 1), never finer than kRoundingAccuracy of its coordinates allows.
  static Real AccuracyFor(Real extent, Real magnitude) {
    return std::max(kRelativeAccuracy * std::max(extent, Real(1)), kRoundingAccuracy * magnitude);
  }

  /// The distance from p to the curve, or some value not above `enough` once it is clear that
  /// the distance is not above `enough`; nothing farther than `upperBound` is looked for. When
  /// the steps run out (RanOut()), the nearest distance found so far instead, which may lie above
  /// the true one.
  Real Distance(const Real* p, Real upperBound, Real enough);

  /// A distance from p to piece `index` and its two neighbours, at least the true distance to
  /// the curve and often equal to it, in a fixed number of curve evaluations; `nearest` becomes
  /// the piece of the nearest point found when one is nearer than `upperBound`.
  Real NearbyDistance(const Real* p, std::size_t index, Real upperBound,
                      std::size_t& nearest) const;

  /// The piece of the nearest curve point the last Distance met, if it met one within the upper
  /// bound it was given (else the one before).
  std::size_t LastPiece() const { return bestPiece_; }

  /// Lets every Distance from now on open `steps` runs or parts of pieces between them in all.
  void LimitSteps(long steps) { stepsLeft_ = steps; }

  /// Whether a Distance stopped for want of steps; every one after it then stops at once.
  bool RanOut() const { return ranOut_; }

 private:
  struct Node {
    Point3<Real> low, high;
    std::size_t first, last;  // leaves first ... last - 1
    int children[2];          // -1 for a leaf
  };
  // A run of leaves (index >= 0, a node) or a part of a piece (index -1 - k for part k), with
  // the smallest squared distance it might hold.
  struct Open {
    Real lowerBound;
    int index;
  };
  // A half, quarter ... of a piece.
  struct Part {
    BezierPiece<Real> piece;
    int depth;
    std::size_t index;
  };

  // The tree's leaves for a curved spline are the pieces' quarters: boxes around a quarter hug a
  // curved piece far closer than boxes around the whole, so that fewer of them seem near a point.
  static constexpr int kCurvedLeafDepth = 2;
  static constexpr int kDeepestSplit = 60;
  static constexpr Real kRelativeAccuracy = Real(1e-12);
  static constexpr Real kRoundingAccuracy = Real(1e-13);

  static std::vector<BezierPiece<Real>> Leaves(const std::vector<BezierPiece<Real>>& pieces,
                                               int depth);
  int Build(std::size_t first, std::size_t last);
  static void Widen(Node& node, const Point3<Real>& low, const Point3<Real>& high);
  static Real SquaredDistanceToBox(const Node& node, const Real* p);
  void Start(Real upperBound, Real enough);
  void Consider(const Point3<Real>& curvePoint, const Real* p, std::size_t piece);
  void ConsiderSquared(Real squared, std::size_t piece);
  void UpdateGoal();

  const std::vector<BezierPiece<Real>>& pieces_;
  int leafDepth_;
  std::size_t leavesPerPiece_;
  std::vector<BezierPiece<Real>> halves_;         // the pieces halved, when they are to be
  const std::vector<BezierPiece<Real>>& leaves_;  // the halves, or the pieces themselves
  std::vector<Node> nodes_;
  Real accuracy_;
  Real best_ = 0;
  Real goal_ = 0;
  Real enoughSquared_ = 0;
  std::vector<Open> open_;
  std::vector<Part> parts_;
  std::size_t bestPiece_ = 0;
  long stepsLeft_ = std::numeric_limits<long>::max();
  bool ranOut_ = false;
};

/// The steps a Bézier piece's own nearby search takes over its whole parameter range.
constexpr LocalSearchSteps kPieceSearchSteps{4, 0, 8};

// ---------------------------------------------------------------------------------------------

template <typename Real>
NearestPointSearch<Real>::NearestPointSearch(const std::vector<BezierPiece<Real>>& pieces,
                                             Real accuracy, int leafDepth)
    : pieces_(pieces),
      leafDepth_(leafDepth),
      leavesPerPiece_(std::size_t(1) << leafDepth),
      halves_(leafDepth > 0 ? Leaves(pieces, leafDepth) : std::vector<BezierPiece<Real>>()),
      leaves_(leafDepth > 0 ? halves_ : pieces),
      accuracy_(accuracy) {
  if (!leaves_.empty()) Build(0, leaves_.size());
  open_.reserve(16 * kDeepestSplit);
  parts_.reserve(16 * kDeepestSplit);
}

// Each piece halved `depth` times, in the order of the curve.
template <typename Real>
std::vector<BezierPiece<Real>> NearestPointSearch<Real>::Leaves(
    const std::vector<BezierPiece<Real>>& pieces, int depth) {
  std::vector<BezierPiece<Real>> leaves = pieces;
  for (int level = 0; level < depth; ++level) {
    std::vector<BezierPiece<Real>> halves(2 * leaves.size());
    for (std::size_t i = 0; i < leaves.size(); ++i) {
      leaves[i].SplitInHalf(halves[2 * i], halves[2 * i + 1]);
    }
    leaves = std::move(halves);
  }
  return leaves;
}

// Boxes around runs of consecutive leaves, halved down to one leaf each: a run whose box lies
// farther from a point than the nearest curve point found so far holds no nearer one.
template <typename Real>
int NearestPointSearch<Real>::Build(std::size_t first, std::size_t last) {
  const int index = static_cast<int>(nodes_.size());
  nodes_.push_back({leaves_[first].points[0], leaves_[first].points[0], first, last, {-1, -1}});
  if (last - first > 1) {
    const std::size_t middle = first + (last - first) / 2;
    const int left = Build(first, middle);
    const int right = Build(middle, last);
    nodes_[index].children[0] = left;
    nodes_[index].children[1] = right;
    Widen(nodes_[index], nodes_[left].low, nodes_[left].high);
    Widen(nodes_[index], nodes_[right].low, nodes_[right].high);
  } else {
    for (const Point3<Real>& q : leaves_[first].points) Widen(nodes_[index], q, q);
  }
  return index;
}

template <typename Real>
void NearestPointSearch<Real>::Widen(Node& node, const Point3<Real>& low,
                                     const Point3<Real>& high) {
  for (int x = 0; x < 3; ++x) {
    node.low[x] = std::min(node.low[x], low[x]);
    node.high[x] = std::max(node.high[x], high[x]);
  }
}

template <typename Real>
Real NearestPointSearch<Real>::SquaredDistanceToBox(const Node& node, const Real* p) {
  Real sum = 0;
  for (int x = 0; x < 3; ++x) {
    const Real gap = bezier_detail::GapOutside(p[x], node.low[x], node.high[x]);
    sum += gap * gap;
  }
  return sum;
}

// Best first: whichever run or part of a piece might come nearest is opened next, so that a
// curve point within `enough` turns up early, and the search ends once nothing open can beat the
// nearest point found.
template <typename Real>
Real NearestPointSearch<Real>::Distance(const Real* p, Real upperBound, Real enough) {
  Start(upperBound, enough);
  if (nodes_.empty()) return std::sqrt(best_);
  const auto later = [](const Open& a, const Open& b) { return a.lowerBound > b.lowerBound; };
  open_.clear();
  parts_.clear();
  const auto push = [&](Real lowerBound, int index) {
    if (!(lowerBound < goal_)) return;
    open_.push_back({lowerBound, index});
    std::push_heap(open_.begin(), open_.end(), later);
  };
  const auto pushPart = [&](const Part& part) {
    const Real lowerBound = part.piece.SquaredDistanceLowerBound(p);
    if (!(lowerBound < goal_)) return;
    parts_.push_back(part);
    push(lowerBound, -static_cast<int>(parts_.size()));
  };
  push(SquaredDistanceToBox(nodes_[0], p), 0);
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
      // A leaf first gets a few Newton steps, which land on its nearest point where it is smooth
      // and so settle most searches that only need a point within `enough`.
      if (part.depth == leafDepth_) {
        ConsiderSquared(LocalSquaredDistance(part.piece, p, Real(0), Real(1), kPieceSearchSteps),
                        part.index);
      }
      if (part.depth == kDeepestSplit || !(best_ > enoughSquared_)) continue;
      BezierPiece<Real> left, right;
      part.piece.SplitInHalf(left, right);
      Consider(left.points[3], p, part.index);
      pushPart({left, part.depth + 1, part.index});
      pushPart({right, part.depth + 1, part.index});
      continue;
    }
    const Node& node = nodes_[next.index];
    if (node.children[0] < 0) {
      for (std::size_t i = node.first; i < node.last; ++i) {
        const std::size_t piece = i / leavesPerPiece_;
        Consider(leaves_[i].points[0], p, piece);
        Consider(leaves_[i].points[3], p, piece);
      }
      for (std::size_t i = node.first; i < node.last; ++i) {
        pushPart({leaves_[i], leafDepth_, i / leavesPerPiece_});
      }
      continue;
    }
    for (int child : node.children) push(SquaredDistanceToBox(nodes_[child], p), child);
  }
  return std::sqrt(best_);
}

template <typename Real>
Real NearestPointSearch<Real>::NearbyDistance(const Real* p, std::size_t index, Real upperBound,
                                              std::size_t& nearest) const {
  const std::vector<BezierPiece<Real>>& pieces = pieces_;
  const std::size_t last = std::min(index + 2, pieces.size());
  Real best = upperBound * upperBound;
  for (std::size_t i = index > 0 ? index - 1 : 0; i < last; ++i) {
    const Real d = LocalSquaredDistance(pieces[i], p, Real(0), Real(1), kPieceSearchSteps);
    if (d < best) best = d, nearest = i;
  }
  return std::sqrt(best);
}

template <typename Real>
void NearestPointSearch<Real>::Start(Real upperBound, Real enough) {
  best_ = upperBound * upperBound;
  enoughSquared_ = enough * enough;
  UpdateGoal();
}

template <typename Real>
void NearestPointSearch<Real>::Consider(const Point3<Real>& curvePoint, const Real* p,
                                        std::size_t piece) {
  ConsiderSquared(SquaredDistance(curvePoint.data(), p), piece);
}

template <typename Real>
void NearestPointSearch<Real>::ConsiderSquared(Real squared, std::size_t piece) {
  if (squared < best_) {
    best_ = squared;
    bestPiece_ = piece;
    UpdateGoal();
  }
}

// A part of the curve is worth splitting only if it might come nearer by more than the accuracy.
template <typename Real>
void NearestPointSearch<Real>::UpdateGoal() {
  const Real reach = std::max(std::sqrt(best_) - accuracy_, Real(0));
  goal_ = reach * reach;
}

}  // namespace num
