// The driver against the simulated host as an add-in uses it: the user interface and its look-ups,
// the dialog's life (click, inputs, preview, OK, Cancel), the design, sketches, custom graphics.
#include <gtest/gtest.h>

#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <cmath>
#include <functional>
#include <stdexcept>
#include <tuple>

#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;
using namespace adsk::fusion;

Ptr<UserInterface> userInterface() { return Application::get()->userInterface(); }

Ptr<ToolbarControls> panelControls(const std::string& workspace, const std::string& panel) {
  Ptr<Workspace> w = userInterface()->workspaces()->itemById(workspace);
  if (!w) return nullptr;
  Ptr<ToolbarPanel> p = w->toolbarPanels()->itemById(panel);
  return p ? p->controls() : nullptr;
}

Ptr<Component> rootComponent() {
  Ptr<Design> design = Application::get()->activeProduct();
  return design->rootComponent();
}

// Records each command event as "<event name>" and runs an optional action on it.
class RecordingHandler : public CommandEventHandler {
 public:
  void notify(const Ptr<CommandEventArgs>& eventArgs) override {
    Ptr<Command> sender = eventArgs->firingEvent()->sender();
    log.push_back(eventArgs->firingEvent()->name());
    senderIsCommand.push_back(sender && sender == eventArgs->command());
    reasons.push_back(eventArgs->terminationReason());
    if (action) action(eventArgs);
  }
  std::vector<std::string> log;
  std::vector<bool> senderIsCommand;
  std::vector<CommandTerminationReason> reasons;
  std::function<void(const Ptr<CommandEventArgs>&)> action;
};

// A command "demo" on the Sketch panel whose dialog has one input of each type.
class DemoCommand : public CommandCreatedEventHandler {
 public:
  DemoCommand() {
    Ptr<CommandDefinition> definition =
        userInterface()->commandDefinitions()->addButtonDefinition("demo", "Demo", "tip");
    definition->commandCreated()->add(this);
    panelControls("FusionSolidEnvironment", "SketchPanel")->addCommand(definition);
  }
  void notify(const Ptr<CommandCreatedEventArgs>& eventArgs) override {
    Ptr<Command> command = eventArgs->command();
    inputsAtCreation = command->commandInputs()->count();
    command->helpFile("docs/help.html");
    command->execute()->add(&events);
    command->destroy()->add(&events);
    command->executePreview()->add(&events);
    Ptr<CommandInputs> inputs = command->commandInputs();
    inputs->addStringValueInput("text_", "Text", "cos(t)");
    inputs->addValueInput("start_", "Start", "", ValueInput::createByString("0.0"));
    inputs->addValueInput("end_", "End", "", ValueInput::createByString("3.0"));
    inputs->addTextBoxCommandInput("status_", "Status", "", 5, true);
  }
  size_t inputsAtCreation = 99;
  RecordingHandler events;
};

void clickDemo(fsim::HostSession& session) {
  session.click("FusionSolidEnvironment", "SketchPanel", "demo");
}

TEST(HostSession, LooksUpRealWorkspacesAndPanels) {
  fsim::HostSession session;
  EXPECT_TRUE(panelControls("FusionSolidEnvironment", "SketchPanel"));
  EXPECT_TRUE(panelControls("FusionSolidEnvironment", "SolidCreatePanel"));
  EXPECT_TRUE(userInterface()->workspaces()->itemById("CAMEnvironment"));
  EXPECT_FALSE(panelControls("FusionSolidEnvironment", "sketchpanel"));  // IDs are exact
  EXPECT_FALSE(userInterface()->workspaces()->itemById("NoSuchEnvironment"));
  session.removePanel("FusionSolidEnvironment", "SketchPanel");
  EXPECT_FALSE(panelControls("FusionSolidEnvironment", "SketchPanel"));
  EXPECT_THROW(session.removePanel("FusionSolidEnvironment", "SketchPanel"), std::invalid_argument);
}

