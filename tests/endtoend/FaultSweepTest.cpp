// The fault sweep: for each user move (run, the first click, an input change outside and inside a
// sketch, OK outside and inside a sketch and with the fewest controls asked for, Cancel, stop,
// unloading with a preview shown) and for every host operation that move calls, that operation
// answers null or false once, from its first call on, and at each later call it gets. Whatever
// fails, nothing may crash, only standard exceptions may leave a handler, the user must see either
// the move's normal result or its failure (never half a result passed off as success), and once the
// host answers again the add-in must stop cleanly and let go of everything.
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "AddInTest.h"

using vintrel::dialog::kCommandId;
using vintrel::dialog::kFewestControlsInputId;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kPanelId;
using vintrel::dialog::kStatusDisplayId;
using vintrel::dialog::kWorkspaceId;
using vintrel::dialog::kXFunctionInputId;
using vintrel::dialog::kYFunctionInputId;
using vintrel::dialog::kZFunctionInputId;

namespace {

constexpr char kUnknownException[] = "Unknown exception";
constexpr char kErrorMessageStart[] = "An unexpected condition was encountered.";
constexpr char kNotStoredMessageStart[] =
    "The curve was drawn, but its formula could not be stored on it: ";
const std::string kCommandCreated = std::string("commandCreated:") + kCommandId;

int pairsTried = 0;
int faultsTried = 0;

// ctest runs each scenario in a process of its own, so each prints its own total.
class SweepTotals : public ::testing::Environment {
 public:
  void TearDown() override {
    std::printf("fault sweep: %d (scenario, operation) pairs, %d faults\n", pairsTried,
                faultsTried);
  }
};

const auto* const sweepTotals = ::testing::AddGlobalTestEnvironment(new SweepTotals);

/// One host process with the add-in loaded, made afresh for every fault.
struct Session {
  fsim::HostSession host;
  fsim::AddInLibrary addIn{VINTREL_ADDIN_PATH};

