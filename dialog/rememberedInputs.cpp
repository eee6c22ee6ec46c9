#include "dialog/rememberedInputs.h"

#include <Fusion/FusionAll.h>

#include <string>

#include "curve/definition/CurveDefinition.h"
#include "curve/definition/DefinitionAttribute.h"

using vintrel::curve::CurveDefinitionError;
using vintrel::curve::CurveRequest;
using vintrel::curve::kDefinitionGroup;
using vintrel::curve::kLastInputsName;
using vintrel::curve::readCurveDefinition;
using vintrel::curve::writeCurveDefinition;

using namespace adsk::core;

namespace vintrel::dialog {

namespace {

Ptr<Attributes> designAttributes(const Ptr<Application>& application) {
  if (!application) return nullptr;
  Ptr<adsk::fusion::Design> design = application->activeProduct();
  if (!design) return nullptr;
  return design->attributes();
}

}  // namespace

std::optional<CurveRequest> rememberedInputs(const Ptr<Application>& application) {
  Ptr<Attributes> attributes = designAttributes(application);
  if (!attributes) return std::nullopt;
  Ptr<Attribute> kept = attributes->itemByName(kDefinitionGroup, kLastInputsName);
  if (!kept) return std::nullopt;
  try {
    return readCurveDefinition(kept->value()).request;
  } catch (const CurveDefinitionError&) {
    // Kept by a later add-in, or damaged: the defaults are a good start, and no reason to fail.
    return std::nullopt;
  }
}

void rememberInputs(const Ptr<Application>& application, const CurveRequest& request) {
  Ptr<Attributes> attributes = designAttributes(application);
  if (!attributes) return;
  std::string text;
  try {
    text = writeCurveDefinition({request, {}});
  } catch (const CurveDefinitionError&) {
    return;  // a t value that is not finite made no curve and is nothing to keep
  }
  attributes->add(kDefinitionGroup, kLastInputsName, text);
}

}  // namespace vintrel::dialog