TEST(HostSession, DefinitionsAndControls) {
  fsim::HostSession session;
  Ptr<CommandDefinitions> definitions = userInterface()->commandDefinitions();
  Ptr<CommandDefinition> definition = definitions->addButtonDefinition("btn_1", "B", "tip", "./r");
  ASSERT_TRUE(definition);
  EXPECT_EQ(definition->resourceFolder(), "./r");
  const fsim::CommandDefinitionInfo info = session.commandDefinitionInfo("btn_1");
  EXPECT_EQ(info.id, "btn_1");
  EXPECT_EQ(info.name, "B");
  EXPECT_EQ(info.tooltip, "tip");
  EXPECT_EQ(info.resourceFolder, "./r");
  EXPECT_THROW(session.commandDefinitionInfo("btn_2"), std::runtime_error);
  EXPECT_FALSE(definitions->addButtonDefinition("btn_1", "again", ""));  // ID in use
  EXPECT_FALSE(definitions->addButtonDefinition("bad id", "B", ""));
  EXPECT_TRUE(definitions->itemById("btn_1") == definition);

  Ptr<ToolbarControls> controls = panelControls("FusionSolidEnvironment", "SketchPanel");
  Ptr<ToolbarControl> control = controls->addCommand(definition);
  ASSERT_TRUE(control);
  EXPECT_EQ(control->id(), "btn_1");
  EXPECT_FALSE(controls->addCommand(definition));  // one control per definition and panel
  EXPECT_TRUE(session.hasControl("FusionSolidEnvironment", "SketchPanel", "btn_1"));
  EXPECT_FALSE(session.hasControl("FusionSolidEnvironment", "InsertPanel", "btn_1"));
  EXPECT_FALSE(session.isControlPromoted("FusionSolidEnvironment", "SketchPanel", "btn_1"));
  Ptr<CommandControl> commandControl = control;
  ASSERT_TRUE(commandControl);
  EXPECT_TRUE(commandControl->isPromoted(true));
  EXPECT_TRUE(session.isControlPromoted("FusionSolidEnvironment", "SketchPanel", "btn_1"));
  EXPECT_THROW(session.isControlPromoted("FusionSolidEnvironment", "InsertPanel", "btn_1"),
               std::runtime_error);

  EXPECT_TRUE(control->deleteMe());
  EXPECT_FALSE(controls->itemById("btn_1"));
  EXPECT_TRUE(definition->deleteMe());
  EXPECT_FALSE(session.hasCommandDefinition("btn_1"));
}

TEST(HostSession, MessageBoxesAreRecordedAndAnsweredOk) {
  fsim::HostSession session;
  EXPECT_EQ(userInterface()->messageBox("hello"), DialogOK);
  EXPECT_EQ(userInterface()->messageBox("sure?", "Title", YesNoButtonType, WarningIconType),
            DialogOK);
  const auto boxes = session.messageBoxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "hello");
  EXPECT_EQ(boxes[0].title, "");
  EXPECT_EQ(boxes[1].buttons, YesNoButtonType);
  EXPECT_EQ(boxes[1].icon, WarningIconType);
}

TEST(HostSession, ClickCreatesACommandWithEmptyInputs) {
  fsim::HostSession session;
  DemoCommand demo;
  EXPECT_THROW(session.click("FusionSolidEnvironment", "SketchPanel", "other"), std::runtime_error);
  clickDemo(session);
  EXPECT_EQ(demo.inputsAtCreation, 0u);
  ASSERT_TRUE(session.dialogOpen());
  EXPECT_EQ(session.helpFile(), "docs/help.html");
  EXPECT_EQ(session.handlerCount("execute"), 1u);

  const auto inputs = session.inputs();
  ASSERT_EQ(inputs.size(), 4u);
  EXPECT_EQ(inputs[0].type, "StringValueCommandInput");
  EXPECT_EQ(inputs[0].text, "cos(t)");
  EXPECT_EQ(inputs[1].type, "ValueCommandInput");
  EXPECT_EQ(inputs[1].value, 0.0);  // "0.0" without units
  EXPECT_EQ(inputs[2].value, 3.0);  // "3.0"
  EXPECT_EQ(inputs[2].unitType, "");
  EXPECT_EQ(inputs[3].type, "TextBoxCommandInput");
  EXPECT_EQ(inputs[3].numRows, 5);
  EXPECT_TRUE(inputs[3].readOnly);
  EXPECT_TRUE(demo.events.log.empty());  // no event until the user acts
}