  void click() { host.click(kWorkspaceId, kPanelId, kCommandId); }
  bool registered() const {
    return host.hasControl(kWorkspaceId, kPanelId, kCommandId) ||
           host.hasCommandDefinition(kCommandId);
  }
};

/// What the user and the host can see after a move.
struct Outcome {
  bool result = false;  ///< run's or stop's answer; true for the other moves
  std::vector<fsim::MessageBoxRecord> messages;
  bool dialogOpen = false;
  std::optional<std::string> status;
  std::vector<fsim::GraphicsGroupInfo> previewGroups;
  std::vector<fsim::SketchInfo> sketches;
  HeldReferences held;
  std::vector<std::string> handlerErrors;
  bool control = false, definition = false;
  bool registered = false;  ///< control or definition still there
  std::size_t createdHandlers = 0;
  std::size_t terminatedHandlers = 0;  ///< the parameter follower, while attached
};

Outcome observe(const Session& session, bool result) {
  const fsim::HostSession& host = session.host;
  Outcome outcome;
  outcome.result = result;
  outcome.messages = host.messageBoxes();
  outcome.dialogOpen = host.dialogOpen();
  try {
    if (outcome.dialogOpen) outcome.status = host.textBoxText(kStatusDisplayId);
  } catch (const std::runtime_error&) {
    // The dialog could not create its text box.
  }
  outcome.previewGroups = previewGroupsOf(host);
  outcome.sketches = host.sketches();
  outcome.held = heldReferences(host);
  outcome.handlerErrors = host.handlerErrors();
  outcome.control = host.hasControl(kWorkspaceId, kPanelId, kCommandId);
  outcome.definition = host.hasCommandDefinition(kCommandId);
  outcome.registered = outcome.control || outcome.definition;
  outcome.createdHandlers = host.handlerCount(kCommandCreated);
  outcome.terminatedHandlers = host.handlerCount("commandTerminated");
  return outcome;
}

// A text or number the host does not give reads as empty or zero, so the curve changes: it is
// computed and counted as usual, or, when every text reads empty or both ends zero, it collapses
// to one point, which the status says instead of drawing anything.
// A design whose display unit the host does not tell reads as the enumeration's first, millimetres.
// A check box the host does not tell reads as clear: the curve is fitted on the specified counts.
const std::set<std::string> kReadAsValues{
    "StringValueCommandInput.value", "ValueCommandInput.value",
    "FusionUnitsManager.distanceDisplayUnits", "BoolValueCommandInput.value"};
// A tolerance read as zero is refused, not fitted with.
constexpr char kToleranceRefused[] = "Tolerance must be a number from ";
// A drop-down item whose name the host does not give is no unit or coordinate system: the status
// says so and nothing is drawn or created.
const std::set<std::string> kReadAsNoChoice{"ListItem.name"};
constexpr char kUnknownChoice[] = " is not a choice this add-in knows";
// A validity the host does not tell reads as an expression it cannot evaluate: the status says so
// and nothing is drawn or created.
const std::set<std::string> kReadAsInvalid{"ValueCommandInput.isValidExpression"};
constexpr char kInvalidExpression[] = " is not a valid expression: ";
// Without the text box, or when the host refuses its new text, the status cannot change; without
// the command or its inputs the preview handler has nothing to update.
const std::set<std::string> kStatusUnchanged{"CommandInputs.itemById", "TextBoxCommandInput.text",
                                             "CommandEventArgs.command", "Command.commandInputs"};
// An edit object the host does not give reads as no sketch in edit: the preview is then drawn
// in model space, as OK would then create it in a new sketch on the XY plane.
const std::set<std::string> kEditTargetUnknown{"Application.activeEditObject"};
// The API offers no way to delete a sketch, so one made before the spline is refused stays.
const std::set<std::string> kAfterNewSketch{
    "Sketch.sketchCurves", "SketchCurves.sketchFixedSplines", "SketchFixedSplines.addByNurbsCurve"};
// A refused look-up reads as a control or definition the user already removed, which is no error.
const std::set<std::string> kRegistrationLookUps{"ToolbarControls.itemById",
                                                 "CommandDefinitions.itemById"};

/// The fault of one sweep pass, and what the same move gave before and without it.
struct Fault {
  std::string operation;
  fsim::FaultMode mode;
  int call;
  const Outcome& before;
  const Outcome& faultFree;
  const std::set<std::string>& removalOperations;  ///< what deleting a preview calls

