#include "dialog/sampleDialogCurve.h"

#include "curve/ParameterTable.h"
#include "curve/readDesignParameters.h"
#include "curve/sampleCurve.h"
#include "dialog/CurveRequest.h"
#include "dialog/ModuleState.h"
#include "dialog/readCurveRequest.h"

SamplePoints sampleDialogCurve(const adsk::core::Ptr<adsk::core::CommandInputs>& inputs) {
  CurveRequest request;
  readCurveRequest(inputs, request);
  const ParameterTable parameters = readDesignParameters(application);
  SamplePoints samples;
  sampleCurve(request.tStart, request.tEnd, request.xExpression, request.yExpression,
              request.zExpression, samples, parameters);
  return samples;
}