TEST(HostSession, UserEditsRaisePreviewAndReachTheInputs) {
  fsim::HostSession session;
  DemoCommand demo;
  clickDemo(session);
  double endSeen = 0;
  std::string textSeen;
  demo.events.action = [&](const Ptr<CommandEventArgs>& args) {
    Ptr<CommandInputs> inputs = args->command()->commandInputs();
    endSeen = Ptr<ValueCommandInput>(inputs->itemById("end_"))->value();
    textSeen = Ptr<StringValueCommandInput>(inputs->itemById("text_"))->value();
    Ptr<TextBoxCommandInput>(inputs->itemById("status_"))->text("seen <" + textSeen + ">");
  };
  session.setInputValue("end_", 5);
  session.setInputText("text_", "sin(t)");
  EXPECT_EQ(demo.events.log, (std::vector<std::string>{"executePreview", "executePreview"}));
  EXPECT_EQ(endSeen, 5.0);
  EXPECT_EQ(textSeen, "sin(t)");
  EXPECT_EQ(session.textBoxText("status_"), "seen <sin(t)>");
  EXPECT_THROW(session.setInputText("end_", "x"), std::runtime_error);  // not a string input
  EXPECT_THROW(session.textBoxText("text_"), std::runtime_error);
}

TEST(HostSession, TypedExpressionsEvaluateOrLeaveTheInputInvalid) {
  fsim::HostSession session;
  session.addUserParameter("r", 2);
  DemoCommand demo;
  clickDemo(session);
  std::vector<std::tuple<double, bool, std::string>> seen;
  demo.events.action = [&](const Ptr<CommandEventArgs>& args) {
    Ptr<ValueCommandInput> end = args->command()->commandInputs()->itemById("end_");
    seen.emplace_back(end->value(), end->isValidExpression(), end->expression());
  };
  session.setInputExpression("end_", "2*pi");
  session.setInputExpression("end_", "r * 3");
  // Invalid: the text stays, flagged, with the last valid value.
  session.setInputExpression("end_", "r * 3 +");
  session.setInputValue("end_", 1);
  using Seen = std::tuple<double, bool, std::string>;
  EXPECT_EQ(seen, (std::vector<Seen>{Seen{2 * M_PI, true, "2*pi"}, Seen{6, true, "r * 3"},
                                     Seen{6, false, "r * 3 +"}, Seen{1, true, "1"}}));
  EXPECT_THROW(session.setInputExpression("text_", "1"), std::runtime_error);
}

TEST(HostSession, OkRaisesExecuteThenDestroy) {
  fsim::HostSession session;
  DemoCommand demo;
  clickDemo(session);
  session.confirm();
  EXPECT_EQ(demo.events.log, (std::vector<std::string>{"execute", "destroy"}));
  EXPECT_EQ(demo.events.senderIsCommand, (std::vector<bool>{true, true}));
  EXPECT_EQ(demo.events.reasons.back(), CompletedTerminationReason);
  EXPECT_FALSE(session.dialogOpen());
  EXPECT_THROW(session.confirm(), std::runtime_error);
  EXPECT_TRUE(session.heldObjects().empty());
}

TEST(HostSession, ValidPreviewResultReplacesExecute) {
  fsim::HostSession session;
  DemoCommand demo;
  clickDemo(session);
  demo.events.action = [](const Ptr<CommandEventArgs>& args) {
    if (args->firingEvent()->name() == "executePreview") args->isValidResult(true);
  };
  session.setInputText("text_", "t");
  session.confirm();
  EXPECT_EQ(demo.events.log, (std::vector<std::string>{"executePreview", "destroy"}));
}

TEST(HostSession, CancelRaisesDestroyOnly) {
  fsim::HostSession session;
  DemoCommand demo;
  clickDemo(session);
  session.cancel();
  EXPECT_EQ(demo.events.log, std::vector<std::string>{"destroy"});
  EXPECT_EQ(demo.events.reasons.back(), CancelledTerminationReason);
  EXPECT_FALSE(session.dialogOpen());
}