  bool is(const std::set<std::string>& operations) const { return operations.count(operation) > 0; }
  bool blocksPreviewRemoval() const { return is(removalOperations); }
};

bool sameCurve(const fsim::NurbsData& a, const fsim::NurbsData& b) {
  return a.degree == b.degree && a.controlPoints == b.controlPoints && a.knots == b.knots;
}

int curvesIn(const std::vector<fsim::GraphicsGroupInfo>& groups) {
  int curves = 0;
  for (const auto& group : groups) curves += static_cast<int>(group.curves.size());
  return curves;
}

// Only standard exceptions may leave a handler; those that do are the null-object error.
void expectOnlyNullObjectErrorsLeftHandlers(const Outcome& outcome) {
  for (const std::string& error : outcome.handlerErrors) EXPECT_EQ(error, kUnknownException);
}

// Every type held at most as often as `allowed` says.
void expectHeldWithin(const HeldReferences& held, const HeldReferences& allowed) {
  for (const auto& [type, references] : held) {
    const auto limit = allowed.find(type);
    EXPECT_LE(references, limit == allowed.end() ? 0 : limit->second) << type;
  }
}

// run: registered as without the fault, or false with the unexpected-error message ending in
// the null-object error's text (no message at all while no user interface is known).
void checkRun(const Outcome& outcome, const Fault& fault) {
  if (outcome.result) {
    EXPECT_TRUE(outcome.control);
    EXPECT_TRUE(outcome.definition);
    // run does not check the attach: the host also refuses a second attach of the same handler,
    // which must not fail a run that reuses a definition an earlier run left.
    EXPECT_EQ(outcome.createdHandlers, fault.is({"CommandCreatedEvent.add"}) ? 0u : 1u);
    // Nor does it check the start-up message's box, whose answer tells it nothing.
    EXPECT_EQ(outcome.messages.size(),
              fault.faultFree.messages.size() - (fault.is({"UserInterface.messageBox"}) ? 1 : 0));
    EXPECT_EQ(outcome.held, heldBetweenEvents(false));
    return;
  }
  expectHeldWithin(outcome.held, heldBetweenEvents(false));
  EXPECT_FALSE(outcome.control);
  const bool noUserInterface =
      fault.operation == "Application.get" || fault.operation == "Application.userInterface";
  ASSERT_EQ(outcome.messages.size(), noUserInterface ? 0u : 1u);
  if (noUserInterface) return;
  const std::string& text = outcome.messages[0].text;
  EXPECT_EQ(text.rfind(kErrorMessageStart, 0), 0u) << text;
  const std::string lastLine = text.substr(text.rfind('\n') + 1);
  EXPECT_EQ(lastLine, kUnknownException);
}

// A preview move: the count and the same curve as without the fault, or the null-object error's
// text with no curve drawn.
void checkPreview(const Outcome& outcome, const Fault& fault) {
  ASSERT_TRUE(fault.faultFree.status);
  ASSERT_NE(fault.faultFree.status->find(" spline controls"), std::string::npos);
  EXPECT_TRUE(outcome.held == heldBetweenEvents(false) || outcome.held == heldBetweenEvents(true));
  if (!outcome.status) return;  // no text box: nowhere to say anything
  const std::string& status = *outcome.status;
  const int curves = curvesIn(outcome.previewGroups);
  // An old preview whose removal the fault blocked stays, and may even take the new curve.
  const int leftBehind = fault.blocksPreviewRemoval() ? 1 : 0;
  if (status == kUnknownException) {
    EXPECT_LE(curves, fault.mode == fsim::FaultMode::Once ? 0 : leftBehind);
  } else if (status == fault.before.status.value_or("") && fault.is(kStatusUnchanged)) {
    EXPECT_LE(curves, 1 + leftBehind);
  } else if (status == *fault.faultFree.status && !leftBehind) {
    ASSERT_EQ(outcome.previewGroups.size(), 1u);
    ASSERT_EQ(outcome.previewGroups[0].curves.size(), 1u);
    const auto& expected = fault.faultFree.previewGroups[0].curves[0].curve;
    EXPECT_TRUE(sameCurve(outcome.previewGroups[0].curves[0].curve, expected) ||
                fault.is(kReadAsValues) || fault.is(kEditTargetUnknown));
  } else if (fault.is(kReadAsValues) && (status.rfind("The curve is a single point (", 0) == 0 ||
                                         status.rfind("The t range is empty: ", 0) == 0 ||
                                         status.rfind(kToleranceRefused, 0) == 0)) {
    EXPECT_LE(curves, leftBehind);
  } else if ((fault.is(kReadAsInvalid) && status.find(kInvalidExpression) != std::string::npos) ||
             (fault.is(kReadAsNoChoice) && status.find(kUnknownChoice) != std::string::npos)) {
    EXPECT_LE(curves, leftBehind);
  } else if (status == *fault.faultFree.status || fault.is(kReadAsValues)) {
    EXPECT_NE(status.find(" spline controls"), std::string::npos) << status;
    EXPECT_GE(curves, 1);
    EXPECT_LE(curves, 1 + leftBehind);
  } else {
    ADD_FAILURE() << "status " << status;
  }
}

// The first preview runs inside the command-created handler, which lets the null-object error out
// when it cannot reach the text box; later previews run in the catching wrapper.
void checkFirstPreview(const Outcome& outcome, const Fault& fault) {
  expectOnlyNullObjectErrorsLeftHandlers(outcome);
  checkPreview(outcome, fault);
}

void checkLaterPreview(const Outcome& outcome, const Fault& fault) {
  EXPECT_TRUE(outcome.handlerErrors.empty());
  // Only a move that changes the count tells a stale preview from a new one.
  ASSERT_NE(fault.before.status, fault.faultFree.status);
  checkPreview(outcome, fault);
}

// OK: one spline as without the fault, in the same sketch, or nothing at all; never a new sketch
// left empty while the user is told nothing, and never a spline the host refused told as drawn.
void checkConfirm(const Outcome& outcome, const Fault& fault) {
  EXPECT_TRUE(outcome.handlerErrors.empty());
  EXPECT_FALSE(outcome.dialogOpen);
  const auto& expected = fault.faultFree.sketches;
  const fsim::NurbsData* expectedSpline = nullptr;
  for (const auto& sketch : expected) {
    if (!sketch.splines.empty()) expectedSpline = &sketch.splines[0];
  }
  ASSERT_NE(expectedSpline, nullptr);
  int splines = 0;
  for (const auto& sketch : outcome.sketches) {
    if (sketch.createdDuringSession && !fault.is(kAfterNewSketch)) {
      EXPECT_EQ(sketch.splines.size(), 1u) << sketch.name;
    }
    for (const auto& spline : sketch.splines) {
      EXPECT_TRUE(sameCurve(spline, *expectedSpline) || fault.is(kReadAsValues));
      ++splines;
    }
  }
  EXPECT_LE(splines, 1);
  for (const fsim::MessageBoxRecord& message : outcome.messages) {
    if (message.text.rfind(kNotStoredMessageStart, 0) == 0) {
      EXPECT_EQ(splines, 1) << message.text;
    }
  }
  EXPECT_EQ(outcome.held, heldBetweenEvents(false));
}

// Cancel: the dialog closes and the preview goes.
void checkCancel(const Outcome& outcome, const Fault& fault) {
  EXPECT_TRUE(outcome.handlerErrors.empty());
  EXPECT_FALSE(outcome.dialogOpen);
  EXPECT_EQ(outcome.held, heldBetweenEvents(false));
  if (!fault.blocksPreviewRemoval()) {
    EXPECT_TRUE(outcome.previewGroups.empty());
  }
}

// stop: true with the command removed and nothing held, or false with both references kept so
// that a later stop can finish the job.
void checkStop(const Outcome& outcome, const Fault& fault) {
  if (outcome.result) {
    EXPECT_FALSE(outcome.registered && !fault.is(kRegistrationLookUps));
    EXPECT_EQ(outcome.terminatedHandlers, 0u);
    EXPECT_EQ(outcome.held, HeldReferences());
  } else {
    EXPECT_EQ(outcome.held, heldBetweenEvents(false));
    // Something the library's unloading would leave calling into it stays for a later stop.
    EXPECT_TRUE(outcome.registered || outcome.terminatedHandlers > 0);
    // A refused control never keeps the definition, whose handler would outlive the library.
    EXPECT_FALSE(outcome.definition && fault.is({"ToolbarControl.deleteMe"}));
  }
  if (!fault.blocksPreviewRemoval()) {
    EXPECT_TRUE(outcome.previewGroups.empty());
  }
}

// Unloading: whatever the preview's removal could not do, nothing stays referenced.
void checkUnload(const Outcome& outcome, const Fault& fault) {
  EXPECT_EQ(outcome.held, HeldReferences());
  if (!fault.blocksPreviewRemoval()) {
    EXPECT_TRUE(outcome.previewGroups.empty());
  }
}

// Editing: the spline and its definition as they stood before the move.
const fsim::NurbsData& editedSpline(const Outcome& outcome) {
  return outcome.sketches.at(0).splines.at(0);
}
const std::string& editedDefinition(const Outcome& outcome) {
  return outcome.sketches.at(0).splineAttributes.at(0).at(0).value;
}

HeldReferences heldWhileEditing() {
  HeldReferences held = heldBetweenEvents(true);
  held["adsk::fusion::SketchFixedSpline"] = 1;
  return held;
}

// Opening on a selected formula curve: its inputs and the edit note with a count, the defaults
// of a new curve (a selection the host could not tell), or the null-object error; the curve in
// the design is left as it was.
void checkOpenOnCurve(const Outcome& outcome, const Fault& fault) {
  expectOnlyNullObjectErrorsLeftHandlers(outcome);
  expectHeldWithin(outcome.held, heldWhileEditing());
  ASSERT_EQ(outcome.sketches.size(), 1u);
  EXPECT_TRUE(sameCurve(editedSpline(outcome), editedSpline(fault.before)));
  EXPECT_EQ(editedDefinition(outcome), editedDefinition(fault.before));
  if (!outcome.status) return;
  const std::string& status = *outcome.status;
  // Inputs the host does not give read as empty or zero: the curve may then be a single point.
  const bool readAsPoint =
      fault.is(kReadAsValues) &&
      (status.rfind("The curve is a single point (", 0) == 0 ||
       status.rfind("The t range is empty: ", 0) == 0 || status.rfind(kToleranceRefused, 0) == 0);
  const bool readAsInvalid =
      (fault.is(kReadAsInvalid) && status.find(kInvalidExpression) != std::string::npos) ||
      (fault.is(kReadAsNoChoice) && status.find(kUnknownChoice) != std::string::npos);
  EXPECT_TRUE(status.rfind(kUnknownException, 0) == 0 ||
              status.find(" spline controls") != std::string::npos || fault.is(kStatusUnchanged) ||
              readAsPoint || readAsInvalid)
      << status;
}

// OK on an edited curve: the same spline, either with its new shape and new definition or with
// its old shape and old definition, and never a new sketch or spline.
void checkReplace(const Outcome& outcome, const Fault& fault) {
  EXPECT_TRUE(outcome.handlerErrors.empty());
  EXPECT_FALSE(outcome.dialogOpen);
  EXPECT_EQ(outcome.held, heldBetweenEvents(false));
  ASSERT_EQ(outcome.sketches.size(), 1u);
  ASSERT_EQ(outcome.sketches[0].splines.size(), 1u);
  const bool oldShape = sameCurve(editedSpline(outcome), editedSpline(fault.before));
  const bool oldDefinition = editedDefinition(outcome) == editedDefinition(fault.before);
  if (fault.is(kReadAsValues)) {
    EXPECT_EQ(oldShape, oldDefinition);
    return;
  }
  const bool newShape = sameCurve(editedSpline(outcome), editedSpline(fault.faultFree));
  const bool newDefinition = editedDefinition(outcome) == editedDefinition(fault.faultFree);
  EXPECT_TRUE((oldShape && oldDefinition) || (newShape && newDefinition));
}

// Following a parameter change: the spline keeps shape and definition together (old with old,
// new with new), the handler lets nothing out, and at most one message tells of a failure.
void checkFollow(const Outcome& outcome, const Fault& fault) {
  EXPECT_TRUE(outcome.handlerErrors.empty());
  EXPECT_EQ(outcome.held, heldBetweenEvents(false));
  EXPECT_LE(outcome.messages.size(), fault.before.messages.size() + 1);
  ASSERT_EQ(outcome.sketches.size(), 1u);
  ASSERT_EQ(outcome.sketches[0].splines.size(), 1u);
  const bool oldShape = sameCurve(editedSpline(outcome), editedSpline(fault.before));
  const bool oldDefinition = editedDefinition(outcome) == editedDefinition(fault.before);
  EXPECT_EQ(oldShape, oldDefinition);
  if (editedDefinition(outcome) == editedDefinition(fault.faultFree)) {
    EXPECT_TRUE(sameCurve(editedSpline(outcome), editedSpline(fault.faultFree)));
  }
}

struct Scenario {
  const char* name;
  std::function<void(Session&)> setUp;  ///< brings the host, fault-free, to just before the move
  std::function<bool(Session&)> move;
  std::function<void(const Outcome&, const Fault&)> check;
};

void openDialog(Session& session) {
  ASSERT_TRUE(session.addIn.run(""));
  session.click();
  ASSERT_TRUE(session.host.dialogOpen());
}

void openDialogAskingForTheFewestControls(Session& session) {
  openDialog(session);
  session.host.setCheckBox(kFewestControlsInputId, true);
}

void openDialogInSketch(Session& session) {
  session.host.editSketch(session.host.addSketch(fsim::SketchPlane::XY));
  openDialog(session);
}

void openDialogInTurnedSketch(Session& session) {
  session.host.editSketch(session.host.addSketch(fsim::SketchPlane::Tilted));
  openDialog(session);
}

// A helix created with OK, its definition stored, and then selected by the user.
void createAndSelectFormulaCurve(Session& session) {
  openDialog(session);
  session.host.confirm();
  session.host.selectSpline("Sketch1", 0);
}

void openDialogOnFormulaCurve(Session& session) {
  createAndSelectFormulaCurve(session);
  session.click();
  ASSERT_TRUE(session.host.dialogOpen());
  session.host.setInputText(kZFunctionInputId, "0.5 * t");
}

// A spring on the parameter r, created with OK, the dialog closed.
void createCurveOnParameter(Session& session) {
  session.host.addUserParameter("r", 5.0);
  openDialog(session);
  session.host.setInputText(kXFunctionInputId, "r * cos(2 * pi * t)");
  session.host.setInputText(kYFunctionInputId, "r * sin(2 * pi * t)");
  session.host.confirm();
}

const Scenario kRun{"run", [](Session&) {}, [](Session& s) { return s.addIn.run("false"); },
                    checkRun};
const Scenario kClick{"click", [](Session& s) { ASSERT_TRUE(s.addIn.run("")); },
                      [](Session& s) { return s.click(), true; }, checkFirstPreview};
const Scenario kInputChange{
    "input change", openDialog,
    // Half a turn of the helix needs fewer controls than three turns.
    [](Session& s) { return s.host.setInputValue(kMaxTValueInputId, 0.5), true; },
    checkLaterPreview};
const Scenario kInputChangeInSketch{
    "input change in a turned sketch", openDialogInTurnedSketch,
    [](Session& s) { return s.host.setInputValue(kMaxTValueInputId, 0.5), true; },
    checkLaterPreview};
const Scenario kConfirmOutsideSketch{"OK outside a sketch", openDialog,
                                     [](Session& s) { return s.host.confirm(), true; },
                                     checkConfirm};
const Scenario kConfirmFewest{"OK with the fewest controls asked for",
                              openDialogAskingForTheFewestControls,
                              [](Session& s) { return s.host.confirm(), true; }, checkConfirm};
const Scenario kConfirmInSketch{"OK inside a sketch", openDialogInSketch,
                                [](Session& s) { return s.host.confirm(), true; }, checkConfirm};
const Scenario kCancel{"Cancel", openDialog, [](Session& s) { return s.host.cancel(), true; },
                       checkCancel};
const Scenario kStop{"stop", openDialog, [](Session& s) { return s.addIn.stop(""); }, checkStop};
const Scenario kOpenOnCurve{"open on a selected formula curve", createAndSelectFormulaCurve,
                            [](Session& s) { return s.click(), true; }, checkOpenOnCurve};
const Scenario kConfirmReplacing{"OK replacing the edited curve", openDialogOnFormulaCurve,
                                 [](Session& s) { return s.host.confirm(), true; }, checkReplace};
const Scenario kFollow{"a parameter change followed", createCurveOnParameter,
                       [](Session& s) {
                         return s.host.changeParameters({{"r", 8.0}}), true;
                       },
                       checkFollow};
const Scenario kUnload{"unload with a preview shown", openDialog,
                       [](Session& s) { return s.addIn.unload(), true; }, checkUnload};

/// Runs the move; an exception of a type that is not standard must never reach the host.
bool playMove(const Scenario& scenario, Session& session) {
  try {
    return scenario.move(session);
  } catch (const std::exception& error) {
    ADD_FAILURE() << "standard exception left the move: " << error.what();
  } catch (...) {
    ADD_FAILURE() << "an exception of a non-standard type left the move";
  }
  return false;
}

/// The move without a fault: its outcome and the calls it made of each operation.
struct FaultFreeRun {
  Outcome outcome;
  std::map<std::string, int> calls;
};

FaultFreeRun runFaultFree(const Scenario& scenario) {
  Session session;
  scenario.setUp(session);
  session.host.resetOperationCalls();
  const bool result = playMove(scenario, session);
  FaultFreeRun run{observe(session, result), session.host.operationCalls()};
  return run;
}

/// After the move: faults cleared, the dialog closed, stop succeeds and leaves nothing held.
void endCleanly(Session& session, const Fault& fault) {
  session.host.clearFaults();
  if (!session.addIn.loaded()) return;
  if (session.host.dialogOpen()) session.host.cancel();
  EXPECT_TRUE(session.addIn.stop(""));
  EXPECT_FALSE(session.registered() && !fault.is(kRegistrationLookUps));
  EXPECT_EQ(heldReferences(session.host), HeldReferences());
  session.addIn.unload();
  EXPECT_EQ(heldReferences(session.host), HeldReferences());
  EXPECT_EQ(session.host.nonStandardHandlerErrors(), 0);
}

std::set<std::string> keysOf(const std::map<std::string, int>& calls) {
  std::set<std::string> keys;
  for (const auto& [name, count] : calls) keys.insert(name);
  return keys;
}

const char* modeName(fsim::FaultMode mode) {
  return mode == fsim::FaultMode::Once ? "once at call" : "from call";
}

void sweep(const Scenario& scenario) {
  const FaultFreeRun faultFree = runFaultFree(scenario);
  const std::set<std::string> removal = keysOf(runFaultFree(kCancel).calls);
  ASSERT_FALSE(faultFree.calls.empty());
  {
    SCOPED_TRACE(std::string(scenario.name) + " without a fault");
    Session session;
    scenario.setUp(session);
    const Outcome before = observe(session, true);
    const Fault none{"", fsim::FaultMode::Once, 1, before, faultFree.outcome, removal};
    scenario.check(faultFree.outcome, none);
    EXPECT_EQ(faultFree.outcome.handlerErrors, std::vector<std::string>());
  }
  if (::testing::Test::HasFailure()) return;
  const int pairsBefore = pairsTried, faultsBefore = faultsTried;
  for (const auto& [operation, calls] : faultFree.calls) {
    ++pairsTried;
    std::vector<std::pair<fsim::FaultMode, int>> faults{{fsim::FaultMode::FromCall, 1}};
    for (int call = 1; call <= calls; ++call) faults.emplace_back(fsim::FaultMode::Once, call);
    for (const auto& [mode, call] : faults) {
      SCOPED_TRACE(std::string(scenario.name) + ": " + operation + " fails " + modeName(mode) +
                   " " + std::to_string(call));
      ++faultsTried;
      Session session;
      scenario.setUp(session);
      const Outcome before = observe(session, true);
      session.host.failOperation(operation, mode, call);
      const bool result = playMove(scenario, session);
      session.host.clearFaults();
      const Fault fault{operation, mode, call, before, faultFree.outcome, removal};
      scenario.check(observe(session, result), fault);
      endCleanly(session, fault);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
  std::printf("fault sweep, %s: %d operations, %d faults\n", scenario.name,
              pairsTried - pairsBefore, faultsTried - faultsBefore);
}

// A whole session, run to OK and on to Cancel, with one operation refusing every call: whatever
// fails, no exception leaves the add-in, and once the host answers again stop succeeds and nothing
// stays held.
bool hasInput(const fsim::HostSession& host, const std::string& id) {
  for (const fsim::InputInfo& input : host.inputs()) {
    if (input.id == id) return true;
  }
  return false;
}

void playSession(Session& session) {
  fsim::HostSession& host = session.host;
  session.addIn.run("false");
  if (!host.hasControl(kWorkspaceId, kPanelId, kCommandId)) return;
  session.click();
  if (hasInput(host, kXFunctionInputId)) host.setInputText(kXFunctionInputId, "t");
  if (hasInput(host, kMaxTValueInputId)) host.setInputValue(kMaxTValueInputId, 2.0);
  host.confirm();
  session.click();
  if (hasInput(host, kYFunctionInputId)) host.setInputText(kYFunctionInputId, "cos(");
  host.cancel();
}

TEST(OperationRefusedThroughASession, NothingEscapesAndStopThenLeavesNothingHeld) {
  for (const std::string& operation : fsim::HostSession::operationNames()) {
    SCOPED_TRACE(operation + " always fails");
    Session session;
    session.host.failOperation(operation, fsim::FaultMode::Always);
    try {
      playSession(session);
      if (session.host.dialogOpen()) session.host.cancel();
      session.addIn.stop("");
    } catch (...) {
      ADD_FAILURE() << "an exception left the add-in";
    }
    session.host.clearFaults();
    EXPECT_TRUE(session.addIn.stop(""));
    EXPECT_EQ(heldReferences(session.host), HeldReferences());
    session.addIn.unload();
    EXPECT_EQ(heldReferences(session.host), HeldReferences());
    EXPECT_EQ(session.host.nonStandardHandlerErrors(), 0);
  }
}

// One host call refused once, with the outcome the user sees spelled out, where the sweep holds
// every fault to its general rules only.
class HostRefusingOnce : public AddInTest {};

TEST_F(HostRefusingOnce, RefusedCurveLeavesNoEmptySketchOnOk) {
  startAndOpenDialog();
  host.failOperation("NurbsCurve3D.createNonRational", fsim::FaultMode::Once);
  host.confirm();
  EXPECT_TRUE(host.sketches().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(HostRefusingOnce, CountTheHostCannotGiveIsAnErrorNotZero) {
  ASSERT_TRUE(addIn.run(""));
  host.failOperation("NurbsCurve3D.controlPointCount", fsim::FaultMode::Once);
  click();
  EXPECT_EQ(status(), kUnknownException);
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
}

TEST_F(HostRefusingOnce, CurveDrawnBeforeAFailureDoesNotStayBesideTheError) {
  ASSERT_TRUE(addIn.run(""));
  host.failOperation("Application.activeViewport", fsim::FaultMode::Once);
  click();
  EXPECT_EQ(status(), kUnknownException);
  EXPECT_TRUE(previewGroups().empty());
  expectHeldBetweenEvents(false);
}

// A refused deletion keeps the references, but not the other object: above all not the
// definition, whose command-created handler would outlive the library.
TEST_F(HostRefusingOnce, StopDeletesWhatTheHostAllowsAndKeepsItsReferencesForTheRest) {
  struct Case {
    const char* refused;
    bool controlLeft, definitionLeft;
  };
  for (const Case& c : {Case{"ToolbarControl.deleteMe", true, false},
                        Case{"CommandDefinition.deleteMe", false, true}}) {
    SCOPED_TRACE(c.refused);
    ASSERT_TRUE(addIn.run(""));
    host.failOperation(c.refused, fsim::FaultMode::Once);
    EXPECT_FALSE(addIn.stop(""));
    EXPECT_EQ(host.hasControl(kWorkspaceId, kPanelId, kCommandId), c.controlLeft);
    EXPECT_EQ(host.hasCommandDefinition(kCommandId), c.definitionLeft);
    EXPECT_EQ(host.handlerCount(kCommandCreated), c.definitionLeft ? 1u : 0u);
    expectHeldBetweenEvents(false);
    // The next stop finishes the job.
    EXPECT_TRUE(addIn.stop(""));
    EXPECT_FALSE(host.hasControl(kWorkspaceId, kPanelId, kCommandId));
    EXPECT_FALSE(host.hasCommandDefinition(kCommandId));
    expectNothingHeld();
  }
}

TEST(FaultSweep, Run) { sweep(kRun); }
TEST(FaultSweep, Click) { sweep(kClick); }
TEST(FaultSweep, InputChange) { sweep(kInputChange); }
TEST(FaultSweep, InputChangeInSketch) { sweep(kInputChangeInSketch); }
TEST(FaultSweep, ConfirmOutsideSketch) { sweep(kConfirmOutsideSketch); }
TEST(FaultSweep, ConfirmInsideSketch) { sweep(kConfirmInSketch); }
TEST(FaultSweep, ConfirmAskingForTheFewestControls) { sweep(kConfirmFewest); }
TEST(FaultSweep, Cancel) { sweep(kCancel); }
TEST(FaultSweep, Stop) { sweep(kStop); }
TEST(FaultSweep, UnloadWithPreviewShown) { sweep(kUnload); }
TEST(FaultSweep, OpenOnASelectedFormulaCurve) { sweep(kOpenOnCurve); }
TEST(FaultSweep, ConfirmReplacingTheEditedCurve) { sweep(kConfirmReplacing); }
TEST(FaultSweep, FollowAParameterChange) { sweep(kFollow); }

}  // namespace
