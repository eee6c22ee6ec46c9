// One fixed spline of a sketch: its own copy of a NURBS curve in sketch space, the sketch's
// transform that places it in the model, the attributes add-ins keep on it, whether it is still
// linked to the add-in that made it, and its entity token.
#pragma once

#include <Fusion/FusionAll.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/sim/Sim.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimAttributes;

class SimSketchFixedSpline : public Sim<adsk::fusion::SketchFixedSpline> {
 public:
  /// A spline of `sketch`, linked, without attributes.
  static std::shared_ptr<SimSketchFixedSpline> create(NurbsData curve, const Transform& transform,
                                                      std::weak_ptr<SimObject> sketch);
  SimSketchFixedSpline(NurbsData curve, const Transform& transform, std::weak_ptr<SimObject> sketch)
      : curve_(std::move(curve)), transform_(transform), sketch_(std::move(sketch)) {}

  const NurbsData& curve() const { return curve_; }
  SimAttributes& attributes() const { return *attributes_; }
  bool linked() const { return linked_; }
  /// The user's "break link".
  void breakLink() { linked_ = false; }
  /// The shape as an undo puts it back, without fault injection.
  void restoreCurve(NurbsData curve) { curve_ = std::move(curve); }

  /// A spline's shape and attributes at one moment.
  struct State {
    NurbsData curve;
    std::vector<AttributeInfo> attributes;
  };
  /// Called before each change of the shape or the attributes through the API: the first one in
  /// the host's current undo step keeps the state from before it.
  void aboutToChange();
  /// The state before the first change in undo step `step`; none when nothing changed in it.
  std::optional<State> stateBefore(std::uint64_t step) const;
  void markDeleted() override;

 private:
  adsk::core::NurbsCurve3D* geometry_raw() const override;
  adsk::core::NurbsCurve3D* worldGeometry_raw() const override;
  bool replaceGeometry_raw(adsk::core::NurbsCurve3D* nurbsCurve) override;
  adsk::fusion::Sketch* parentSketch_raw() const override;
  adsk::core::Attributes* attributes_raw() const override;
  bool isLinked_raw() const override;
  char* entityToken_raw() const override;

  NurbsData curve_;
  Transform transform_;
  std::weak_ptr<SimObject> sketch_;
  std::shared_ptr<SimAttributes> attributes_;
  bool linked_ = true;
  std::string token_;  ///< one per spline of the process, never reused
  std::optional<State> before_;
  std::uint64_t beforeStep_ = 0;
};

}  // namespace fsim
