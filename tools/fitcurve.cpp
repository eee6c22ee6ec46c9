// A check of the curve fit without any host: samples a curve given by three expressions in t (by
// default the command dialog's helix), fits the adaptive spline and prints the dialog's status
// text for it, worded by the dialog's own FitStatus.
//
//   fitcurve                              the default helix, t from 0 to 3
//   fitcurve X Y Z T_START T_END          any curve; "pi" is defined
//
// Exit codes: 0 done, 1 the curve could not be sampled, 2 usage error.
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "curve/ParameterTable.h"
#include "curve/SamplePoints.h"
#include "curve/fitSplineToSamples.h"
#include "curve/largestDeviation.h"
#include "curve/sampleCurve.h"
#include "dialog/FitStatus.h"

namespace {

struct CurveArguments {
  std::string x = "cos(2 * pi * t)";
  std::string y = "sin(2 * pi * t)";
  std::string z = "t";
  double tStart = 0.0;
  double tEnd = 3.0;
};

bool readNumber(const char* text, double& value) {
  char* end = nullptr;
  value = std::strtod(text, &end);
  return end != text && *end == '\0';
}

bool readArguments(int argc, char** argv, CurveArguments& curve) {
  if (argc == 1) {
    return true;
  }
  if (argc != 6) {
    return false;
  }
  curve.x = argv[1];
  curve.y = argv[2];
  curve.z = argv[3];
  return readNumber(argv[4], curve.tStart) && readNumber(argv[5], curve.tEnd);
}

// The deviation is measured only when the fit's own check failed, as the dialog does.
FitStatus fitStatusOf(const SplineFit& fit, const SamplePoints& samples) {
  FitStatus status;
  status.controlCount = fit.curve->ControlPointCount();
  if (!fit.toleranceMet) {
    const double deviation = largestDeviation(*fit.curve, samples);
    if (deviation > kSplineTolerance) status.largestDeviation = deviation;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  CurveArguments curve;
  if (!readArguments(argc, argv, curve)) {
    std::fprintf(stderr, "usage: fitcurve [X Y Z T_START T_END]\n");
    return 2;
  }
  try {
    const ParameterTable parameters{{"pi", 3.141592653589793}};
    SamplePoints samples;
    sampleCurve(curve.tStart, curve.tEnd, curve.x, curve.y, curve.z, samples, parameters);
    const SplineFit fit = fitSplineToSamples(samples, kSplineTolerance);
    std::printf("%s\n", statusText(fitStatusOf(fit, samples), kSplineTolerance).c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "fitcurve: %s\n", error.what());
    return 1;
  }
  return 0;
}
