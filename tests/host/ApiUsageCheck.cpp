// Compiled, never run: uses the API stand-in the way the add-in and the simulated host's tests do,
// so that a signature that drifts from the real SDK's breaks the build here first.
#include <Core/CoreAll.h>
#include <Fusion/FusionAll.h>

#include <string>
#include <vector>

using namespace adsk::core;
using namespace adsk::fusion;

namespace {

class CreatedHandler : public CommandCreatedEventHandler {
 public:
  void notify(const Ptr<CommandCreatedEventArgs>& eventArgs) override {
    Ptr<Command> command = eventArgs->command();
    command->helpFile("docs/help.html");
    Ptr<CommandEvent> execute = command->execute();
    execute->add(handler_);
    command->destroy()->add(handler_);
    command->executePreview()->remove(handler_);
    Ptr<CommandInputs> inputs = command->commandInputs();
    Ptr<StringValueCommandInput> x = inputs->addStringValueInput("xFunctionInput_", "X", "t");
    Ptr<ValueCommandInput> tStart =
        inputs->addValueInput("tStartInput_", "t start", "", ValueInput::createByString("0"));
    inputs->addValueInput("tEndInput_", "t end", "", ValueInput::createByReal(1.0));
    Ptr<TextBoxCommandInput> box = inputs->addTextBoxCommandInput("id", "", "", 2, true);
    box->text(x->value() + tStart->expression());
    Ptr<BoolValueCommandInput> check = inputs->addBoolValueInput("fewest_", "Fewest", true);
    Ptr<BoolValueCommandInput> button =
        inputs->addBoolValueInput("pick_", "Pick", false, "./resources/pick", true);
    check->value(button->value() && check->isCheckBox());
    button->resourceFolder(button->resourceFolder());
  }
  CommandEventHandler* handler_ = nullptr;
};

class ExecuteHandler : public CommandEventHandler {
 public:
  void notify(const Ptr<CommandEventArgs>& eventArgs) override {
    Ptr<Event> firing = eventArgs->firingEvent();
    Ptr<Command> command = firing->sender();
    Ptr<CommandInputs> inputs = command->commandInputs();
    Ptr<ValueCommandInput> value = inputs->itemById("tStartInput_");
    Ptr<StringValueCommandInput> text = inputs->itemById("xFunctionInput_");
    Ptr<TextBoxCommandInput> box = inputs->itemById("vtlStatusDisplayID");
    double t = value->value();
    box->formattedText(text->value() + std::to_string(t));
    eventArgs->executeFailed(false);
  }
};

bool runLike(const char* context) {
  Ptr<Application> app = Application::get();
  if (!app) return false;
  Ptr<UserInterface> ui = app->userInterface();
  if (std::string(context).find("false") != std::string::npos)
    ui->messageBox("started", "", OKButtonType, NoIconIconType);
  DialogResults answer = ui->messageBox("text");
  Ptr<CommandDefinitions> definitions = ui->commandDefinitions();
  Ptr<CommandDefinition> definition = definitions->itemById("vtlCommandOnPanel");
  if (!definition)
    definition = definitions->addButtonDefinition("vtlCommandOnPanel", "Sorvane",
                                                  "Create 3D parametric curve", "./resources");
  static CreatedHandler created;
  Ptr<CommandCreatedEvent> event = definition->commandCreated();
  event->add(&created);
  Ptr<Workspaces> workspaces = ui->workspaces();
  Ptr<Workspace> workspace = workspaces->itemById("FusionSolidEnvironment");
  Ptr<ToolbarPanels> panels = workspace->toolbarPanels();
  Ptr<ToolbarPanel> panel = panels->itemById("SketchPanel");
  Ptr<ToolbarControls> controls = panel->controls();
  Ptr<ToolbarControl> control = controls->addCommand(definition, "", true);
  control->isVisible(true);
  Ptr<CommandControl> commandControl = controls->addCommand(definition);
  commandControl->isPromoted(true);
  Ptr<ToolbarControl> found = controls->itemById("vtlCommandOnPanel");
  found->deleteMe();
  definition->deleteMe();
  std::string error;
  app->getLastError(&error);
  app->getLastError();
  return answer == DialogOK;
}

void designLike() {
  Ptr<Application> app = Application::get();
  Ptr<Design> design = app->activeProduct();
  Ptr<ParameterList> all = design->allParameters();
  for (size_t i = 0; i < all->count(); ++i) {
    Ptr<Parameter> parameter = all->item(i);
    ParameterValueTypes type = parameter->valueType();
    if (type == TextParameterValueType) continue;
    std::string name = parameter->name();
    double value = parameter->value();
    (void)value;
  }
  Ptr<UserParameters> users = design->userParameters();
  for (size_t i = 0; i < users->count(); ++i) users->item(i)->expression();
  std::vector<Ptr<Sketch>> copied;
  Ptr<Component> root = design->rootComponent();
  root->sketches()->copyTo(std::back_inserter(copied));

  std::vector<Ptr<Point3D>> points;
  for (int i = 0; i < 4; ++i) points.push_back(Point3D::create(i, 0.5 * i));
  std::vector<double> knots = {0, 0, 0, 0, 1, 1, 1, 1};
  Ptr<NurbsCurve3D> nurbs = NurbsCurve3D::createNonRational(points, 3, knots, false);
  int count = nurbs->controlPointCount();
  (void)count;

  Ptr<Sketch> sketch = app->activeEditObject();
  if (!sketch) {
    Ptr<ConstructionPlane> plane = root->xYConstructionPlane();
    sketch = root->sketches()->add(plane);
  }
  Ptr<SketchFixedSpline> spline =
      sketch->sketchCurves()->sketchFixedSplines()->addByNurbsCurve(nurbs);
  Ptr<NurbsCurve3D> inSketch = spline->geometry();
  Ptr<NurbsCurve3D> inModel = spline->worldGeometry();
  spline->replaceGeometry(inSketch);

  Ptr<Matrix3D> transform = sketch->transform();
  std::vector<double> cells = transform->asArray();
  double translation = transform->getCell(0, 3);
  Ptr<Matrix3D> inverse = transform->copy();
  if (inverse->invert()) inverse->transformBy(transform);
  Ptr<Matrix3D> identity = Matrix3D::create();
  identity->setCell(0, 3, translation);
  identity->setWithArray(cells);
  sketch->transform(identity);
  Ptr<Point3D> modelPoint = sketch->sketchToModelSpace(Point3D::create(1, 2, 3));
  Ptr<Point3D> sketchPoint = sketch->modelToSketchSpace(modelPoint);
  inModel->transformBy(inverse);

  Ptr<CustomGraphicsGroups> groups = root->customGraphicsGroups();
  Ptr<CustomGraphicsGroup> group = groups->add();
  group->id("vtlCustomGraphicsID");
  Ptr<CustomGraphicsCurve> curve = group->addCurve(nurbs);
  curve->weight(2.0);
  curve->isSelectable(false);
  Ptr<Color> red = Color::create(255, 0, 0, 255);
  curve->color(CustomGraphicsSolidColorEffect::create(red));
  Ptr<CustomGraphicsColorEffect> effect = CustomGraphicsSolidColorEffect::create(red);
  curve->color(effect);
  for (size_t i = 0; i < groups->count(); ++i)
    if (groups->item(i)->id() == "vtlCustomGraphicsID") groups->item(i)->deleteMe();
  app->activeViewport()->refresh();

  Ptr<Base> base = Ptr<Base>(root->xZConstructionPlane());
  Ptr<Curve3D> asCurve = nurbs;
  Ptr<NurbsCurve3D> back = asCurve->cast<NurbsCurve3D>();
  std::vector<Ptr<Point3D>> controlPoints;
  int degree = 0;
  std::vector<double> readKnots, weights;
  bool rational = false, periodic = false;
  back->getData(controlPoints, degree, readKnots, rational, weights, periodic);
  controlPoints = back->controlPoints();
  readKnots = back->knots();
  (void)base;
  (void)spline;
}

// Editing a formula curve and following the design's parameters.
class TerminatedLike : public ApplicationCommandEventHandler {
 public:
  void notify(const Ptr<ApplicationCommandEventArgs>& eventArgs) override {
    const bool completed = eventArgs->terminationReason() == CompletedTerminationReason;
    const std::string id = eventArgs->commandId();
    (void)completed;
    (void)id;
  }
};

void editLike() {
  static TerminatedLike terminatedLike;
  TerminatedLike* handler = &terminatedLike;
  Ptr<Application> app = Application::get();
  Ptr<UserInterface> ui = app->userInterface();
  Ptr<ApplicationCommandEvent> terminated = ui->commandTerminated();
  terminated->add(handler);
  terminated->remove(handler);
  Ptr<Selections> selections = ui->activeSelections();
  if (selections->count() != 1) return;
  Ptr<Selection> selection = selections->item(0);
  Ptr<SketchFixedSpline> spline = selection->entity();
  if (!spline || !spline->isLinked()) return;
  Ptr<Attributes> attributes = spline->attributes();
  Ptr<Attribute> attribute = attributes->itemByName("Vintrel", "formulaCurve");
  const std::string value = attribute->value();
  attributes->add("Vintrel", "formulaCurve", value);
  Ptr<Sketch> sketch = spline->parentSketch();
  Ptr<NurbsCurve3D> shape = spline->geometry();
  spline->replaceGeometry(shape);
  Ptr<Design> design = app->activeProduct();
  std::vector<Ptr<Attribute>> found = design->findAttributes("Vintrel", "formulaCurve");
  Ptr<SketchFixedSpline> parent = found.at(0)->parent();
  const std::string token = parent->entityToken();
  Ptr<Parameter> parameter = design->allParameters()->itemByName("r");
  (void)sketch;
  (void)parent;
  (void)parameter;
  (void)token;
}

// A unit chosen from a drop-down, and the design's units.
void unitsLike(const Ptr<CommandInputs>& inputs) {
  Ptr<DropDownCommandInput> list =
      inputs->addDropDownCommandInput("unitInput_", "Unit", TextListDropDownStyle);
  Ptr<ListItems> items = list->listItems();
  items->add("mm", true, "");
  items->add("in", false);
  list->maxVisibleItems(items->count());
  std::vector<Ptr<ListItem>> copied;
  items->copyTo(std::back_inserter(copied));
  Ptr<DropDownCommandInput> found = inputs->itemById("unitInput_");
  Ptr<ListItem> selected = found->selectedItem();
  const std::string name = selected ? selected->name() : "";
  if (found->dropDownStyle() == CheckBoxDropDownStyle && copied.at(0)->isSelected()) return;
  Ptr<Design> design = Application::get()->activeProduct();
  Ptr<FusionUnitsManager> units = design->fusionUnitsManager();
  const bool inches = units->distanceDisplayUnits() == InchDistanceUnits;
  Ptr<UnitsManager> general = design->unitsManager();
  const double cm = general->convert(1.0, name, general->internalUnits());
  const double t = general->evaluateExpression("2 * pi", "");
  const std::string unit = design->allParameters()->item(0)->unit();
  (void)inches;
  (void)cm;
  (void)t;
}

}  // namespace

// Keeps the functions above from being discarded as unused (not const: a const global would
// have internal linkage and be unused itself).
bool (*vintrelApiUsageRun)(const char*) = runLike;
void (*vintrelApiUsageDesign)() = designLike;
void (*vintrelApiUsageEdit)() = editLike;
void (*vintrelApiUsageUnits)(const Ptr<CommandInputs>&) = unitsLike;
