// Ties one custom graphics group of the active design to the lifetime of one object: building
// the manager adds an empty group with a given ID to the root component, addCurve draws into it,
// and destroying the manager deletes the group and refreshes the view. A live preview keeps one
// manager and drops it to take the preview away.
#pragma once

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <string>

// hv::f360: helpers for any add-in of the Fusion 360 host, free of Vintrel's own choices.
namespace hv {
namespace f360 {

class CustomGraphicsManager {
 public:
  /// Adds a new, empty custom graphics group with ID `groupId` to the root component of `app`'s
  /// active design; a group with that ID that already exists is left alone (there are then two).
  /// Throws NullObjectError when the application, the design, the root component, its group
  /// collection or the new group is missing; no manager exists then, and a group the host
  /// already added stays.
  CustomGraphicsManager(adsk::core::Ptr<adsk::core::Application> app, std::string groupId);
  /// Deletes the group (the first one with the ID in the active design) and refreshes the active
  /// viewport. Never throws: a group that has gone, or a missing viewport, only skips that step.
  ~CustomGraphicsManager();

  // The group's lifetime is this object's: a copy would delete it twice.
  CustomGraphicsManager(const CustomGraphicsManager&) = delete;
  CustomGraphicsManager& operator=(const CustomGraphicsManager&) = delete;

  /// The first group (lowest index) in the active design's root component whose ID equals the
  /// manager's exactly, or null when there is none or anything on the way fails. Never throws a
  /// standard exception.
  adsk::core::Ptr<adsk::fusion::CustomGraphicsGroup> findGroup() const;

  /// Draws `curve` in the group, not selectable, `weight` pixels wide, in the solid colour
  /// `color`, and refreshes the active viewport so it shows at once. Throws NullObjectError when
  /// the group cannot be found, the host refuses the curve graphics (a null `curve` included), or
  /// the application or its viewport is missing; a curve graphics already added then stays in the
  /// group.
  void addCurve(const adsk::core::Ptr<adsk::core::NurbsCurve3D>& curve, double weight,
                const adsk::core::Ptr<adsk::core::Color>& color);

 private:
  void refreshViewport() const;

  adsk::core::Ptr<adsk::core::Application> app_;
  std::string groupId_;
};

}  // namespace f360
}  // namespace hv