TEST(HostSession, ClickingAgainPreEmptsTheOpenDialog) {
  fsim::HostSession session;
  DemoCommand demo;
  clickDemo(session);
  clickDemo(session);
  EXPECT_EQ(demo.events.log, std::vector<std::string>{"destroy"});
  EXPECT_EQ(demo.events.reasons.back(), PreEmptedTerminationReason);
  EXPECT_TRUE(session.dialogOpen());
  EXPECT_EQ(session.inputs().size(), 4u);  // the new command's inputs, from the defaults
}

TEST(HostSession, HiddenControlCannotBeClicked) {
  fsim::HostSession session;
  DemoCommand demo;
  panelControls("FusionSolidEnvironment", "SketchPanel")->itemById("demo")->isVisible(false);
  EXPECT_THROW(clickDemo(session), std::runtime_error);
  EXPECT_FALSE(session.dialogOpen());
}

TEST(HostSession, TextBoxKeepsFormattedAndPlainText) {
  fsim::HostSession session;
  DemoCommand demo;
  clickDemo(session);
  std::string formatted, plain;
  demo.events.action = [&](const Ptr<CommandEventArgs>& args) {
    Ptr<TextBoxCommandInput> box = args->command()->commandInputs()->itemById("status_");
    box->formattedText("<b>4</b> spline<br>controls &amp; more");
    plain = box->text();
    box->text("a<b & c\nd");
    formatted = box->formattedText();
  };
  session.setInputText("text_", "t");
  EXPECT_EQ(plain, "4 spline\ncontrols & more");
  EXPECT_EQ(formatted, "a&lt;b &amp; c<br>d");
  EXPECT_EQ(session.textBoxText("status_"), "a<b & c\nd");
}

TEST(HostSession, ValueInputNeedsAnEvaluableInitialValue) {
  fsim::HostSession session;
  DemoCommand demo;
  clickDemo(session);
  demo.events.action = [](const Ptr<CommandEventArgs>& args) {
    Ptr<CommandInputs> inputs = args->command()->commandInputs();
    EXPECT_FALSE(inputs->addValueInput("bad_", "Bad", "", ValueInput::createByString("abc")));
    EXPECT_FALSE(inputs->addValueInput("null_", "Null", "", nullptr));
    EXPECT_FALSE(inputs->addStringValueInput("text_", "Duplicate", ""));
    EXPECT_FALSE(inputs->itemById("missing_"));
    EXPECT_FALSE(Ptr<ValueCommandInput>(inputs->itemById("text_")));  // wrong type
  };
  session.setInputText("text_", "t");
  EXPECT_EQ(session.inputs().size(), 4u);
}

TEST(HostSession, ParametersListUserThenModel) {
  fsim::HostSession session;
  session.addModelParameter("d1", 2.5);
  session.addUserParameter("radius", 4);
  session.addUserParameter("pitch", 0.5);
  Ptr<Design> design = Application::get()->activeProduct();
  Ptr<ParameterList> all = design->allParameters();
  ASSERT_EQ(all->count(), 3u);
  EXPECT_EQ(all->item(0)->name(), "radius");
  EXPECT_EQ(all->item(2)->name(), "d1");
  EXPECT_EQ(all->item(2)->value(), 2.5);
  EXPECT_FALSE(all->item(3));
  EXPECT_EQ(design->userParameters()->count(), 2u);
  EXPECT_EQ(design->userParameters()->itemByName("pitch")->value(), 0.5);
  EXPECT_EQ(session.parameters().front(), (std::pair<std::string, double>{"radius", 4}));
}

// A text parameter is listed beside the numeric ones, but asking it for a number fails: 0, with
// the failure recorded for getLastError, and no new number is taken either.
TEST(HostSession, TextParametersHaveNoNumber) {
  fsim::HostSession session;
  session.addUserParameter("radius", 4);
  session.addTextParameter("label", "spring");
  Ptr<Application> app = Application::get();
  Ptr<Design> design = app->activeProduct();
  Ptr<ParameterList> all = design->allParameters();
  ASSERT_EQ(all->count(), 2u);
  Ptr<Parameter> numeric = all->item(0);
  Ptr<Parameter> text = all->item(1);
  EXPECT_EQ(numeric->valueType(), NumericParameterValueType);
  EXPECT_EQ(app->getLastError(), 0);
  EXPECT_EQ(text->valueType(), TextParameterValueType);
  EXPECT_EQ(text->name(), "label");
  EXPECT_EQ(text->textValue(), "spring");
  EXPECT_EQ(text->expression(), "'spring'");
  EXPECT_EQ(text->value(), 0.0);
  std::string description;
  EXPECT_NE(app->getLastError(&description), 0);
  EXPECT_EQ(description, "Parameter.value failed");
  EXPECT_FALSE(text->value(1.0));
  EXPECT_EQ(design->userParameters()->itemByName("label")->valueType(), TextParameterValueType);
  EXPECT_EQ(session.parameters(), (std::vector<std::pair<std::string, double>>{{"radius", 4}}));
}

