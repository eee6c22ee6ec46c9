// The dialog's one red preview curve: shows the fitted curve as custom graphics of the active
// design and takes it away again. The add-in keeps one CurvePreview for as long as it is loaded
// and hands it to the dialog's preview; the dialog's end clears it.
#pragma once

#include <Core/CoreAll.h>

#include <memory>

#include "fusionkit/CustomGraphicsManager.h"

/// The ID of the preview's custom graphics group.
constexpr char kCurvePreviewGroupId[] = "vtlCustomGraphicsID";

/// Owns at most one preview group (kCurvePreviewGroupId in the root component). Move-only;
/// destroying it takes the preview away and never throws.
class CurvePreview {
 public:
  CurvePreview() = default;
  CurvePreview(CurvePreview&&) noexcept = default;
  CurvePreview& operator=(CurvePreview&&) noexcept = default;
  ~CurvePreview() = default;

  /// Takes the previous preview away, then adds a new group to `application`'s active design and
  /// draws `curve` in it in opaque red, 3 pixels wide, not selectable. Throws
  /// hv::f360::NullObjectError when the application, design, group, curve graphics or viewport
  /// is missing; a group already added stays until the next show or clear.
  void show(const adsk::core::Ptr<adsk::core::Application>& application,
            const adsk::core::Ptr<adsk::core::NurbsCurve3D>& curve);

  /// Takes the preview away: the owner is emptied first, then the group is deleted. Does
  /// nothing when none is shown. Never throws.
  void clear() noexcept;

  /// Whether a preview group is owned (drawn, or added before its curve failed).
  bool shown() const { return manager_ != nullptr; }

 private:
  std::unique_ptr<hv::f360::CustomGraphicsManager> manager_;
};
