// The simulated ValueInput and its exported creators.
#include "host/sim/SimValueInput.h"

#include <cmath>
#include <memory>

#include "host/sim/HostArrays.h"

namespace fsim {

double SimValueInput::realValue_raw() const {
  if (refused("ValueInput.realValue") || isString_) return 0.0;
  return real_;
}

char* SimValueInput::stringValue_raw() const {
  if (refused("ValueInput.stringValue") || !isString_) return nullptr;
  return newHostString(text_);
}

adsk::core::ValueTypes SimValueInput::valueType_raw() const {
  refused("ValueInput.valueType");
  return isString_ ? adsk::core::StringValueType : adsk::core::RealValueType;
}

}  // namespace fsim

namespace adsk {
namespace core {

ValueInput* ValueInput::createByString_raw(const char* stringValue) {
  if (fsim::operationFails("ValueInput.createByString") || !stringValue) return nullptr;
  return fsim::handOut(std::make_shared<fsim::SimValueInput>(true, stringValue, 0.0));
}

ValueInput* ValueInput::createByReal_raw(double realValue) {
  if (fsim::operationFails("ValueInput.createByReal") || !std::isfinite(realValue)) return nullptr;
  return fsim::handOut(std::make_shared<fsim::SimValueInput>(false, "", realValue));
}

}  // namespace core
}  // namespace adsk
