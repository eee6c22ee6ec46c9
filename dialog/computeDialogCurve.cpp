#include "dialog/sampleDialogCurve.h"

#include "curve/formula/CurveRequest.h"
#include "curve/formula/ParameterTable.h"
#include "curve/formula/hiddenParameterNotes.h"
#include "curve/sampling/sampleCurve.h"
#include "curvehost/readDesignParameters.h"
#include "dialog/readCurveRequest.h"

using namespace adsk::core;

DialogCurve sampleDialogCurve(const Ptr<CommandInputs>& inputs,
                              const Ptr<Application>& application) {
  const CurveRequest request = readCurveRequest(inputs);
  const ParameterTable parameters = readDesignParameters(application);
  return {sampleCurve(request, parameters), hiddenParameterNotes(parameters)};
}
