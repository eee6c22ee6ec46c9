// The interim main job: samples a curve given by three expressions in t (by default the command
// dialog's helix), fits the adaptive spline and prints how many control points it needed, as the
// dialog's status text words it.
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

std::string statusText(const SplineFit& fit, const SamplePoints& samples) {
  std::string text = std::to_string(fit.curve->ControlPointCount()) + " spline controls";
  if (!fit.toleranceMet) {
    const double deviation = largestDeviation(*fit.curve, samples);
    if (deviation > kSplineTolerance) {
      char figure[32];
      std::snprintf(figure, sizeof figure, "%.3g", deviation);
      text += " (tolerance 0.002 not met: largest deviation " + std::string(figure) + ")";
    }
  }
  return text;
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
    std::printf("%s\n", statusText(fit, samples).c_str());
  } catch (const std::exception& error) {
    std::fprintf(stderr, "fitcurve: %s\n", error.what());
    return 1;
  }
  return 0;
}
