// The simulated origin construction plane.
#include "host/sim/SimConstructionPlane.h"

#include "host/sim/HostArrays.h"

namespace fsim {

std::string SimConstructionPlane::shortName() const {
  switch (which_) {
    case OriginPlane::XY:
      return "XY";
    case OriginPlane::XZ:
      return "XZ";
    case OriginPlane::YZ:
      return "YZ";
  }
  return "";
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
