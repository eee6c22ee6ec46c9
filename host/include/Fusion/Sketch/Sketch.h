// A sketch: a plane with curves on it. Add-ins add splines through its curve collections.
#pragma once

#include <string>

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class SketchCurves;

class Sketch : public core::Base {
 public:
  /// The sketch's curves, by kind.
  core::Ptr<SketchCurves> sketchCurves() const;

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
