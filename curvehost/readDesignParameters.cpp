#include "curvehost/readDesignParameters.h"

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;
using vintrel::curve::DesignParameterRow;
using vintrel::curve::DesignParameters;

namespace vintrel::curvehost {

namespace {

constexpr char kInternalLengthUnit[] = "cm";

Ptr<ParameterList> designParameters(const Ptr<Design>& design) {
  Ptr<ParameterList> parameters = design->allParameters();
  throwIfNull(parameters);
  return parameters;
}

// The host converts between units of one kind only: a unit it turns into centimetres is a length.
// Designs repeat a few units over many parameters, so each unit is asked about once.
class LengthUnits {
 public:
  explicit LengthUnits(Ptr<Design> design) : design_(std::move(design)) {}

  bool isLength(const std::string& unit) {
    if (unit.empty()) return false;
    const auto known = answers_.find(unit);
    if (known != answers_.end()) return known->second;
    if (!units_) {
      units_ = design_->unitsManager();
      throwIfNull(units_);
    }
    const bool length = units_->convert(1.0, unit, kInternalLengthUnit) > 0.0;
    answers_[unit] = length;
    return length;
  }

 private:
  Ptr<Design> design_;
  Ptr<UnitsManager> units_;
  std::map<std::string, bool> answers_;
};

}  // namespace

DesignParameters readDesignParameters(const Ptr<Application>& application) {
  throwIfNull(application);
  Ptr<Design> design = application->activeProduct();
  throwIfNull(design);
  const std::size_t count = designParameters(design)->count();
  std::vector<DesignParameterRow> rows;
  LengthUnits units(design);
  for (std::size_t i = 0; i < count; ++i) {
    Ptr<Parameter> parameter = designParameters(design)->item(i);
    throwIfNull(parameter);
    // A text parameter has no number (the host fails to give one); left out, a formula naming it
    // fails on the unknown name instead of computing with a made-up value.
    if (parameter->valueType() == TextParameterValueType) continue;
    // Name, value, unit: the order in which the host is asked.
    DesignParameterRow row;
    row.name = parameter->name();
    row.value = parameter->value();
    row.isLength = units.isLength(parameter->unit());
    rows.push_back(std::move(row));
  }
  return DesignParameters::fromRows(rows);
}

}  // namespace vintrel::curvehost
