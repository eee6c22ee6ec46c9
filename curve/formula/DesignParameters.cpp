#include "curve/formula/DesignParameters.h"

namespace vintrel::curve {

ParameterTable DesignParameters::inUnit(const LengthUnit& unit) const {
  ParameterTable table = values;
  for (const std::string& name : lengths) {
    const auto found = table.find(name);
    if (found != table.end()) found->second = curve::inUnit(found->second, unit);
  }
  return table;
}

}  // namespace vintrel::curve
