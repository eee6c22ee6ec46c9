#include "dialog/computeDialogCurve.h"

#include "curve/formula/CurveRequest.h"
#include "curve/formula/DesignParameters.h"
#include "curve/formula/hiddenParameterNotes.h"
#include "curvehost/readDesignParameters.h"
#include "dialog/readCurveRequest.h"

using vintrel::curve::CurveRequest;
using vintrel::curve::DesignParameters;
using vintrel::curve::hiddenParameterNotes;

using namespace adsk::core;

namespace vintrel::dialog {

DialogCurve computeDialogCurve(const Ptr<CommandInputs>& inputs,
                               const Ptr<Application>& application) {
  const CurveRequest request = readCurveRequest(inputs);
  const DesignParameters design = curvehost::readDesignParameters(application);
  return {curve::ComputedCurve(request, design.inUnit(request.unit)),
          hiddenParameterNotes(design.values, request.definitions)};
}

}  // namespace vintrel::dialog
