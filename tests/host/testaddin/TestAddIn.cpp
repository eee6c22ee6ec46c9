// A tiny add-in, built only for the host's tests and loaded with dlopen as Fusion loads add-ins.
// run registers the button "fsimTestButton" on the Sketch panel; a click builds a dialog with a
// text, a number and a status box; a preview draws a line of the number's length as custom
// graphics; OK adds that line to a new sketch; destroy removes the preview; stop unregisters.
// It holds the application and the user interface from run to stop and nothing else.
#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <cstring>
#include <string>
#include <vector>

using namespace adsk::core;
using namespace adsk::fusion;

namespace {

const char* const kButtonId = "fsimTestButton";
const char* const kGroupId = "fsimTestGraphics";

Ptr<Application> app;
Ptr<UserInterface> ui;

Ptr<ToolbarControls> sketchPanelControls() {
  Ptr<Workspace> workspace = ui->workspaces()->itemById("FusionSolidEnvironment");
  Ptr<ToolbarPanel> panel = workspace->toolbarPanels()->itemById("SketchPanel");
  return panel->controls();
}

Ptr<Component> rootComponent() {
  Ptr<Design> design = app->activeProduct();
  return design->rootComponent();
}

// A straight NURBS line from the origin along x.
Ptr<NurbsCurve3D> lineOfLength(double length) {
  std::vector<Ptr<Point3D>> points = {Point3D::create(0, 0, 0), Point3D::create(length, 0, 0)};
  return NurbsCurve3D::createNonRational(points, 1, {0, 0, 1, 1}, false);
}

double sizeOf(const Ptr<CommandInputs>& inputs) {
  Ptr<ValueCommandInput> size = inputs->itemById("size_");
  return size->value();
}

void deletePreview() {
  Ptr<CustomGraphicsGroups> groups = rootComponent()->customGraphicsGroups();
  for (size_t i = 0; i < groups->count(); ++i) {
    Ptr<CustomGraphicsGroup> group = groups->item(i);
    if (group->id() == kGroupId) {
      group->deleteMe();
      return;
    }
  }
}

void drawPreview(const Ptr<CommandInputs>& inputs) {
  Ptr<TextBoxCommandInput> status = inputs->itemById("status_");
  try {
    deletePreview();
    double size = sizeOf(inputs);
    Ptr<CustomGraphicsGroup> group = rootComponent()->customGraphicsGroups()->add();
    group->id(kGroupId);
    Ptr<CustomGraphicsCurve> curve = group->addCurve(lineOfLength(size));
    curve->isSelectable(false);
    curve->weight(2.0);
    curve->color(CustomGraphicsSolidColorEffect::create(Color::create(255, 0, 0, 255)));
    app->activeViewport()->refresh();
    status->text("preview " + std::to_string(static_cast<int>(size)));
  } catch (const std::exception&) {
    // Not what(): a null Ptr's plain std::exception words it differently in each library.
    status->text("preview failed");
  }
}

class PreviewHandler : public CommandEventHandler {
 public:
  void notify(const Ptr<CommandEventArgs>& eventArgs) override {
    drawPreview(eventArgs->command()->commandInputs());
  }
};

class ExecuteHandler : public CommandEventHandler {
 public:
  void notify(const Ptr<CommandEventArgs>& eventArgs) override {
    Ptr<Command> command = eventArgs->firingEvent()->sender();
    double size = sizeOf(command->commandInputs());
    Ptr<Component> root = rootComponent();
    Ptr<Sketch> sketch = root->sketches()->add(root->xYConstructionPlane());
    sketch->sketchCurves()->sketchFixedSplines()->addByNurbsCurve(lineOfLength(size));
  }
};

class DestroyHandler : public CommandEventHandler {
 public:
  void notify(const Ptr<CommandEventArgs>&) override { deletePreview(); }
};

PreviewHandler previewHandler;
ExecuteHandler executeHandler;
DestroyHandler destroyHandler;

class CreatedHandler : public CommandCreatedEventHandler {
 public:
  void notify(const Ptr<CommandCreatedEventArgs>& eventArgs) override {
    Ptr<Command> command = eventArgs->command();
    command->helpFile("help.html");
    command->execute()->add(&executeHandler);
    command->destroy()->add(&destroyHandler);
    command->executePreview()->add(&previewHandler);
    Ptr<CommandInputs> inputs = command->commandInputs();
    inputs->addStringValueInput("name_", "Name", "line");
    inputs->addValueInput("size_", "Size", "", ValueInput::createByString("3.0"));
    inputs->addTextBoxCommandInput("status_", "Status", "", 2, true);
    drawPreview(inputs);
  }
};

CreatedHandler createdHandler;

}  // namespace

extern "C" XI_EXPORT bool run(const char* context) {
  try {
    app = Application::get();
    ui = app->userInterface();
    Ptr<ToolbarControls> controls = sketchPanelControls();
    if (controls->itemById(kButtonId)) return true;
    Ptr<CommandDefinitions> definitions = ui->commandDefinitions();
    Ptr<CommandDefinition> definition = definitions->itemById(kButtonId);
    if (!definition)
      definition = definitions->addButtonDefinition(kButtonId, "Line", "Draw a line");
    definition->commandCreated()->add(&createdHandler);
    Ptr<ToolbarControl> control = controls->addCommand(definition);
    control->isVisible(true);
    if (std::strstr(context, "false")) ui->messageBox("Test add-in started");
    return true;
  } catch (const std::exception&) {
    if (ui) ui->messageBox("run failed");
    return false;
  }
}

extern "C" XI_EXPORT bool stop(const char* /*context*/) {
  try {
    if (ui) {
      deletePreview();
      Ptr<ToolbarControl> control = sketchPanelControls()->itemById(kButtonId);
      if (control) control->deleteMe();
      Ptr<CommandDefinition> definition = ui->commandDefinitions()->itemById(kButtonId);
      if (definition) definition->deleteMe();
    }
    ui = nullptr;
    app = nullptr;
    return true;
  } catch (const std::exception&) {
    return false;
  }
}
