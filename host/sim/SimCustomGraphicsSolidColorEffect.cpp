// The simulated solid colour effect and its exported creator.
#include "host/sim/SimCustomGraphicsSolidColorEffect.h"

#include <memory>

#include "host/sim/SimColor.h"

namespace fsim {

adsk::core::Color* SimCustomGraphicsSolidColorEffect::color_raw() const {
  if (refused("CustomGraphicsSolidColorEffect.color")) return nullptr;
  return handOut(std::make_shared<SimColor>(rgba_));
}

bool SimCustomGraphicsSolidColorEffect::color_raw(adsk::core::Color* value) {
  auto* color = dynamic_cast<SimColor*>(value);
  if (refused("CustomGraphicsSolidColorEffect.color") || !color) return false;
  rgba_ = color->rgba();
  return true;
}

}  // namespace fsim

namespace adsk {
namespace fusion {

CustomGraphicsSolidColorEffect* CustomGraphicsSolidColorEffect::create_raw(core::Color* color) {
  if (fsim::operationFails("CustomGraphicsSolidColorEffect.create")) return nullptr;
  auto* simColor = dynamic_cast<fsim::SimColor*>(color);
  if (!simColor) return nullptr;
  return fsim::handOut(std::make_shared<fsim::SimCustomGraphicsSolidColorEffect>(simColor->rgba()));
}

}  // namespace fusion
}  // namespace adsk
