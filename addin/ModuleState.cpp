// The add-in's module-wide state. Everything here lives in this one translation unit because
// only within one is the order of static construction fixed: the library builds it top to bottom
// when it is loaded and destroys it bottom to top when it is unloaded, so a preview still shown
// then is deleted while the application it needs is still held by its manager.
#include "addin/ModuleState.h"

#include "addin/CommandCreatedOnPanelHandler.h"
#include "addin/CommandTerminatedHandler.h"
#include "dialog/CommandTexts.h"
#include "numerics/ReportRegistry.h"

const std::string panelId = kPanelId;
const std::string commandId = kCommandId;
const std::string statusDisplayId = kStatusDisplayId;
CurvePreview curvePreview;
vintrel::dialog::CurveEdit curveEdit;
vintrel::curvehost::ParameterFollower parameterFollower;
adsk::core::Ptr<adsk::core::Application> application;
adsk::core::Ptr<adsk::core::UserInterface> userInterface;

CommandCreatedOnPanelHandler commandCreatedHandler;
CommandTerminatedHandler commandTerminatedHandler;

namespace {

// Touching the numerical library's report registry builds it now, last, so that it is torn down
// first; nothing registers with it.
bool buildReportRegistry() {
  num::ReportRegistry::Unregister(nullptr);
  return true;
}

const bool reportRegistryBuilt = buildReportRegistry();

}  // namespace
