#include "curve/fit/ClosestPointFinder.h"

#include <algorithm>
#include <limits>

namespace vintrel::curve {

namespace {
constexpr double kLargest = std::numeric_limits<double>::max();
}

ClosestPointFinder::ClosestPointFinder(num::BSplineCurve<double>& curve)
    : curve_(curve),
      // Capturing only `this` keeps the callable inside std::function's own storage, so neither
      // building the finder nor searching allocates.
      minimizer_([this](double u) { return squaredDistanceAt(u); }, kLevelBudget,
                 kBracketIterations) {
  fillPositionTable();
}

void ClosestPointFinder::fillPositionTable() {
  positionTable_[0] = positionTable_[1] = positionTable_[2] = kLargest;
  for (int i = 1; i < kTableSize; ++i) {
    curve_.EvaluatePoint(static_cast<double>(i) * kParameterStep, &positionTable_[3 * i]);
  }
}

ClosestPoint ClosestPointFinder::findClosestPoint(const SamplePoint& target) {
  target_ = target;
  // Every eighth entry first, then every entry around the best of them.
  const int coarse = nearestEntry(1, kTableSize - 1, kSearchStride);
  const int c = nearestEntry(std::max(coarse - kSearchStride, 1),
                             std::min(coarse + kSearchStride, kTableSize - 1), 1);

  double tLow = std::max(static_cast<double>(c - 1) * kParameterStep, 0.0);
  double tMid = static_cast<double>(c) * kParameterStep;
  double tHigh = std::min(static_cast<double>(c + 1) * kParameterStep, 1.0);
  const double fLow = squaredDistanceAt(tLow);
  const double fMid = squaredDistanceAt(tMid);
  const double fHigh = squaredDistanceAt(tHigh);
  // Give the minimiser a bracket whose middle is below at least the end it was above.
  if (fMid > fLow) {
    tHigh = tMid;
    tMid = (tMid + tLow) * 0.5;
  } else if (fMid > fHigh) {
    tLow = tMid;
    tMid = (tMid + tHigh) * 0.5;
  }

  ClosestPoint result{};
  minimizer_.GetMinimum(tLow, tHigh, tMid, result.parameter, result.squaredDistance);
  curve_.EvaluatePoint(result.parameter, result.point.data());
  return result;
}

// The entry nearest the target among first, first + stride, ... up to last; -1 when no distance
// is below the largest double (a target that is not a number). Ties keep the lower index.
int ClosestPointFinder::nearestEntry(int first, int last, int stride) const {
  int best = -1;
  double bestDistance = kLargest;
  for (int i = first; i <= last; i += stride) {
    const double distance = squaredDistanceToEntry(i);
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return best;
}

double ClosestPointFinder::squaredDistanceToEntry(int index) const {
  return squaredDistance(&positionTable_[3 * index], target_);
}

double ClosestPointFinder::squaredDistanceAt(double u) {
  double position[3];
  curve_.EvaluatePoint(u, position);
  return squaredDistance(position, target_);
}

}  // namespace vintrel::curve
