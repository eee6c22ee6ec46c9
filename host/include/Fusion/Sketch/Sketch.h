// A sketch: a plane with curves on it, and a space of its own: x and y in its plane, z along its
// normal. Add-ins add splines through its curve collections, in sketch space, and carry points
// between sketch space and model space with its transform.
#pragma once

#include <string>

#include "../../Core/Base.h"

namespace adsk {
namespace core {
class Matrix3D;
class Point3D;
}  // namespace core

namespace fusion {

class SketchCurves;

class Sketch : public core::Base {
 public:
  /// The sketch's curves, by kind.
  core::Ptr<SketchCurves> sketchCurves() const;

  /// The map from sketch space to model space, as a new matrix; null on failure. A sketch on the
  /// root component's XY plane has the identity.
  core::Ptr<core::Matrix3D> transform() const;

  /// Moves the sketch so that its transform becomes value; false on failure.
  bool transform(const core::Ptr<core::Matrix3D>& value);

  /// The sketch-space point at a model-space point, as a new point; null on failure.
  core::Ptr<core::Point3D> modelToSketchSpace(const core::Ptr<core::Point3D>& modelCoordinate);

  /// The model-space point at a sketch-space point, as a new point; null on failure.
  core::Ptr<core::Point3D> sketchToModelSpace(const core::Ptr<core::Point3D>& sketchCoordinate);

  /// The sketch's name, e.g. "Sketch1".
  std::string name() const;

  /// Renames the sketch; false on failure.
  bool name(const std::string& value);

  /// The plane or face the sketch lies on.
  core::Ptr<core::Base> referencePlane() const;

  /// Whether recomputation waits until this is set back to false.
  bool isComputeDeferred() const;

  /// Defers recomputation while many curves are added; false on failure.
  bool isComputeDeferred(bool value);

  static const char* classType() { return "adsk::fusion::Sketch"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Sketch*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual SketchCurves* sketchCurves_raw() const = 0;
  virtual core::Matrix3D* transform_raw() const = 0;
  virtual bool transform_raw(core::Matrix3D* value) = 0;
  virtual core::Point3D* modelToSketchSpace_raw(core::Point3D* modelCoordinate) = 0;
  virtual core::Point3D* sketchToModelSpace_raw(core::Point3D* sketchCoordinate) = 0;
  virtual char* name_raw() const = 0;
  virtual bool name_raw(const char* value) = 0;
  virtual core::Base* referencePlane_raw() const = 0;
  virtual bool isComputeDeferred_raw() const = 0;
  virtual bool isComputeDeferred_raw(bool value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<SketchCurves> Sketch::sketchCurves() const {
  core::Ptr<SketchCurves> res = sketchCurves_raw();
  return res;
}

inline core::Ptr<core::Matrix3D> Sketch::transform() const {
  core::Ptr<core::Matrix3D> res = transform_raw();
  return res;
}

inline bool Sketch::transform(const core::Ptr<core::Matrix3D>& value) {
  return transform_raw(value.get());
}

inline core::Ptr<core::Point3D> Sketch::modelToSketchSpace(
    const core::Ptr<core::Point3D>& modelCoordinate) {
  core::Ptr<core::Point3D> res = modelToSketchSpace_raw(modelCoordinate.get());
  return res;
}

inline core::Ptr<core::Point3D> Sketch::sketchToModelSpace(
    const core::Ptr<core::Point3D>& sketchCoordinate) {
  core::Ptr<core::Point3D> res = sketchToModelSpace_raw(sketchCoordinate.get());
  return res;
}

inline std::string Sketch::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

inline bool Sketch::name(const std::string& value) { return name_raw(value.c_str()); }

inline core::Ptr<core::Base> Sketch::referencePlane() const {
  core::Ptr<core::Base> res = referencePlane_raw();
  return res;
}

inline bool Sketch::isComputeDeferred() const { return isComputeDeferred_raw(); }

inline bool Sketch::isComputeDeferred(bool value) { return isComputeDeferred_raw(value); }

}  // namespace fusion
}  // namespace adsk
