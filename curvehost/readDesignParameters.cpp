#include "curvehost/readDesignParameters.h"

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <cstddef>
#include <string>

#include "fusionkit/NullObjectError.h"

using namespace adsk::core;
using namespace adsk::fusion;
using hv::f360::throwIfNull;
using vintrel::curve::kBuiltInPi;
using vintrel::curve::ParameterTable;

namespace vintrel::curvehost {

namespace {

Ptr<ParameterList> designParameters(const Ptr<Design>& design) {
  Ptr<ParameterList> parameters = design->allParameters();
  throwIfNull(parameters);
  return parameters;
}

}  // namespace

ParameterTable readDesignParameters(const Ptr<Application>& application) {
  throwIfNull(application);
  Ptr<Design> design = application->activeProduct();
  throwIfNull(design);
  const std::size_t count = designParameters(design)->count();
  ParameterTable table{{"pi", kBuiltInPi}};
  for (std::size_t i = 0; i < count; ++i) {
    Ptr<Parameter> parameter = designParameters(design)->item(i);
    throwIfNull(parameter);
    // A text parameter has no number (the host fails to give one); left out, a formula naming it
    // fails on the unknown name instead of computing with a made-up value.
    if (parameter->valueType() == TextParameterValueType) continue;
    // Name first, then value: an assignment would ask the host for the value before the name.
    const std::string name = parameter->name();
    table[name] = parameter->value();
  }
  return table;
}

}  // namespace vintrel::curvehost
