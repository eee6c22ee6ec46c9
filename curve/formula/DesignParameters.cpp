#include "curve/formula/DesignParameters.h"

namespace vintrel::curve {

DesignParameters DesignParameters::fromRows(const std::vector<DesignParameterRow>& rows) {
  DesignParameters design{{{"pi", kBuiltInPi}}, {}};
  for (const DesignParameterRow& row : rows) {
    design.values[row.name] = row.value;
    if (row.isLength) {
      design.lengths.insert(row.name);
    } else {
      design.lengths.erase(row.name);
    }
  }
  return design;
}

ParameterTable DesignParameters::inUnit(const LengthUnit& unit) const {
  ParameterTable table = values;
  for (const std::string& name : lengths) {
    const auto found = table.find(name);
    if (found != table.end()) found->second = curve::inUnit(found->second, unit);
  }
  return table;
}

}  // namespace vintrel::curve
