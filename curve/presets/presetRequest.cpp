#include "curve/presets/presetRequest.h"

#include "curve/formula/ExpressionEvaluator.h"
#include "curve/presets/writePresetInputs.h"

namespace vintrel::curve {

CurveRequest presetRequest(const CurvePreset& preset, const LengthUnit& unit) {
  const PresetInputs inputs = writePresetInputs(preset, unit);
  // The dialog's value inputs know numbers and pi, as muparser does with pi defined.
  ExpressionEvaluator range({inputs.tStart, inputs.tEnd}, {{"pi", kBuiltInPi}});
  const std::vector<double>& ends = range.evaluate();
  CurveRequest request;
  request.tStart = ends[0];
  request.tEnd = ends[1];
  request.xExpression = inputs.x;
  request.yExpression = inputs.y;
  request.zExpression = inputs.z;
  request.unit = unit;
  request.coordinates = inputs.coordinates;
  request.definitions = inputs.definitions;
  return request;
}

}  // namespace vintrel::curve
