#include "curvehost/readDesignParameters.h"

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <cstddef>
#include <map>
#include <string>

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;
using vintrel::curve::DesignParameters;
using vintrel::curve::kBuiltInPi;

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
  DesignParameters parameters{{{"pi", kBuiltInPi}}, {}};
  LengthUnits units(design);
  for (std::size_t i = 0; i < count; ++i) {
    Ptr<Parameter> parameter = designParameters(design)->item(i);
    throwIfNull(parameter);
    // A text parameter has no number (the host fails to give one); left out, a formula naming it
    // fails on the unknown name instead of computing with a made-up value.
    if (parameter->valueType() == TextParameterValueType) continue;
    // Name first, then value: an assignment would ask the host for the value before the name.
    const std::string name = parameter->name();
    parameters.values[name] = parameter->value();
    if (units.isLength(parameter->unit())) {
      parameters.lengths.insert(name);
    } else {
      parameters.lengths.erase(name);
    }
  }
  return parameters;
}

}  // namespace vintrel::curvehost