TEST(HostSession, SketchesOnPlanesAndTheEditTarget) {
  fsim::HostSession session;
  EXPECT_EQ(session.addSketch(fsim::SketchPlane::XZ), "Sketch1");
  Ptr<Component> root = rootComponent();
  Ptr<Sketch> sketch = root->sketches()->add(root->yZConstructionPlane());
  ASSERT_TRUE(sketch);
  EXPECT_EQ(sketch->name(), "Sketch2");
  EXPECT_FALSE(root->sketches()->add(root));  // not a planar entity

  Ptr<Application> app = Application::get();
  EXPECT_FALSE(Ptr<Sketch>(app->activeEditObject()));
  EXPECT_TRUE(Ptr<Component>(app->activeEditObject()));
  session.editSketch("Sketch1");
  EXPECT_EQ(Ptr<Sketch>(app->activeEditObject())->name(), "Sketch1");
  session.finishSketchEdit();
  EXPECT_FALSE(Ptr<Sketch>(app->activeEditObject()));
  EXPECT_THROW(session.editSketch("Sketch9"), std::invalid_argument);

  std::vector<Ptr<Point3D>> points = {Point3D::create(0, 0, 0), Point3D::create(1, 1, 0)};
  Ptr<NurbsCurve3D> curve = NurbsCurve3D::createNonRational(points, 1, {0, 0, 1, 1}, false);
  EXPECT_TRUE(sketch->sketchCurves()->sketchFixedSplines()->addByNurbsCurve(curve));
  curve->reverse();  // the sketch keeps its own copy
  const auto sketches = session.sketches();
  ASSERT_EQ(sketches.size(), 2u);
  EXPECT_FALSE(sketches[0].createdDuringSession);
  EXPECT_EQ(sketches[1].plane, "YZ");
  ASSERT_EQ(sketches[1].splines.size(), 1u);
  EXPECT_EQ(sketches[1].splines[0].controlPoints[1], (std::array<double, 3>{1, 1, 0}));
  EXPECT_EQ(sketches[1].splines[0].knots, (std::vector<double>{0, 0, 1, 1}));
}

TEST(HostSession, CustomGraphicsGroupsAndCurves) {
  fsim::HostSession session;
  Ptr<CustomGraphicsGroups> groups = rootComponent()->customGraphicsGroups();
  Ptr<CustomGraphicsGroup> first = groups->add();
  Ptr<CustomGraphicsGroup> second = groups->add();
  EXPECT_EQ(first->id(), "");
  EXPECT_TRUE(second->id("preview"));
  EXPECT_EQ(groups->count(), 2u);
  EXPECT_EQ(groups->item(1)->id(), "preview");

  std::vector<Ptr<Point3D>> points = {Point3D::create(0, 0, 0), Point3D::create(2, 0, 0)};
  Ptr<CustomGraphicsCurve> curve =
      second->addCurve(NurbsCurve3D::createNonRational(points, 1, {0, 0, 1, 1}, false));
  ASSERT_TRUE(curve);
  EXPECT_TRUE(curve->isSelectable());  // the default
  curve->isSelectable(false);
  curve->weight(3.0);
  curve->color(CustomGraphicsSolidColorEffect::create(Color::create(255, 0, 0, 255)));
  EXPECT_TRUE(Application::get()->activeViewport()->refresh());

  EXPECT_TRUE(first->deleteMe());
  const auto info = session.graphicsGroups();
  ASSERT_EQ(info.size(), 1u);
  EXPECT_EQ(info[0].id, "preview");
  ASSERT_EQ(info[0].curves.size(), 1u);
  EXPECT_EQ(info[0].curves[0].weight, 3.0);
  EXPECT_EQ(info[0].curves[0].color, (std::array<int, 4>{255, 0, 0, 255}));
  EXPECT_FALSE(info[0].curves[0].selectable);
  EXPECT_TRUE(info[0].curves[0].visible);
  EXPECT_EQ(info[0].curves[0].curve.controlPoints[1][0], 2.0);
  EXPECT_EQ(session.viewportRefreshes(), 1);
  EXPECT_FALSE(Color::create(256, 0, 0, 255));
}

