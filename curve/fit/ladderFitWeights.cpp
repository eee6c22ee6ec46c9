#include "curve/fit/ladderFitWeights.h"

#include <map>
#include <mutex>
#include <utility>

#include "numerics/BSplineCurve.h"
#include "numerics/BasisFunction.h"

namespace vintrel::curve {

namespace {

constexpr int kDegree = 3;
// The ladder tries six counts on one sample count; curves put together otherwise may bring more
// sample counts, whose weights are dropped past this many pairs rather than kept without bound.
constexpr std::size_t kMostKept = 24;

using Weights = num::BSplineFitWeights<double>;

std::shared_ptr<const Weights> makeWeights(int sampleCount, int controlCount) {
  num::BasisFunction<double> basis;
  basis.Create(num::BSplineCurve<double>::ClampedUniformSetup(controlCount, kDegree));
  return std::make_shared<const Weights>(basis, sampleCount);
}

}  // namespace

std::shared_ptr<const Weights> ladderFitWeights(int sampleCount, int controlCount) {
  static std::mutex mutex;
  static std::map<std::pair<int, int>, std::shared_ptr<const Weights>> kept;
  const std::pair<int, int> key{sampleCount, controlCount};
  {
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = kept.find(key);
    if (found != kept.end()) return found->second;
  }
  // Made outside the lock: two threads that need the same weights at once make them twice, alike.
  std::shared_ptr<const Weights> weights = makeWeights(sampleCount, controlCount);
  const std::lock_guard<std::mutex> lock(mutex);
  if (kept.size() >= kMostKept) kept.clear();
  return kept.emplace(key, std::move(weights)).first->second;
}

}  // namespace vintrel::curve
