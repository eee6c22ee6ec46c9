// The driver: plays the user against the simulated host and reports what the add-in left there.
#include "host/driver/HostSession.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <stdexcept>

#include "host/sim/FaultTable.h"
#include "host/sim/Host.h"
#include "host/sim/HostArrays.h"
#include "host/sim/SimApplication.h"
#include "host/sim/SimApplicationCommandEvent.h"
#include "host/sim/SimAttributes.h"
#include "host/sim/SimBoolValueCommandInput.h"
#include "host/sim/SimCommand.h"
#include "host/sim/SimCommandControl.h"
#include "host/sim/SimCommandCreatedEvent.h"
#include "host/sim/SimCommandDefinition.h"
#include "host/sim/SimCommandDefinitions.h"
#include "host/sim/SimCommandEvent.h"
#include "host/sim/SimCommandInputs.h"
#include "host/sim/SimComponent.h"
#include "host/sim/SimCustomGraphicsGroup.h"
#include "host/sim/SimCustomGraphicsGroups.h"
#include "host/sim/SimDesign.h"
#include "host/sim/SimDropDownCommandInput.h"
#include "host/sim/SimSelections.h"
#include "host/sim/SimSketch.h"
#include "host/sim/SimSketchCurves.h"
#include "host/sim/SimSketchFixedSpline.h"
#include "host/sim/SimSketchFixedSplines.h"
#include "host/sim/SimSketches.h"
#include "host/sim/SimStringValueCommandInput.h"
#include "host/sim/SimTextBoxCommandInput.h"
#include "host/sim/SimToolbarControls.h"
#include "host/sim/SimToolbarPanel.h"
#include "host/sim/SimToolbarPanels.h"
#include "host/sim/SimUserInterface.h"
#include "host/sim/SimValueCommandInput.h"
#include "host/sim/SimWorkspace.h"
#include "host/sim/SimWorkspaces.h"
#include "host/sim/Units.h"

