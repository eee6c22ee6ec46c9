// The dialog's values as plain data: the t range and the three expressions. readCurveRequest
// fills it from the command's inputs; the preview and the curve creation hand its fields to
// sampleCurve.
#pragma once

#include <string>

/// One reading of the dialog. Nothing relates the fields: tStart may be at or above tEnd and an
/// expression may be empty.
struct CurveRequest {
  double tStart = 0.0;
  double tEnd = 0.0;
  std::string xExpression;  ///< 8-bit text exactly as the host gave it
  std::string yExpression;
  std::string zExpression;
};
