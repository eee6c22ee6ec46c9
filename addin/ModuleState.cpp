// The add-in's module-wide state. Everything here lives in this one translation unit because
// only within one is the order of static construction fixed: the library builds it top to bottom
// when it is loaded and destroys it bottom to top when it is unloaded, so a preview still shown
// then is deleted while the application it needs is still held by its manager.
#include "addin/ModuleState.h"

#include "addin/CommandCreatedOnPanelHandler.h"
#include "addin/CommandTerminatedHandler.h"
#include "numerics/ReportRegistry.h"

namespace vintrel::addin {

namespace {

ModuleState state;

}  // namespace

ModuleState& moduleState() { return state; }

CommandCreatedOnPanelHandler commandCreatedHandler;
CommandTerminatedHandler commandTerminatedHandler{state.parameterFollower, state.application};

namespace {

// Touching the numerical library's report registry builds it now, last, so that it is torn down
// first; nothing registers with it.
bool buildReportRegistry() {
  num::ReportRegistry::Unregister(nullptr);
  return true;
}

const bool reportRegistryBuilt = buildReportRegistry();

}  // namespace

}  // namespace vintrel::addin
