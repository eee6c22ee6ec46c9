// The driver of the simulated Fusion 360 host: it starts a host session, loads add-in libraries
// and plays the user (clicks, dialog edits, OK and Cancel), and lets tests, benchmarks and the
// command-line host `sorvane` inspect what the add-in did to the host. Everything here lives in
// libfusionsim.so next to the stand-in API implementation.
#pragma once

#include <array>
#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "host/values/HostTypes.h"

namespace fsim {

/// One dlopen'ed add-in library. The destructor unloads it if still loaded.
class AddInLibrary {
 public:
  /// Loads the library (RTLD_NOW | RTLD_LOCAL) and finds its exported run and stop.
  /// Throws std::runtime_error with the dlerror() text when either fails.
  explicit AddInLibrary(const std::string& path);
  ~AddInLibrary();
  AddInLibrary(const AddInLibrary&) = delete;
  AddInLibrary& operator=(const AddInLibrary&) = delete;

  /// Calls the exported run(context) and answers its result. Throws std::logic_error if unloaded.
  bool run(const std::string& context);
  /// Calls the exported stop(context) and answers its result. Throws std::logic_error if unloaded.
  bool stop(const std::string& context);
  /// dlclose; idempotent. The library's static destructors run here.
  void unload();
  bool loaded() const;

 private:
  using EntryPoint = bool (*)(const char*);
  void* handle_ = nullptr;
  EntryPoint run_ = nullptr;
  EntryPoint stop_ = nullptr;
};

class Host;

/// One simulated Fusion 360 process. Only one may exist at a time (Application::get() answers it);
/// constructing a second one throws std::logic_error.
class HostSession {
 public:
  /// Application + user interface (workspace "FusionSolidEnvironment" with panel "SketchPanel" and
  /// a few other real workspaces and panels); the active product is a new empty design.
  HostSession();
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  // The design
  /// A numeric parameter with its value in internal units (cm for lengths, radians for angles)
  /// and its unit as Parameter::unit gives it: "" for none, a length ("mm", "cm", "m", "um",
  /// "in", "ft", "yd", "hm", "mi", "mil", "nmi"; "micron" reads "um") or an angle ("deg",
  /// "rad"). Its expression is the value in that unit, e.g. "5 mm" for 0.5 with "mm". Throws
  /// std::invalid_argument for another unit.
  void addUserParameter(const std::string& name, double value, const std::string& unit = "");
  void addModelParameter(const std::string& name, double value, const std::string& unit = "");
  /// A user parameter that holds a text, such as Fusion's text parameters: it is listed with the
  /// others, and asking it for a number fails.
  void addTextParameter(const std::string& name, const std::string& text);
  /// The Parameters dialog, confirmed: sets each named parameter's value, then raises
  /// commandTerminated for kParametersCommandId with `reason` (the real host is not known to
  /// report this dialog's OK as completed). Throws std::invalid_argument, before changing
  /// anything, for a name no parameter has.
  void changeParameters(const std::vector<std::pair<std::string, double>>& values,
                        CommandEnd reason = CommandEnd::Completed);
  /// The Parameters dialog deleting a user parameter, confirmed; then commandTerminated as above
  /// (completed). Throws std::invalid_argument for a name no user parameter has.
  void deleteParameter(const std::string& name);
  /// Any other command of the host that starts and ends without touching the design, such as a
  /// measurement: commandTerminated with `commandId` and `reason`.
  void playCommand(const std::string& commandId, CommandEnd reason);
  /// Undo of the latest update not yet undone, an update being what the handlers of a command
  /// ended here (by the four calls above, or by this one) changed of the splines, as the host
  /// keeps their changes as an undo step of their own: every spline whose shape or attributes
  /// they changed gets back the shape and attributes it had before them; the parameters stay as
  /// they are. Called again, it takes back the update before that, and so on; handlers that
  /// changed no spline leave no update to take back. Then, Undo being a command too,
  /// commandTerminated for kUndoCommandId (completed), whose handlers' changes, if any, become
  /// the latest update. What else changes a spline (a dialog's OK, setSplineAttribute) is no
  /// step here. Throws std::logic_error, changing nothing, when no update is left.
  void undoLastUpdate();
  /// The numeric parameters in design order: user parameters, then model parameters. Text
  /// parameters have no number and are left out.
  std::vector<std::pair<std::string, double>> parameters() const;
  /// The same parameters, in the same order, with their units and expressions.
  std::vector<ParameterInfo> parametersWithUnits() const;
  /// The user's choice of the design's default length unit (the FusionUnitsManager's
  /// distanceDisplayUnits; centimetres in a new design). Numbers typed without a unit into an
  /// expression for "DefaultDistance" take it, and UnitsManager::defaultLengthUnits gives its
  /// text (lengthUnitText).
  void setDistanceDisplayUnits(LengthUnitChoice unit);
  LengthUnitChoice distanceDisplayUnits() const;
  void setActiveProduct(ActiveProduct product);
  /// Adds a sketch on a plane of the root component and returns its name; not put in edit. The
  /// sketch's space is the plane's (see SketchPlane).
  std::string addSketch(SketchPlane plane);
  /// That sketch becomes the active edit object. Throws std::invalid_argument for an unknown name.
  void editSketch(const std::string& name);
  /// Adds a fixed spline, in sketch space, to a sketch, as one saved in the design (linked, no
  /// attributes); returns its 0-based index. Throws std::invalid_argument for an unknown sketch.
  std::size_t addSpline(const std::string& sketch, const NurbsData& sketchSpaceCurve);
  /// The attributes on the design itself (Product::attributes), in the order added.
  std::vector<AttributeInfo> designAttributes() const;
  /// Adds an attribute to the design itself, or replaces the value of one of the same group and
  /// name, as a design saved with it would hold it.
  void setDesignAttribute(const AttributeInfo& attribute);
  /// Adds the attribute to a spline, or replaces the value of one of the same group and name.
  /// Throws std::invalid_argument for an unknown sketch or spline index.
  void setSplineAttribute(const std::string& sketch, std::size_t index,
                          const AttributeInfo& attribute);
  /// The user's "break link" on a spline an add-in made. Throws as setSplineAttribute.
  void breakSplineLink(const std::string& sketch, std::size_t index);
  /// The user selects that one spline (0-based); the selection holds nothing else. Throws as
  /// setSplineAttribute.
  void selectSpline(const std::string& sketch, std::size_t index);
  /// The user selects the sketch itself, which is no spline.
  void selectSketch(const std::string& sketch);
  /// Nothing is selected.
  void clearSelection();
  /// How many objects are selected.
  std::size_t selectionCount() const;
  /// The root component becomes the active edit object.
  void finishSketchEdit();
  /// Appends an empty custom graphics group with `id` to the root component, as another add-in
  /// would make one.
  void addGraphicsGroup(const std::string& id);
  /// Deletes the root component's custom graphics group at `index` (in graphicsGroups() order),
  /// as the user or another add-in would. Throws std::invalid_argument for an index out of range.
  void deleteGraphicsGroup(std::size_t index);
  /// Removes a panel from a workspace (as a workspace without it would look). Throws
  /// std::invalid_argument for an unknown workspace or panel.
  void removePanel(const std::string& workspaceId, const std::string& panelId);

