// The curves of a sketch, in one collection per kind. Add-ins reach the fixed splines here.
#pragma once

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class SketchFixedSplines;
class SketchFittedSplines;
class SketchControlPointSplines;

class SketchCurves : public core::Base {
 public:
  /// The fixed splines, made from NURBS curves.
  core::Ptr<SketchFixedSplines> sketchFixedSplines() const;

  /// The splines through fit points.
  core::Ptr<SketchFittedSplines> sketchFittedSplines() const;

  /// The splines given by control points.
  core::Ptr<SketchControlPointSplines> sketchControlPointSplines() const;

  static const char* classType() { return "adsk::fusion::SketchCurves"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchCurves*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual SketchFixedSplines* sketchFixedSplines_raw() const = 0;
  virtual SketchFittedSplines* sketchFittedSplines_raw() const = 0;
  virtual SketchControlPointSplines* sketchControlPointSplines_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<SketchFixedSplines> SketchCurves::sketchFixedSplines() const {
  core::Ptr<SketchFixedSplines> res = sketchFixedSplines_raw();
  return res;
}

inline core::Ptr<SketchFittedSplines> SketchCurves::sketchFittedSplines() const {
  core::Ptr<SketchFittedSplines> res = sketchFittedSplines_raw();
  return res;
}

inline core::Ptr<SketchControlPointSplines> SketchCurves::sketchControlPointSplines() const {
  core::Ptr<SketchControlPointSplines> res = sketchControlPointSplines_raw();
  return res;
}

}  // namespace fusion
}  // namespace adsk
