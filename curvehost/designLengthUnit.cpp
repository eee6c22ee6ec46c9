#include "curvehost/designLengthUnit.h"

#include <Fusion/FusionAll.h>

#include <optional>

using namespace adsk::core;
using namespace adsk::fusion;
using vintrel::curve::centimetreUnit;
using vintrel::curve::LengthUnit;
using vintrel::curve::lengthUnitNamed;

namespace vintrel::curvehost {

namespace {

const char* unitName(DistanceUnits units) {
  switch (units) {
    case MillimeterDistanceUnits:
      return "mm";
    case MeterDistanceUnits:
      return "m";
    case InchDistanceUnits:
      return "in";
    case FootDistanceUnits:
      return "ft";
    case YardDistanceUnits:
      return "yd";
    case MicronDistanceUnits:
      return "\xC2\xB5m";
    case HectometerDistanceUnits:
      return "hm";
    case MileDistanceUnits:
      return "mi";
    case MilDistanceUnits:
      return "mil";
    case NauticalMileDistanceUnits:
      return "nmi";
    case CentimeterDistanceUnits:
      break;
  }
  return "cm";
}

}  // namespace

LengthUnit designLengthUnit(const Ptr<Application>& application) {
  if (!application) return centimetreUnit();
  Ptr<Design> design = application->activeProduct();
  if (!design) return centimetreUnit();
  Ptr<FusionUnitsManager> units = design->fusionUnitsManager();
  if (!units) return centimetreUnit();
  const std::optional<LengthUnit> unit = lengthUnitNamed(unitName(units->distanceDisplayUnits()));
  return unit ? *unit : centimetreUnit();
}

}  // namespace vintrel::curvehost