namespace fsim {

namespace {

std::shared_ptr<SimToolbarPanel> findPanel(const Host& host, const std::string& workspaceId,
                                           const std::string& panelId) {
  auto workspace = host.application->userInterface().workspaces().find(workspaceId);
  return workspace ? workspace->panels().find(panelId) : nullptr;
}

std::shared_ptr<SimCommandControl> findControl(const Host& host, const std::string& workspaceId,
                                               const std::string& panelId,
                                               const std::string& controlId) {
  auto panel = findPanel(host, workspaceId, panelId);
  return panel ? panel->controls().find(controlId) : nullptr;
}

SimCommand& openCommand(const Host& host) {
  if (!host.openCommand) throw std::runtime_error("no dialog is open");
  return *host.openCommand;
}

template <class Input>
Input& dialogInput(const Host& host, const std::string& id, const char* kind) {
  auto* input = dynamic_cast<Input*>(openCommand(host).inputs().find(id).get());
  if (!input) throw std::runtime_error("the dialog has no " + std::string(kind) + " '" + id + "'");
  return *input;
}

// An input the user can edit: one the dialog shows.
template <class Input>
Input& shownInput(const Host& host, const std::string& id, const char* kind) {
  Input& input = dialogInput<Input>(host, id, kind);
  if (!input.visible())
    throw std::runtime_error("the " + std::string(kind) + " '" + id + "' is hidden");
  return input;
}

// The unit text a parameter keeps, for one the host knows.
std::string parameterUnit(const std::string& unit) {
  const std::optional<Unit> known = unitNamed(unit);
  if (!known) throw std::invalid_argument("no unit '" + unit + "'");
  return known->text;
}

}  // namespace

// A spline as it stood before a command's handlers changed it.
struct SplineBefore {
  std::shared_ptr<SimSketchFixedSpline> spline;
  SimSketchFixedSpline::State state;
};

// The updates not yet undone, oldest first: each the splines one command's handlers changed.
struct HostSession::Updates {
  std::vector<std::vector<SplineBefore>> steps;
};

namespace {

adsk::core::CommandTerminationReason hostReason(CommandEnd reason) {
  return reason == CommandEnd::Completed   ? adsk::core::CompletedTerminationReason
         : reason == CommandEnd::Cancelled ? adsk::core::CancelledTerminationReason
                                           : adsk::core::AbortedTerminationReason;
}

// The splines changed in undo step `step`, with their states from before it.
std::vector<SplineBefore> changedIn(const Host& host, std::uint64_t step) {
  std::vector<SplineBefore> splines;
  for (const auto& sketch : host.application->design().root()->sketches().all()) {
    for (const auto& spline : sketch->curves().fixedSplines().all()) {
      if (std::optional<SimSketchFixedSpline::State> before = spline->stateBefore(step)) {
        splines.push_back({spline, std::move(*before)});
      }
    }
  }
  return splines;
}

void restore(const SplineBefore& before) {
  SimAttributes& attributes = before.spline->attributes();
  const std::vector<std::shared_ptr<SimAttribute>> now = attributes.all();
  for (const auto& attribute : now) {
    const AttributeInfo info = attribute->info();
    const std::vector<AttributeInfo>& old = before.state.attributes;
    const bool kept = std::any_of(old.begin(), old.end(), [&](const AttributeInfo& a) {
      return a.group == info.group && a.name == info.name;
    });
    if (!kept) {
      attributes.remove(*attribute);
      attribute->markDeleted();
    }
  }
  for (const AttributeInfo& old : before.state.attributes) {
    attributes.set(old.group, old.name, old.value);
  }
  before.spline->restoreCurve(before.state.curve);
}

}  // namespace

HostSession::HostSession()
    : host_(std::make_unique<Host>()), updates_(std::make_unique<Updates>()) {}

HostSession::~HostSession() = default;

void HostSession::addUserParameter(const std::string& name, double value, const std::string& unit) {
  host_->application->design().addUserParameter(name, value, parameterUnit(unit));
}

void HostSession::addModelParameter(const std::string& name, double value,
                                    const std::string& unit) {
  host_->application->design().addModelParameter(name, value, parameterUnit(unit));
}

void HostSession::addTextParameter(const std::string& name, const std::string& text) {
  host_->application->design().addTextParameter(name, text);
}

void HostSession::endPlayedCommand(const std::string& commandId, CommandEnd reason) {
  // The handlers' changes form an undo step of their own, apart from what comes before and after.
  const std::uint64_t step = ++host_->undoStep;
  host_->application->userInterface().raiseCommandTerminated(commandId, hostReason(reason));
  ++host_->undoStep;
  std::vector<SplineBefore> changed = changedIn(*host_, step);
  if (!changed.empty()) updates_->steps.push_back(std::move(changed));
}

void HostSession::changeParameters(const std::vector<std::pair<std::string, double>>& values,
                                   CommandEnd reason) {
  SimDesign& design = host_->application->design();
  for (const auto& [name, value] : values) {
    bool known = false;
    for (const auto& p : design.userParameters()) known = known || p->name() == name;
    for (const auto& p : design.modelParameters()) known = known || p->name() == name;
    if (!known) throw std::invalid_argument("no parameter named " + name);
  }
  for (const auto& [name, value] : values) design.setParameterValue(name, value);
  endPlayedCommand(kParametersCommandId, reason);
}

void HostSession::deleteParameter(const std::string& name) {
  if (!host_->application->design().deleteUserParameter(name)) {
    throw std::invalid_argument("no user parameter named " + name);
  }
  endPlayedCommand(kParametersCommandId, CommandEnd::Completed);
}

void HostSession::playCommand(const std::string& commandId, CommandEnd reason) {
  endPlayedCommand(commandId, reason);
}

void HostSession::undoLastUpdate() {
  if (updates_->steps.empty()) throw std::logic_error("no handlers' update is left to undo");
  const std::vector<SplineBefore> undone = std::move(updates_->steps.back());
  updates_->steps.pop_back();
  for (const SplineBefore& before : undone) {
    if (before.spline->alive()) restore(before);
  }
  endPlayedCommand(kUndoCommandId, CommandEnd::Completed);
}

std::vector<std::pair<std::string, double>> HostSession::parameters() const {
  std::vector<std::pair<std::string, double>> out;
  const SimDesign& design = host_->application->design();
  for (const auto& p : design.userParameters()) {
    if (!p->isText()) out.emplace_back(p->name(), p->value());
  }
  for (const auto& p : design.modelParameters()) out.emplace_back(p->name(), p->value());
  return out;
}

std::vector<ParameterInfo> HostSession::parametersWithUnits() const {
  std::vector<ParameterInfo> out;
  const SimDesign& design = host_->application->design();
  const auto info = [](const auto& p) {
    const std::optional<Unit> unit = unitNamed(p->unit());
    return ParameterInfo{p->name(), p->value(), p->unit(), p->expression(),
                         unit && unit->kind == UnitKind::Length};
  };
  for (const auto& p : design.userParameters()) {
    if (!p->isText()) out.push_back(info(p));
  }
  for (const auto& p : design.modelParameters()) out.push_back(info(p));
  return out;
}

void HostSession::setDistanceDisplayUnits(LengthUnitChoice unit) {
  host_->application->design().lengthUnit(unit);
}

LengthUnitChoice HostSession::distanceDisplayUnits() const {
  return host_->application->design().lengthUnit();
}

void HostSession::setActiveProduct(ActiveProduct product) {
  host_->application->activeProduct(product);
}

std::string HostSession::addSketch(SketchPlane plane) {
  return host_->application->design().root()->sketches().addSketch(plane, false)->name();
}

void HostSession::editSketch(const std::string& name) {
  auto sketch = host_->application->design().root()->sketches().find(name);
  if (!sketch) throw std::invalid_argument("no sketch named '" + name + "'");
  host_->application->editSketch(sketch);
}

void HostSession::finishSketchEdit() { host_->application->editSketch(nullptr); }

namespace {

std::shared_ptr<SimSketch> sketchNamed(const Host& host, const std::string& name) {
  auto sketch = host.application->design().root()->sketches().find(name);
  if (!sketch) throw std::invalid_argument("no sketch named '" + name + "'");
  return sketch;
}

std::shared_ptr<SimSketchFixedSpline> splineAt(const Host& host, const std::string& sketch,
                                               std::size_t index) {
  const auto& splines = sketchNamed(host, sketch)->curves().fixedSplines().all();
  if (index >= splines.size()) {
    throw std::invalid_argument("sketch '" + sketch + "' has no spline " + std::to_string(index));
  }
  return splines[index];
}

}  // namespace

std::size_t HostSession::addSpline(const std::string& sketch, const NurbsData& sketchSpaceCurve) {
  SimSketchFixedSplines& splines = sketchNamed(*host_, sketch)->curves().fixedSplines();
  splines.add(sketchSpaceCurve);
  return splines.all().size() - 1;
}

std::vector<AttributeInfo> HostSession::designAttributes() const {
  return host_->application->design().attributes().info();
}

void HostSession::setDesignAttribute(const AttributeInfo& attribute) {
  host_->application->design().attributes().set(attribute.group, attribute.name, attribute.value);
}

void HostSession::setSplineAttribute(const std::string& sketch, std::size_t index,
                                     const AttributeInfo& attribute) {
  splineAt(*host_, sketch, index)
      ->attributes()
      .set(attribute.group, attribute.name, attribute.value);
}

void HostSession::breakSplineLink(const std::string& sketch, std::size_t index) {
  splineAt(*host_, sketch, index)->breakLink();
}

void HostSession::selectSpline(const std::string& sketch, std::size_t index) {
  host_->application->userInterface().selections().select({splineAt(*host_, sketch, index)});
}

void HostSession::selectSketch(const std::string& sketch) {
  host_->application->userInterface().selections().select({sketchNamed(*host_, sketch)});
}

void HostSession::clearSelection() { host_->application->userInterface().selections().clearAll(); }

std::size_t HostSession::selectionCount() const {
  return host_->application->userInterface().selections().size();
}

void HostSession::addGraphicsGroup(const std::string& id) {
  host_->application->design().root()->graphicsGroups().addGroup(id);
}

void HostSession::deleteGraphicsGroup(std::size_t index) {
  SimCustomGraphicsGroups& groups = host_->application->design().root()->graphicsGroups();
  if (index >= groups.all().size()) {
    throw std::invalid_argument("no custom graphics group at index " + std::to_string(index));
  }
  std::shared_ptr<SimCustomGraphicsGroup> group = groups.all()[index];
  group->markDeleted();
  groups.removeEntity(group.get());
}

void HostSession::removePanel(const std::string& workspaceId, const std::string& panelId) {
  auto workspace = host_->application->userInterface().workspaces().find(workspaceId);
  if (!workspace || !workspace->panels().removePanel(panelId)) {
    throw std::invalid_argument("no panel '" + panelId + "' in workspace '" + workspaceId + "'");
  }
}

bool HostSession::hasControl(const std::string& workspaceId, const std::string& panelId,
                             const std::string& controlId) const {
  return findControl(*host_, workspaceId, panelId, controlId) != nullptr;
}

bool HostSession::hasCommandDefinition(const std::string& id) const {
  return host_->application->userInterface().commandDefinitions().find(id) != nullptr;
}

CommandDefinitionInfo HostSession::commandDefinitionInfo(const std::string& id) const {
  auto definition = host_->application->userInterface().commandDefinitions().find(id);
  if (!definition) throw std::runtime_error("no command definition '" + id + "'");
  return CommandDefinitionInfo{definition->id(), definition->name(), definition->tooltip(),
                               definition->resourceFolder()};
}

bool HostSession::isControlPromoted(const std::string& workspaceId, const std::string& panelId,
                                    const std::string& controlId) const {
  auto control = findControl(*host_, workspaceId, panelId, controlId);
  if (!control) {
    throw std::runtime_error("no control '" + controlId + "' on panel '" + panelId + "'");
  }
  return control->promoted();
}

void HostSession::click(const std::string& workspaceId, const std::string& panelId,
                        const std::string& controlId) {
  auto control = findControl(*host_, workspaceId, panelId, controlId);
  if (!control) {
    throw std::runtime_error("no control '" + controlId + "' on panel '" + panelId + "'");
  }
  if (!control->visible()) throw std::runtime_error("control '" + controlId + "' is hidden");
  auto definition = control->definition();
  if (!definition) {
    throw std::runtime_error("the command definition of control '" + controlId + "' is gone");
  }
  startCommand(definition);
}

bool HostSession::dialogOpen() const { return host_->openCommand != nullptr; }

std::vector<InputInfo> HostSession::inputs() const {
  std::vector<InputInfo> out;
  if (!host_->openCommand) return out;
  for (const auto& input : host_->openCommand->inputs().all()) out.push_back(input->info());
  return out;
}

std::string HostSession::helpFile() const {
  return host_->openCommand ? host_->openCommand->helpFile() : "";
}

void HostSession::setInputText(const std::string& id, const std::string& text) {
  shownInput<SimStringValueCommandInput>(*host_, id, "string input").userSetsValue(text);
  openCommand(*host_).raiseExecutePreview();
}

void HostSession::setInputValue(const std::string& id, double value) {
  shownInput<SimValueCommandInput>(*host_, id, "value input").userSetsValue(value);
  openCommand(*host_).raiseExecutePreview();
}

void HostSession::setInputExpression(const std::string& id, const std::string& expression) {
  shownInput<SimValueCommandInput>(*host_, id, "value input").userTypesExpression(expression);
  openCommand(*host_).raiseExecutePreview();
}

void HostSession::selectDropDownItem(const std::string& id, const std::string& itemName) {
  if (!shownInput<SimDropDownCommandInput>(*host_, id, "drop-down").userPicks(itemName)) {
    throw std::runtime_error("the drop-down '" + id + "' has no item '" + itemName + "'");
  }
  openCommand(*host_).raiseExecutePreview();
}

void HostSession::typeIntoTextBox(const std::string& id, const std::string& text) {
  if (!shownInput<SimTextBoxCommandInput>(*host_, id, "text box").userTypes(text)) {
    throw std::runtime_error("the text box '" + id + "' is read-only");
  }
  openCommand(*host_).raiseExecutePreview();
}

void HostSession::setCheckBox(const std::string& id, bool checked) {
  SimBoolValueCommandInput& box = shownInput<SimBoolValueCommandInput>(*host_, id, "check box");
  if (!box.checkBox()) throw std::runtime_error("the input '" + id + "' is a button");
  box.userSetsValue(checked);
  openCommand(*host_).raiseExecutePreview();
}

std::string HostSession::textBoxText(const std::string& id) const {
  return dialogInput<SimTextBoxCommandInput>(*host_, id, "text box").plainText();
}

void HostSession::confirm() {
  openCommand(*host_);
  endCommand(true, adsk::core::CompletedTerminationReason);
}

void HostSession::confirmWithExecuteTwice() {
  openCommand(*host_);
  endCommand(true, adsk::core::CompletedTerminationReason, 2);
}

void HostSession::cancel() {
  openCommand(*host_);
  endCommand(false, adsk::core::CancelledTerminationReason);
}

std::vector<MessageBoxRecord> HostSession::messageBoxes() const { return host_->messageBoxes; }

std::vector<SketchInfo> HostSession::sketches() const {
  std::vector<SketchInfo> out;
  for (const auto& sketch : host_->application->design().root()->sketches().all()) {
    out.push_back(sketch->info());
  }
  return out;
}

std::vector<GraphicsGroupInfo> HostSession::graphicsGroups() const {
  std::vector<GraphicsGroupInfo> out;
  for (const auto& group : host_->application->design().root()->graphicsGroups().all()) {
    out.push_back(group->info());
  }
  return out;
}

int HostSession::viewportRefreshes() const { return host_->viewportRefreshes; }

std::vector<HeldObject> HostSession::heldObjects() const {
  std::vector<HeldObject> out;
  SimObject::forEachObject([&out](SimObject& object) {
    if (object.outsideReferences() > 0) {
      out.push_back(HeldObject{object.typeName(), object.outsideReferences()});
    }
  });
  return out;
}

std::size_t HostSession::handlerCount(const std::string& event) const {
  const std::string createdPrefix = "commandCreated:";
  if (event.compare(0, createdPrefix.size(), createdPrefix) == 0) {
    auto definition = host_->application->userInterface().commandDefinitions().find(
        event.substr(createdPrefix.size()));
    return definition ? definition->commandCreated().links().count() : 0;
  }
  const SimUserInterface& ui = host_->application->userInterface();
  if (event == "commandStarting") return ui.commandStartingEvent().links().count();
  if (event == "commandTerminated") return ui.commandTerminatedEvent().links().count();
  if (!host_->openCommand) return 0;
  const SimCommand& command = *host_->openCommand;
  if (event == "execute") return command.executeEvent().links().count();
  if (event == "destroy") return command.destroyEvent().links().count();
  if (event == "executePreview") return command.executePreviewEvent().links().count();
  return 0;
}

void HostSession::failOperation(const std::string& operation, FaultMode mode, int call) {
  host_->faults.fail(operation, mode, call);
}

void HostSession::clearFaults() { host_->faults.clear(); }

std::map<std::string, int> HostSession::operationCalls() const { return host_->faults.calls(); }

void HostSession::resetOperationCalls() { host_->faults.resetCalls(); }

std::vector<std::string> HostSession::operationNames() { return FaultTable::operationNames(); }

std::vector<std::string> HostSession::handlerErrors() const { return host_->handlerErrors; }

int HostSession::nonStandardHandlerErrors() const {
  return static_cast<int>(std::count(host_->handlerErrors.begin(), host_->handlerErrors.end(),
                                     Host::kNonStandardError));
}

HostAllocations HostSession::allocations() { return hostAllocations(); }

}  // namespace fsim
