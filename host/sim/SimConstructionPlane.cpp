// The simulated origin construction plane.
#include "host/sim/SimConstructionPlane.h"

#include "host/sim/HostArrays.h"
#include "host/sim/Transforms.h"

namespace fsim {

std::string SimConstructionPlane::shortName() const {
  switch (which_) {
    case SketchPlane::XY:
      return "XY";
    case SketchPlane::XZ:
      return "XZ";
    case SketchPlane::YZ:
      return "YZ";
    case SketchPlane::Tilted:
      return "Tilted";
  }
  return "";
}

// Columns: sketch x, sketch y and the normal in model space, then the sketch's origin.
Transform SimConstructionPlane::sketchTransform() const {
  switch (which_) {
    case SketchPlane::XY:
      break;
    case SketchPlane::XZ:
      return {1, 0,  0, 0,  //
              0, 0,  1, 0,  //
              0, -1, 0, 0,  //
              0, 0,  0, 1};
    case SketchPlane::YZ:
      return {0,  0, 1, 0,  //
              0,  1, 0, 0,  //
              -1, 0, 0, 0,  //
              0,  0, 0, 1};
    case SketchPlane::Tilted: {
      const double third = 1.0 / 3.0;
      return {2 * third,  -1 * third, 2 * third,  1,  //
              2 * third,  2 * third,  -1 * third, 2,  //
              -1 * third, 2 * third,  2 * third,  3,  //
              0,          0,          0,          1};
    }
  }
  return identityTransform();
}

adsk::core::Plane* SimConstructionPlane::geometry_raw() const {
  refused("ConstructionPlane.geometry");
  return nullptr;  // plane geometry is not simulated
}

char* SimConstructionPlane::name_raw() const {
  if (refused("ConstructionPlane.name")) return nullptr;
  return newHostString(shortName() + " Plane");
}

}  // namespace fsim
