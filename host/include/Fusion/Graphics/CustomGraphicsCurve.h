// A curve drawn as custom graphics, with a line weight in pixels; its colour comes from the
// inherited colour effect.
#pragma once

#include "../FusionTypeDefs.h"
#include "CustomGraphicsEntity.h"

namespace adsk {
namespace core {
class Curve3D;
}  // namespace core

namespace fusion {

class CustomGraphicsCurve : public CustomGraphicsEntity {
 public:
  /// The line thickness in pixels.
  double weight() const;

  /// Sets the line thickness in pixels; false on failure.
  bool weight(double value);

  /// The curve drawn.
  core::Ptr<core::Curve3D> curve() const;

  /// Replaces the curve drawn; false on failure.
  bool curve(const core::Ptr<core::Curve3D>& value);

  /// The line pattern.
  LineStylePatterns lineStylePattern() const;

  static const char* classType() { return "adsk::fusion::CustomGraphicsCurve"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CustomGraphicsCurve*>(this)
                                               : CustomGraphicsEntity::queryInterface(id);
  }

 private:
  virtual double weight_raw() const = 0;
  virtual bool weight_raw(double value) = 0;
  virtual core::Curve3D* curve_raw() const = 0;
  virtual bool curve_raw(core::Curve3D* value) = 0;
  virtual LineStylePatterns lineStylePattern_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline double CustomGraphicsCurve::weight() const { return weight_raw(); }

inline bool CustomGraphicsCurve::weight(double value) { return weight_raw(value); }

inline core::Ptr<core::Curve3D> CustomGraphicsCurve::curve() const {
  core::Ptr<core::Curve3D> res = curve_raw();
  return res;
}

inline bool CustomGraphicsCurve::curve(const core::Ptr<core::Curve3D>& value) {
  return curve_raw(value.get());
}

inline LineStylePatterns CustomGraphicsCurve::lineStylePattern() const {
  return lineStylePattern_raw();
}

}  // namespace fusion
}  // namespace adsk
