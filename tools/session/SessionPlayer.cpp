#include "tools/session/SessionPlayer.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <regex>

#include "curve/formula/LengthUnit.h"
#include "curve/presets/presetNamed.h"
#include "dialog/CommandTexts.h"
#include "host/driver/HostSession.h"
#include "tools/formats/Units.h"
#include "tools/session/ParameterChange.h"

using vintrel::curve::Coordinates;
using vintrel::curve::LengthUnit;
using vintrel::dialog::kCommandId;
using vintrel::dialog::kCoordinatesInputId;
using vintrel::dialog::kCoordinatesItems;
using vintrel::dialog::kDefinitionsInputId;
using vintrel::dialog::kFewestControlsInputId;
using vintrel::dialog::kFormulaInputIds;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kMinTValueInputId;
using vintrel::dialog::kPanelId;
using vintrel::dialog::kStartFromInputId;
using vintrel::dialog::kStatusDisplayId;
using vintrel::dialog::kToleranceInputId;
using vintrel::dialog::kUnitsInputId;
using vintrel::dialog::kWorkspaceId;

namespace sorvane {

namespace {

const char* const kStartupContext = "{\"IsApplicationStartup\":true}";
const char* const kStopContext = "{\"IsApplicationClosing\":true}";

Spline splineOf(const fsim::NurbsData& data) {
  return {data.degree, data.rational, data.periodic, data.controlPoints, data.knots};
}

fsim::NurbsData nurbsOf(const Spline& spline) {
  return {spline.degree, spline.rational, spline.periodic, spline.controlPoints, spline.knots};
}

std::vector<Attribute> attributesOf(const std::vector<fsim::AttributeInfo>& attributes) {
  std::vector<Attribute> result;
  for (const fsim::AttributeInfo& attribute : attributes) {
    result.push_back({attribute.group, attribute.name, attribute.value});
  }
  return result;
}

const fsim::InputInfo* findInput(const std::vector<fsim::InputInfo>& inputs, const char* id) {
  for (const fsim::InputInfo& input : inputs) {
    if (input.id == id) return &input;
  }
  return nullptr;
}

const fsim::InputInfo& inputNamed(const std::vector<fsim::InputInfo>& inputs, const char* id) {
  if (const fsim::InputInfo* input = findInput(inputs, id)) return *input;
  throw SessionFailure(std::string("the Sorvane dialog lacks the input ") + id);
}

// The coordinates the dialog's drop-down shows chosen.
Coordinates chosenCoordinates(const std::vector<fsim::InputInfo>& inputs) {
  const std::string& item = inputNamed(inputs, kCoordinatesInputId).text;
  for (std::size_t i = 0; i < std::size(kCoordinatesItems); ++i) {
    if (item == kCoordinatesItems[i]) return static_cast<Coordinates>(i);
  }
  throw SessionFailure("the Sorvane dialog's coordinates \"" + item + "\" are none it lists");
}

// The dialog's inputs as they stand: the formulas of the coordinates chosen, their t range, unit,
// tolerance and whether the fit looks for the fewest controls.
CurveInputs readInputs(const fsim::HostSession& session) {
  const std::vector<fsim::InputInfo> inputs = session.inputs();
  CurveInputs read;
  // An add-in built before definitions existed has no such input.
  if (const fsim::InputInfo* definitions = findInput(inputs, kDefinitionsInputId)) {
    read.definitions = definitions->text;
  }
  read.coordinates = chosenCoordinates(inputs);
  const auto formula = [&](std::size_t i) {
    return inputNamed(inputs, kFormulaInputIds[static_cast<std::size_t>(read.coordinates)][i]).text;
  };
  read.x = formula(0);
  read.y = formula(1);
  read.z = formula(2);
  read.tStart = inputNamed(inputs, kMinTValueInputId).value;
  read.tEnd = inputNamed(inputs, kMaxTValueInputId).value;
  read.units = inputNamed(inputs, kUnitsInputId).text;
  read.tolerance = inputNamed(inputs, kToleranceInputId).value;
  // An add-in built before the choice existed has no such check box.
  if (const fsim::InputInfo* fewest = findInput(inputs, kFewestControlsInputId)) {
    read.fewestControls = fewest->checked;
  }
  return read;
}

// What the add-in's expressions can use: "pi", which a design parameter of that name replaces,
// and every parameter of the design, in ascending byte-wise order of the names.
// The constants as the formulas read them: lengths in `unit` (the dialog's), the rest as the
// host keeps them.
std::vector<std::pair<std::string, double>> readableParameters(
    const fsim::HostSession& session, const vintrel::curve::LengthUnit& unit) {
  const vintrel::curve::ParameterTable table =
      designParameters(session.parametersWithUnits()).inUnit(unit);
  return {table.begin(), table.end()};
}

std::vector<PreviewGroup> readPreview(const fsim::HostSession& session) {
  std::vector<PreviewGroup> groups;
  for (const fsim::GraphicsGroupInfo& group : session.graphicsGroups()) {
    PreviewGroup preview{group.id, {}};
    for (const fsim::CurveGraphicsInfo& curve : group.curves) {
      preview.curves.push_back(
          {curve.weight, curve.color, curve.selectable, splineOf(curve.curve)});
    }
    groups.push_back(preview);
  }
  return groups;
}

std::vector<SketchRecord> readSketches(const fsim::HostSession& session) {
  std::vector<SketchRecord> sketches;
  for (const fsim::SketchInfo& sketch : session.sketches()) {
    SketchRecord record;
    record.name = sketch.name;
    record.plane = sketch.plane;
    record.created = sketch.createdDuringSession;
    record.transform = sketch.transform;
    for (const fsim::NurbsData& spline : sketch.splines) record.splines.push_back(splineOf(spline));
    for (const fsim::NurbsData& spline : sketch.worldSplines) {
      record.worldSplines.push_back(splineOf(spline));
    }
    for (const auto& attributes : sketch.splineAttributes) {
      record.splineAttributes.push_back(attributesOf(attributes));
    }
    sketches.push_back(record);
  }
  return sketches;
}

bool sameCurve(const Spline& a, const Spline& b) {
  return a.degree == b.degree && a.rational == b.rational && a.periodic == b.periodic &&
         a.controlPoints == b.controlPoints && a.knots == b.knots;
}

bool sameAttributes(const std::vector<Attribute>& a, const std::vector<Attribute>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](const Attribute& p, const Attribute& q) {
                      return p.group == q.group && p.name == q.name && p.value == q.value;
                    });
}

