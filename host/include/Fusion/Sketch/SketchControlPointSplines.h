// The control-point splines of a sketch: splines of degree 3 or 5 given by their control points
// alone (no knots).
#pragma once

#include <vector>

#include "../../Core/Base.h"
#include "../FusionTypeDefs.h"

namespace adsk {
namespace fusion {

class SketchControlPointSpline;

class SketchControlPointSplines : public core::Base {
 public:
  /// A new spline with these control points; null on failure.
  core::Ptr<SketchControlPointSpline> add(const std::vector<core::Ptr<core::Base>>& controlPoints,
                                          SplineDegrees degree);

  static const char* classType() { return "adsk::fusion::SketchControlPointSplines"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchControlPointSplines*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual SketchControlPointSpline* add_raw(core::Base** controlPoints, size_t controlPoints_size,
                                            SplineDegrees degree) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<SketchControlPointSpline> SketchControlPointSplines::add(
    const std::vector<core::Ptr<core::Base>>& controlPoints, SplineDegrees degree) {
  std::vector<core::Base*> controlPointsRaw;
  controlPointsRaw.reserve(controlPoints.size());
  for (const auto& item : controlPoints) controlPointsRaw.push_back(item.get());
  core::Ptr<SketchControlPointSpline> res =
      add_raw(controlPointsRaw.data(), controlPointsRaw.size(), degree);
  return res;
}

}  // namespace fusion
}  // namespace adsk