TEST(HostSession, GroupsOfOtherAddInsComeAndGo) {
  fsim::HostSession session;
  Ptr<CustomGraphicsGroups> groups = rootComponent()->customGraphicsGroups();
  Ptr<CustomGraphicsGroup> own = groups->add();
  own->id("preview");
  session.addGraphicsGroup("other");
  ASSERT_EQ(groups->count(), 2u);
  EXPECT_EQ(groups->item(1)->id(), "other");
  session.deleteGraphicsGroup(0);
  const auto info = session.graphicsGroups();
  ASSERT_EQ(info.size(), 1u);
  EXPECT_EQ(info[0].id, "other");
  // A deleted group is gone for the add-in that still holds it.
  EXPECT_FALSE(own->isValid());
  EXPECT_THROW(session.deleteGraphicsGroup(1), std::invalid_argument);
}

// Records each ended command as "<command id>:<reason>", with the parameters' values seen then.
class TerminationLog : public ApplicationCommandEventHandler {
 public:
  void notify(const Ptr<ApplicationCommandEventArgs>& eventArgs) override {
    entries.push_back(eventArgs->commandId() + ":" +
                      std::to_string(static_cast<int>(eventArgs->terminationReason())));
    Ptr<Design> design = Application::get()->activeProduct();
    Ptr<Parameter> r = design->allParameters()->itemByName("r");
    rSeen.push_back(r ? r->value() : -1.0);
  }
  std::vector<std::string> entries;
  std::vector<double> rSeen;
};

TEST(HostSession, EveryCommandThatEndsRaisesCommandTerminated) {
  fsim::HostSession session;
  session.addUserParameter("r", 5.0);
  session.addUserParameter("pitch", 2.0);
  DemoCommand demo;
  TerminationLog log;
  ASSERT_TRUE(userInterface()->commandTerminated()->add(&log));
  EXPECT_EQ(session.handlerCount("commandTerminated"), 1u);

  clickDemo(session);
  session.confirm();
  clickDemo(session);
  session.cancel();
  // The values are the new ones by the time the handler sees the Parameters dialog end.
  session.changeParameters({{"r", 8.0}, {"pitch", 3.0}});
  session.playCommand("MeasureCommand", fsim::CommandEnd::Aborted);
  session.deleteParameter("r");
  EXPECT_EQ(log.entries,
            (std::vector<std::string>{"demo:1", "demo:2", "ChangeParameterCommand:1",
                                      "MeasureCommand:3", "ChangeParameterCommand:1"}));
  EXPECT_EQ(log.rSeen, (std::vector<double>{5.0, 5.0, 8.0, 8.0, -1.0}));
  EXPECT_EQ(session.parameters(), (std::vector<std::pair<std::string, double>>{{"pitch", 3.0}}));

  // An unknown name changes nothing and ends no command.
  EXPECT_THROW(session.changeParameters({{"pitch", 4.0}, {"nope", 1.0}}), std::invalid_argument);
  EXPECT_THROW(session.deleteParameter("nope"), std::invalid_argument);
  EXPECT_EQ(log.entries.size(), 5u);
  EXPECT_EQ(session.parameters()[0].second, 3.0);

  EXPECT_TRUE(userInterface()->commandTerminated()->remove(&log));
  EXPECT_EQ(session.handlerCount("commandTerminated"), 0u);
}