const std::vector<Attribute>& attributesAt(const SketchRecord& sketch, std::size_t i) {
  static const std::vector<Attribute> kNone;
  return i < sketch.splineAttributes.size() ? sketch.splineAttributes[i] : kNone;
}

std::string splineText(const Spline& spline) {
  return "spline of degree " + std::to_string(spline.degree) + ", " +
         std::to_string(spline.controlPoints.size()) + " control points";
}

// What changed between `before` and `after` (sketches matched by name, splines by index): a line
// per spline added or replaced (other curve or other attributes), in sketch order, and where the
// first of them lies; removed splines are problems.
struct Changes {
  std::vector<std::string> lines;
  std::optional<SplinePlace> first;
  std::vector<std::string> removed;
};

Changes compare(const std::vector<SketchRecord>& before, const std::vector<SketchRecord>& after) {
  Changes changes;
  for (std::size_t s = 0; s < after.size(); ++s) {
    const SketchRecord& sketch = after[s];
    const SketchRecord* old = nullptr;
    for (const SketchRecord& candidate : before) {
      if (candidate.name == sketch.name) old = &candidate;
    }
    const std::size_t earlier = old ? old->splines.size() : 0;
    for (std::size_t i = 0; i < sketch.splines.size(); ++i) {
      const Spline& spline = sketch.splines[i];
      std::string line;
      if (i >= earlier) {
        line = sketch.name + " (" + (sketch.created ? "new" : "edited") + ", " + sketch.plane +
               " plane): " + splineText(spline);
      } else if (!sameCurve(spline, old->splines[i]) ||
                 !sameAttributes(attributesAt(sketch, i), attributesAt(*old, i))) {
        line = sketch.name + ":" + std::to_string(i + 1) + " replaced (" + sketch.plane +
               " plane): " + splineText(spline);
      } else {
        continue;
      }
      changes.lines.push_back(line);
      if (!changes.first) changes.first = SplinePlace{s, i};
    }
    for (std::size_t i = sketch.splines.size(); i < earlier; ++i) {
      changes.removed.push_back(sketch.name + ":" + std::to_string(i + 1));
    }
  }
  return changes;
}