  // The user interface, as a user uses it
  bool hasControl(const std::string& workspaceId, const std::string& panelId,
                  const std::string& controlId) const;
  bool hasCommandDefinition(const std::string& id) const;
  /// Throws std::runtime_error when there is no definition with that ID.
  CommandDefinitionInfo commandDefinitionInfo(const std::string& id) const;
  /// Whether the control shows on the panel itself, not only in the panel's drop-down list.
  /// Throws std::runtime_error when there is no such control.
  bool isControlPromoted(const std::string& workspaceId, const std::string& panelId,
                         const std::string& controlId) const;
  /// Creates a Command with empty inputs and raises commandCreated on every attached handler; the
  /// dialog stays open (a dialog still open is cancelled first). Throws std::runtime_error if no
  /// such control.
  void click(const std::string& workspaceId, const std::string& panelId,
             const std::string& controlId);
  bool dialogOpen() const;
  /// The open dialog's inputs in creation order (empty when no dialog is open), hidden ones
  /// included (InputInfo::visible).
  std::vector<InputInfo> inputs() const;
  /// The open dialog's command help file.
  std::string helpFile() const;
  /// User edit of a string input; raises executePreview. Throws std::runtime_error when no dialog
  /// is open or no string input has that ID, or the add-in hid it (as for every user edit below).
  void setInputText(const std::string& id, const std::string& text);
  /// User edit of a value input (its expression becomes the number's text); raises
  /// executePreview. Throws std::runtime_error when no dialog is open or no value input has it.
  void setInputValue(const std::string& id, double value);
  /// User edit of a value input: `expression` typed in, evaluated with pi and the design's
  /// numeric parameters (evaluateInDesign); one that does not evaluate leaves the input invalid
  /// with its last valid value. Raises executePreview. Throws as setInputValue.
  void setInputExpression(const std::string& id, const std::string& expression);
  /// The user picks the first item named itemName in a drop-down: it becomes the selected one (in
  /// a check box list it is checked or unchecked); raises executePreview. Throws
  /// std::runtime_error when no dialog is open, no shown drop-down has that ID, or no item that
  /// name.
  void selectDropDownItem(const std::string& id, const std::string& itemName);
  /// User edit of a text box the add-in left editable (its text becomes `text`, line breaks
  /// included); raises executePreview. Throws std::runtime_error when no dialog is open, no shown
  /// text box has that ID, or it is read-only.
  void typeIntoTextBox(const std::string& id, const std::string& text);
  /// The user ticks (`checked`) or clears a check box; raises executePreview. Throws
  /// std::runtime_error when no dialog is open, no shown bool input has that ID, or it is a button.
  void setCheckBox(const std::string& id, bool checked);
  /// The text of a text box input. Throws std::runtime_error when there is none with that ID.
  std::string textBoxText(const std::string& id) const;
  /// OK: raises execute (CommandEventArgs whose firingEvent's sender is the Command), then
  /// destroy; the dialog is closed. Throws std::runtime_error when no dialog is open.
  void confirm();
  /// OK as a host that stutters: execute raised twice on the same command, then destroy.
  void confirmWithExecuteTwice();
  /// Cancel: raises destroy only; the dialog is closed. Throws std::runtime_error when no dialog
  /// is open.
  void cancel();

