#include "curve/sampling/refineSampling.h"

#include <stdexcept>
#include <vector>

namespace vintrel::curve {

SampledCurve refineSampling(const SampledCurve& curve) {
  if (!curve.pointsAt) {
    throw std::invalid_argument("a curve without its formulas cannot be sampled more finely");
  }
  if (curve.samples.empty() || curve.midpoints.size() + 1 != curve.samples.size()) {
    throw std::invalid_argument("a sampled curve needs one midpoint between each two samples");
  }
  SampledCurve finer;
  finer.tStart = curve.tStart;
  finer.tEnd = curve.tEnd;
  // Halving is exact, so (k + 0.5) * step at this level and (2k + 1) * step / 2 at the next are
  // the same product: the nested grids share their values of t.
  finer.step = curve.step * 0.5;
  finer.probes = curve.probes;
  finer.pointsAt = curve.pointsAt;
  finer.samples.reserve(2 * curve.samples.size() - 1);
  for (std::size_t k = 0; k < curve.midpoints.size(); ++k) {
    finer.samples.push_back(curve.samples[k]);
    finer.samples.push_back(curve.midpoints[k]);
  }
  finer.samples.push_back(curve.samples.back());
  std::vector<double> t(finer.samples.size() - 1);
  for (std::size_t k = 0; k < t.size(); ++k) t[k] = finer.midpointT(k);
  curve.pointsAt(t, finer.midpoints);
  return finer;
}

}  // namespace vintrel::curve