fsim::SketchPlane hostPlane(const std::string& plane) {
  if (plane == "XZ") return fsim::SketchPlane::XZ;
  if (plane == "YZ") return fsim::SketchPlane::YZ;
  if (plane == "Tilted") return fsim::SketchPlane::Tilted;
  return fsim::SketchPlane::XY;
}

fsim::SketchPlane hostPlane(SketchPlane plane) {
  switch (plane) {
    case SketchPlane::XY:
      break;
    case SketchPlane::XZ:
      return fsim::SketchPlane::XZ;
    case SketchPlane::YZ:
      return fsim::SketchPlane::YZ;
    case SketchPlane::Tilted:
      return fsim::SketchPlane::Tilted;
  }
  return fsim::SketchPlane::XY;
}

// The host's choice of a length unit: the one it writes as that unit's text.
fsim::LengthUnitChoice hostChoice(const LengthUnit& unit) {
  for (fsim::LengthUnitChoice choice : fsim::kLengthUnitChoices) {
    if (hostUnitText(unit) == fsim::lengthUnitText(choice)) return choice;
  }
  return fsim::LengthUnitChoice::Centimeter;
}

void buildDesign(fsim::HostSession& session, const DesignFile& design) {
  session.setDistanceDisplayUnits(hostChoice(design.documentUnits));
  try {
    for (const DesignParameter& parameter : design.parameters) {
      switch (parameter.kind) {
        case ParameterKind::User:
          session.addUserParameter(parameter.name, parameter.value, parameter.unit);
          break;
        case ParameterKind::Model:
          session.addModelParameter(parameter.name, parameter.value, parameter.unit);
          break;
        case ParameterKind::Text:
          session.addTextParameter(parameter.name, parameter.text);
          break;
      }
    }
    for (const DesignSketch& sketch : design.sketches) {
      const std::string name = session.addSketch(hostPlane(sketch.plane));
      if (name != sketch.name) {
        throw DesignFileError("the host names the sketch " + sketch.name + " " + name);
      }
      for (const DesignSpline& spline : sketch.splines) {
        const std::size_t index = session.addSpline(name, nurbsOf(spline.curve));
        for (const Attribute& attribute : spline.attributes) {
          session.setSplineAttribute(name, index,
                                     {attribute.group, attribute.name, attribute.value});
        }
        if (!spline.linked) session.breakSplineLink(name, index);
      }
    }
    for (const Attribute& attribute : design.attributes) {
      session.setDesignAttribute({attribute.group, attribute.name, attribute.value});
    }
  } catch (const std::invalid_argument& error) {
    throw DesignFileError(std::string("the host refuses the design: ") + error.what());
  }
}

// The design's sketches as the host holds them, to be saved.
std::vector<DesignSketch> designSketches(const fsim::HostSession& session) {
  std::vector<DesignSketch> sketches;
  for (const fsim::SketchInfo& sketch : session.sketches()) {
    DesignSketch saved{sketch.name, sketch.plane, {}};
    for (std::size_t i = 0; i < sketch.splines.size(); ++i) {
      DesignSpline spline{splineOf(sketch.splines[i]), {}, true};
      if (i < sketch.splineAttributes.size()) {
        spline.attributes = attributesOf(sketch.splineAttributes[i]);
      }
      if (i < sketch.splineLinked.size()) spline.linked = sketch.splineLinked[i];
      saved.splines.push_back(spline);
    }
    sketches.push_back(saved);
  }
  return sketches;
}

// The "Definitions" input, whichever kind of text input the dialog made it.
void typeDefinitions(fsim::HostSession& session, const std::string& text) {
  const std::vector<fsim::InputInfo> inputs = session.inputs();
  const fsim::InputInfo* input = findInput(inputs, kDefinitionsInputId);
  if (input && input->type == "TextBoxCommandInput") {
    session.typeIntoTextBox(kDefinitionsInputId, text);
  } else {
    session.setInputText(kDefinitionsInputId, text);
  }
}

