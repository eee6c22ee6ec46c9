// The simulated Color and the exported Color::create_raw.
#include "host/sim/SimColor.h"

#include <memory>

namespace fsim {

namespace {

bool inRange(short value) { return value >= 0 && value <= 255; }

}  // namespace

bool SimColor::acceptable(short red, short green, short blue, short opacity) {
  return inRange(red) && inRange(green) && inRange(blue) && inRange(opacity);
}

short SimColor::component(const char* operation, int index) const {
  return refused(operation) ? 0 : rgba_[index];
}

short SimColor::red_raw() const { return component("Color.red", 0); }
short SimColor::green_raw() const { return component("Color.green", 1); }
short SimColor::blue_raw() const { return component("Color.blue", 2); }
short SimColor::opacity_raw() const { return component("Color.opacity", 3); }

bool SimColor::getColor_raw(short& red, short& green, short& blue, short& opacity) const {
  if (refused("Color.getColor")) return false;
  red = rgba_[0];
  green = rgba_[1];
  blue = rgba_[2];
  opacity = rgba_[3];
  return true;
}

bool SimColor::setColor_raw(short red, short green, short blue, short opacity) {
  if (refused("Color.setColor") || !acceptable(red, green, blue, opacity)) return false;
  rgba_ = {red, green, blue, opacity};
  return true;
}

}  // namespace fsim

namespace adsk {
namespace core {

Color* Color::create_raw(short red, short green, short blue, short opacity) {
  if (fsim::operationFails("Color.create") ||
      !fsim::SimColor::acceptable(red, green, blue, opacity)) {
    return nullptr;
  }
  return fsim::handOut(
      std::make_shared<fsim::SimColor>(std::array<short, 4>{red, green, blue, opacity}));
}

}  // namespace core
}  // namespace adsk
