// Everything of the Fusion API stand-in: designs and parameters, components, construction
// planes, sketches and custom graphics. Like the host's own, it brings only the core headers that
// these classes need; code that uses the core API includes <Core/CoreAll.h> itself.
#pragma once

#include "Components/BaseComponent.h"
#include "Components/Component.h"
#include "Construction/ConstructionPlane.h"
#include "Fusion/Design.h"
#include "Fusion/Parameter.h"
#include "Fusion/ParameterList.h"
#include "Fusion/UserParameter.h"
#include "Fusion/UserParameters.h"
#include "FusionTypeDefs.h"
#include "Graphics/CustomGraphicsColorEffect.h"
#include "Graphics/CustomGraphicsCurve.h"
#include "Graphics/CustomGraphicsEntity.h"
#include "Graphics/CustomGraphicsGroup.h"
#include "Graphics/CustomGraphicsGroups.h"
#include "Graphics/CustomGraphicsSolidColorEffect.h"
#include "Sketch/Sketch.h"
#include "Sketch/SketchControlPointSplines.h"
#include "Sketch/SketchCurve.h"
#include "Sketch/SketchCurves.h"
#include "Sketch/SketchEntity.h"
#include "Sketch/SketchFittedSplines.h"
#include "Sketch/SketchFixedSpline.h"
#include "Sketch/SketchFixedSplines.h"
#include "Sketch/Sketches.h"