// As a user fills the dialog: a preset first, in the unit its lengths are to be written in, then
// the coordinates, since they decide which formula inputs show, the definitions, the formulas,
// the t range, the unit, the tolerance and the check box below it.
void typeInputs(fsim::HostSession& session, const Options& options) {
  if (options.preset) {
    if (options.units) session.selectDropDownItem(kUnitsInputId, options.units->name);
    session.selectDropDownItem(kStartFromInputId,
                               vintrel::curve::presetNamed(*options.preset)->label);
  }
  if (options.coordinates) {
    session.selectDropDownItem(kCoordinatesInputId,
                               kCoordinatesItems[static_cast<std::size_t>(*options.coordinates)]);
  }
  const std::size_t shown = static_cast<std::size_t>(chosenCoordinates(session.inputs()));
  if (options.definitions) typeDefinitions(session, *options.definitions);
  const std::optional<std::string>* formulas[] = {&options.x, &options.y, &options.z};
  for (std::size_t i = 0; i < 3; ++i) {
    if (*formulas[i]) session.setInputText(kFormulaInputIds[shown][i], **formulas[i]);
  }
  if (options.tStart) session.setInputExpression(kMinTValueInputId, *options.tStart);
  if (options.tEnd) session.setInputExpression(kMaxTValueInputId, *options.tEnd);
  if (options.units && !options.preset) {
    session.selectDropDownItem(kUnitsInputId, options.units->name);
  }
  if (options.tolerance) session.setInputExpression(kToleranceInputId, *options.tolerance);
  if (options.fewestControls) session.setCheckBox(kFewestControlsInputId, *options.fewestControls);
}

std::string messageList(const fsim::HostSession& session) {
  std::string list;
  for (const fsim::MessageBoxRecord& box : session.messageBoxes()) list += "\n  " + box.text;
  return list;
}

// The selected spline when OK left it as it was, as re-applying its own formulas does.
std::optional<SplinePlace> unchangedSelection(const Options& options, const SessionResult& result) {
  if (!options.select || !result.changes.empty()) return std::nullopt;
  const std::vector<SketchRecord>& sketches = result.report.sketches;
  for (std::size_t s = 0; s < sketches.size(); ++s) {
    if (sketches[s].name == options.select->sketch &&
        options.select->number <= sketches[s].splines.size()) {
      return SplinePlace{s, options.select->number - 1};
    }
  }
  return std::nullopt;
}

void checkOutcome(const Options& options, const Changes& changes, SessionResult& result) {
  const bool error = result.report.statusIsError;
  for (const std::string& removed : changes.removed) {
    result.problems.push_back("the add-in removed " + removed);
  }
  if (error || options.cancel) {
    if (!result.changes.empty()) {
      result.problems.push_back(std::string("the add-in created or replaced a spline after ") +
                                (error ? "an error status" : "Cancel"));
    }
    return;
  }
  result.report.result = changes.first;
  if (const std::optional<SplinePlace> kept = unchangedSelection(options, result)) {
    const SketchRecord& sketch = result.report.sketches[kept->sketch];
    result.changes.push_back(sketch.name + ":" + std::to_string(kept->spline + 1) + " unchanged (" +
                             sketch.plane + " plane): " + splineText(sketch.splines[kept->spline]));
    result.report.result = kept;
  } else if (result.changes.size() != 1) {
    result.problems.push_back("OK created or replaced " + std::to_string(result.changes.size()) +
                              " splines instead of one");
  }
}

std::unique_ptr<fsim::AddInLibrary> startAddIn(fsim::HostSession& session,
                                               const std::string& path) {
  std::unique_ptr<fsim::AddInLibrary> addIn;
  try {
    addIn = std::make_unique<fsim::AddInLibrary>(path);
  } catch (const std::runtime_error& error) {
    throw SessionFailure("cannot load the add-in " + path + ": " + error.what());
  }
  if (!addIn->run(kStartupContext)) {
    throw SessionFailure("the add-in's run failed" + messageList(session));
  }
  if (!session.hasControl(kWorkspaceId, kPanelId, kCommandId)) {
    throw SessionFailure("the add-in put no button on the Sketch panel");
  }
  return addIn;
}