  // Inspection
  std::vector<MessageBoxRecord> messageBoxes() const;
  std::vector<SketchInfo> sketches() const;
  /// The root component's custom graphics groups, in collection order.
  std::vector<GraphicsGroupInfo> graphicsGroups() const;
  int viewportRefreshes() const;
  /// Every host object that Ptrs outside the host still reference (live or already deleted), oldest
  /// first. Process-wide: objects an earlier session left referenced are listed too.
  std::vector<HeldObject> heldObjects() const;
  /// event: "commandCreated:<definitionId>", "commandStarting", "commandTerminated", or "execute",
  /// "destroy", "executePreview" of the open dialog's command (0 when there is no such definition
  /// or no dialog).
  std::size_t handlerCount(const std::string& event) const;

  // Fault injection: the named operation answers null/false (0, DialogError, ... for other
  // results) and Application::getLastError reports it.
  /// Calls are counted from this call of failOperation on: call 1 is the operation's next call.
  /// Replaces an earlier fault of the same operation. Throws std::invalid_argument for a name not
  /// in operationNames() or a call below 1.
  void failOperation(const std::string& operation, FaultMode mode, int call = 1);
  void clearFaults();
  /// How often each operation was called (faulted or not) since the session started or
  /// resetOperationCalls() ran; operations not called have no entry. A test learns this way which
  /// operations one user move makes the add-in call.
  std::map<std::string, int> operationCalls() const;
  void resetOperationCalls();
  /// Every operation name, "Class.member", e.g. "Application.activeProduct",
  /// "Component.customGraphicsGroups", "CustomGraphicsGroups.add", "Sketches.add",
  /// "NurbsCurve3D.createNonRational", "CommandInputs.itemById", "UserInterface.workspaces".
  static std::vector<std::string> operationNames();

  // Diagnostics beyond the add-in's contract
  /// Texts of exceptions that left an event handler's notify (the host swallowed them).
  std::vector<std::string> handlerErrors() const;
  /// How many of those were not std::exceptions (which an add-in must never let out).
  int nonStandardHandlerErrors() const;
  /// Host buffers allocated and freed so far (process-wide).
  static HostAllocations allocations();

 private:
  // Ends a command with commandTerminated and remembers what its handlers changed.
  void endPlayedCommand(const std::string& commandId, CommandEnd reason);

  struct Updates;
  std::unique_ptr<Host> host_;
  std::unique_ptr<Updates> updates_;
};

}  // namespace fsim
