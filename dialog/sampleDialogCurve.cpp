#include "dialog/sampleDialogCurve.h"

#include "curve/CurveRequest.h"
#include "curve/ParameterTable.h"
#include "curve/hiddenParameterNotes.h"
#include "curve/sampleCurve.h"
#include "curvehost/readDesignParameters.h"
#include "dialog/readCurveRequest.h"

using namespace adsk::core;

DialogCurve sampleDialogCurve(const Ptr<CommandInputs>& inputs,
                              const Ptr<Application>& application) {
  const CurveRequest request = readCurveRequest(inputs);
  const ParameterTable parameters = readDesignParameters(application);
  return {sampleCurve(request, parameters), hiddenParameterNotes(parameters)};
}