// Clicks the button, types the user's inputs and reads the dialog as it stands before OK/Cancel.
void useDialog(fsim::HostSession& session, const Options& options, SessionReport& report) {
  session.click(kWorkspaceId, kPanelId, kCommandId);
  if (!session.dialogOpen()) throw SessionFailure("the Sorvane dialog did not open");
  try {
    typeInputs(session, options);
    report.status = session.textBoxText(kStatusDisplayId);
  } catch (const SessionFailure&) {
    throw;
  } catch (const std::runtime_error& error) {
    throw SessionFailure(std::string("the Sorvane dialog lacks an input: ") + error.what());
  }
  report.statusIsError = !isFitStatus(report.status);
  report.inputs = readInputs(session);
  const std::optional<vintrel::curve::LengthUnit> unit =
      vintrel::curve::lengthUnitNamed(report.inputs.units);
  report.parameters = readableParameters(session, unit ? *unit : vintrel::curve::centimetreUnit());
  report.preview = readPreview(session);
}

void closeDialog(fsim::HostSession& session, const Options& options, SessionResult& result) {
  const std::vector<SketchRecord> before = readSketches(session);
  if (options.cancel) {
    session.cancel();
  } else {
    session.confirm();
  }
  result.report.sketches = readSketches(session);
  const Changes changes = compare(before, result.report.sketches);
  result.changes = changes.lines;
  checkOutcome(options, changes, result);
  if (!session.graphicsGroups().empty()) {
    result.problems.push_back("the preview outlived the dialog");
  }
}

void stopAddIn(fsim::HostSession& session, fsim::AddInLibrary& addIn, SessionResult& result) {
  if (!addIn.stop(kStopContext)) result.problems.push_back("the add-in's stop failed");
  for (const fsim::MessageBoxRecord& box : session.messageBoxes()) {
    result.report.messages.push_back(box.text);
  }
  for (const fsim::HeldObject& held : session.heldObjects()) {
    result.heldAfterStop.push_back(held.type + " (" + std::to_string(held.references) + ")");
  }
  addIn.unload();
}

// The Parameters dialog, confirmed with the new values; the add-in's handler of the ended
// command updates the formula curves that use them.
void changeParameters(fsim::HostSession& session, const ParameterValues& values,
                      SessionResult& result) {
  const std::vector<fsim::SketchInfo> before = session.sketches();
  const std::vector<fsim::ParameterInfo> parametersBefore = session.parametersWithUnits();
  try {
    session.changeParameters(values);
  } catch (const std::invalid_argument& error) {
    throw SessionFailure(std::string("--set-param: ") + error.what());
  }
  result.report.parameters = readableParameters(session, vintrel::curve::centimetreUnit());
  result.report.sketches = readSketches(session);
  std::vector<std::string> requested;
  for (const auto& [name, value] : values) requested.push_back(name);
  const ParameterChange change = describeParameterChange(
      requested, parametersBefore, session.parametersWithUnits(), before, session.sketches());
  result.report.status = change.summary;
  result.report.result = change.first;
  result.resultStatus = change.firstStatus;
  result.changes = change.updated;
  result.problems = change.failed;
}

}  // namespace

bool isFitStatus(const std::string& status) {
  static const std::regex kFit(
      "[1-9][0-9]* spline controls(, closed)?(, fewest)?( \\(tolerance [^)]* not met: [^)]*\\))?");
  return std::regex_match(status.substr(0, status.find('\n')), kFit);
}

SessionResult playSession(const Options& options, const std::string& addInPath,
                          const DesignFile& design, const ParameterValues& parameterChanges) {
  SessionResult result;
  fsim::HostSession session;  // outlives the library, whose unloading releases host objects
  buildDesign(session, design);
  if (options.editSketch) session.editSketch(session.addSketch(hostPlane(*options.editSketch)));
  if (options.select) {
    try {
      session.selectSpline(options.select->sketch, options.select->number - 1);
    } catch (const std::invalid_argument& error) {
      throw SessionFailure(std::string("cannot select the spline: ") + error.what());
    }
  }
  const std::unique_ptr<fsim::AddInLibrary> addIn = startAddIn(session, addInPath);
  result.design.documentUnits = design.documentUnits;
  result.design.parameters = design.parameters;
  if (options.setParameters.empty()) {
    useDialog(session, options, result.report);
    result.resultStatus = result.report.status;
    closeDialog(session, options, result);
  } else {
    changeParameters(session, parameterChanges, result);
    setParameterValues(result.design, parameterChanges);
  }
  stopAddIn(session, *addIn, result);
  result.design.sketches = designSketches(session);
  for (const fsim::AttributeInfo& attribute : session.designAttributes()) {
    result.design.attributes.push_back({attribute.group, attribute.name, attribute.value});
  }
  return result;
}

}  // namespace sorvane
