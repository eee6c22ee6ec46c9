// A curve as the user describes it: the t range and the three expressions, as plain data. The
// dialog reads one from its inputs, and sampling turns one into points.
#pragma once

#include <string>

namespace vintrel::curve {

/// One curve description. Nothing relates the fields: tStart may be at or above tEnd and an
/// expression may be empty.
struct CurveRequest {
  double tStart = 0.0;
  double tEnd = 0.0;
  std::string xExpression;  ///< 8-bit text exactly as the host gave it
  std::string yExpression;
  std::string zExpression;
};

}  // namespace vintrel::curve