// Moves the first spline of the first sketch to x = r and notes r beside it, as a follower would.
class SplineMover : public ApplicationCommandEventHandler {
 public:
  void notify(const Ptr<ApplicationCommandEventArgs>& eventArgs) override {
    ends.push_back(eventArgs->commandId() + ":" +
                   std::to_string(static_cast<int>(eventArgs->terminationReason())));
    if (!active) return;
    Ptr<Design> design = Application::get()->activeProduct();
    const double r = design->allParameters()->itemByName("r")->value();
    Ptr<SketchFixedSpline> spline =
        rootComponent()->sketches()->item(0)->sketchCurves()->sketchFixedSplines()->item(0);
    const std::vector<Ptr<Point3D>> points{Point3D::create(r, 0, 0), Point3D::create(r, 1, 0)};
    spline->replaceGeometry(NurbsCurve3D::createNonRational(points, 1, {0, 0, 1, 1}, false));
    spline->attributes()->add("demo", "r", std::to_string(r));
    spline->attributes()->add("demo", "added", "");
  }
  bool active = true;
  std::vector<std::string> ends;
};

TEST(HostSession, UndoTakesBackWhatTheLastEndedCommandsHandlersChanged) {
  fsim::HostSession session;
  session.addUserParameter("r", 5.0);
  const std::string sketch = session.addSketch(fsim::SketchPlane::XY);
  const fsim::NurbsData line{1, false, false, {{0, 0, 0}, {0, 1, 0}}, {0, 0, 1, 1}};
  session.addSpline(sketch, line);
  session.setSplineAttribute(sketch, 0, {"demo", "r", "old"});
  SplineMover mover;
  ASSERT_TRUE(userInterface()->commandTerminated()->add(&mover));
  session.changeParameters({{"r", 8.0}}, fsim::CommandEnd::Cancelled);
  EXPECT_EQ(session.sketches()[0].splines[0].controlPoints[0][0], 8.0);
  mover.active = false;
  session.undoLastUpdate();
  const fsim::SketchInfo undone = session.sketches()[0];
  EXPECT_EQ(undone.splines[0].controlPoints, line.controlPoints);
  ASSERT_EQ(undone.splineAttributes[0].size(), 1u);
  EXPECT_EQ(undone.splineAttributes[0][0].value, "old");
  EXPECT_EQ(session.parameters()[0].second, 8.0);  // the parameter change stays
  EXPECT_EQ(mover.ends, (std::vector<std::string>{"ChangeParameterCommand:2", "UndoCommand:1"}));
  EXPECT_THROW(session.undoLastUpdate(), std::logic_error);  // the Undo's end changed nothing
  EXPECT_TRUE(userInterface()->commandTerminated()->remove(&mover));
}

// Two updates (x = 8, then x = 9), then a command whose handlers change nothing: each Undo takes
// back the latest update left, down to the spline as it was added, and then refuses.
TEST(HostSession, RepeatedUndoTakesBackTheUpdatesLatestFirst) {
  fsim::HostSession session;
  session.addUserParameter("r", 5.0);
  const std::string sketch = session.addSketch(fsim::SketchPlane::XY);
  session.addSpline(sketch, {1, false, false, {{0, 0, 0}, {0, 1, 0}}, {0, 0, 1, 1}});
  session.setSplineAttribute(sketch, 0, {"demo", "r", "old"});
  SplineMover mover;
  ASSERT_TRUE(userInterface()->commandTerminated()->add(&mover));
  session.changeParameters({{"r", 8.0}});
  session.changeParameters({{"r", 9.0}});
  mover.active = false;
  session.playCommand("MeasureCommand", fsim::CommandEnd::Completed);
  // x of the first control, the value of "r" (std::to_string's) and how many attributes.
  for (const auto& [x, r, attributes] : std::vector<std::tuple<double, std::string, std::size_t>>{
           {8.0, "8.000000", 2u}, {0.0, "old", 1u}}) {
    session.undoLastUpdate();
    const fsim::SketchInfo undone = session.sketches()[0];
    EXPECT_EQ(undone.splines[0].controlPoints[0][0], x);
    ASSERT_EQ(undone.splineAttributes[0].size(), attributes);
    EXPECT_EQ(undone.splineAttributes[0][0].value, r);
  }
  EXPECT_EQ(mover.ends.size(), 5u);  // two changes, the measurement, two undos
  EXPECT_THROW(session.undoLastUpdate(), std::logic_error);
  EXPECT_EQ(mover.ends.size(), 5u);
  EXPECT_EQ(session.parameters()[0].second, 9.0);
  EXPECT_TRUE(userInterface()->commandTerminated()->remove(&mover));
}

}  // namespace
