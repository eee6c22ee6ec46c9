#include "dialog/computeDialogCurve.h"

#include "curve/formula/CurveRequest.h"
#include "curve/formula/ParameterTable.h"
#include "curve/formula/hiddenParameterNotes.h"
#include "curvehost/readDesignParameters.h"
#include "dialog/readCurveRequest.h"

using vintrel::curve::CurveRequest;
using vintrel::curve::hiddenParameterNotes;
using vintrel::curve::ParameterTable;

using namespace adsk::core;

namespace vintrel::dialog {

DialogCurve computeDialogCurve(const Ptr<CommandInputs>& inputs,
                               const Ptr<Application>& application) {
  const CurveRequest request = readCurveRequest(inputs);
  const ParameterTable parameters = curvehost::readDesignParameters(application);
  return {curvehost::FormulaCurve(request, parameters), hiddenParameterNotes(parameters)};
}

}  // namespace vintrel::dialog
