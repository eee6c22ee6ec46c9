// The simulated sketch.
#include "host/sim/SimSketch.h"

#include "host/sim/HostArrays.h"
#include "host/sim/SimAttributes.h"
#include "host/sim/SimMatrix3D.h"
#include "host/sim/SimPoint3D.h"
#include "host/sim/SimSketchCurves.h"
#include "host/sim/SimSketchFixedSpline.h"
#include "host/sim/SimSketchFixedSplines.h"
#include "host/sim/Transforms.h"

namespace fsim {

std::shared_ptr<SimSketch> SimSketch::create(std::string name, SketchPlane plane,
                                             std::shared_ptr<SimObject> planeObject,
                                             const Transform& transform,
                                             bool createdDuringSession) {
  auto sketch = std::make_shared<SimSketch>(std::move(name), plane, std::move(planeObject),
                                            transform, createdDuringSession);
  sketch->curves_ = std::make_shared<SimSketchCurves>(transform, sketch);
  return sketch;
}

SketchInfo SimSketch::info() const {
  static const char* const kPlaneNames[] = {"XY", "XZ", "YZ", "Tilted"};
  SketchInfo info;
  info.name = name_;
  info.plane = kPlaneNames[static_cast<size_t>(plane_)];
  info.createdDuringSession = createdDuringSession_;
  info.transform = transform_;
  info.splines = curves_->fixedSplines().data();
  for (const NurbsData& spline : info.splines) {
    info.worldSplines.push_back(transformedCurve(spline, transform_));
  }
  for (const auto& spline : curves_->fixedSplines().all()) {
    info.splineAttributes.push_back(spline->attributes().info());
    info.splineLinked.push_back(spline->linked());
  }
  return info;
}

void SimSketch::markDeleted() {
  SimObject::markDeleted();
  curves_->markDeleted();
}

adsk::fusion::SketchCurves* SimSketch::sketchCurves_raw() const {
  if (refused("Sketch.sketchCurves")) return nullptr;
  return handOut(curves_);
}

adsk::core::Matrix3D* SimSketch::transform_raw() const {
  if (refused("Sketch.transform")) return nullptr;
  return handOut(std::make_shared<SimMatrix3D>(transform_));
}

bool SimSketch::transform_raw(adsk::core::Matrix3D* /*value*/) {
  refused("Sketch.transform");
  return false;  // moving a sketch is not simulated
}

adsk::core::Point3D* SimSketch::modelToSketchSpace_raw(adsk::core::Point3D* modelCoordinate) {
  if (refused("Sketch.modelToSketchSpace")) return nullptr;
  auto* point = dynamic_cast<SimPoint3D*>(modelCoordinate);
  Transform toSketch;
  if (!point || !point->alive() || !inverted(transform_, toSketch)) return nullptr;
  return handOut(std::make_shared<SimPoint3D>(transformedPoint(toSketch, point->xyz())));
}

adsk::core::Point3D* SimSketch::sketchToModelSpace_raw(adsk::core::Point3D* sketchCoordinate) {
  if (refused("Sketch.sketchToModelSpace")) return nullptr;
  auto* point = dynamic_cast<SimPoint3D*>(sketchCoordinate);
  if (!point || !point->alive()) return nullptr;
  return handOut(std::make_shared<SimPoint3D>(transformedPoint(transform_, point->xyz())));
}

char* SimSketch::name_raw() const {
  if (refused("Sketch.name")) return nullptr;
  return newHostString(name_);
}

bool SimSketch::name_raw(const char* value) {
  if (refused("Sketch.name") || !value || !*value) return false;
  name_ = value;
  return true;
}

adsk::core::Base* SimSketch::referencePlane_raw() const {
  if (refused("Sketch.referencePlane")) return nullptr;
  return handOutAs(planeObject_.get());
}

bool SimSketch::isComputeDeferred_raw() const {
  return !refused("Sketch.isComputeDeferred") && computeDeferred_;
}

bool SimSketch::isComputeDeferred_raw(bool value) {
  if (refused("Sketch.isComputeDeferred")) return false;
  computeDeferred_ = value;
  return true;
}

}  // namespace fsim
