#include "tools/SessionPlayer.h"

#include <cmath>
#include <map>
#include <memory>
#include <optional>
#include <regex>

#include "dialog/CommandTexts.h"
#include "host/driver/HostSession.h"

namespace sorvane {

namespace {

const char* const kStartupContext = "{\"IsApplicationStartup\":true}";
const char* const kStopContext = "{\"IsApplicationClosing\":true}";

Spline splineOf(const fsim::NurbsData& data) {
  return {data.degree, data.rational, data.periodic, data.controlPoints, data.knots};
}

CurveInputs readInputs(const fsim::HostSession& session) {
  CurveInputs inputs;
  for (const fsim::InputInfo& input : session.inputs()) {
    if (input.id == kXFunctionInputId) inputs.x = input.text;
    if (input.id == kYFunctionInputId) inputs.y = input.text;
    if (input.id == kZFunctionInputId) inputs.z = input.text;
    if (input.id == kMinTValueInputId) inputs.tStart = input.value;
    if (input.id == kMaxTValueInputId) inputs.tEnd = input.value;
  }
  return inputs;
}

// What the add-in's expressions can use: "pi", which a design parameter of that name replaces,
// and every parameter of the design, in ascending byte-wise order of the names.
std::vector<std::pair<std::string, double>> readableParameters(const fsim::HostSession& session) {
  std::map<std::string, double> table{{"pi", M_PI}};
  for (const auto& [name, value] : session.parameters()) table[name] = value;
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
    SketchRecord record{sketch.name, sketch.plane, sketch.createdDuringSession, {}};
    for (const fsim::NurbsData& spline : sketch.splines) record.splines.push_back(splineOf(spline));
    sketches.push_back(record);
  }
  return sketches;
}

// One line per spline that is in `after` but was not in `before` (sketches are matched by name).
std::vector<std::string> describeCreated(const std::vector<SketchRecord>& before,
                                         const std::vector<SketchRecord>& after) {
  std::vector<std::string> lines;
  for (const SketchRecord& sketch : after) {
    std::size_t earlier = 0;
    for (const SketchRecord& old : before) {
      if (old.name == sketch.name) earlier = old.splines.size();
    }
    for (std::size_t i = earlier; i < sketch.splines.size(); ++i) {
      const Spline& spline = sketch.splines[i];
      lines.push_back(sketch.name + " (" + (sketch.created ? "new" : "edited") + ", " +
                      sketch.plane + " plane): spline of degree " + std::to_string(spline.degree) +
                      ", " + std::to_string(spline.controlPoints.size()) + " control points");
    }
  }
  return lines;
}

void typeInputs(fsim::HostSession& session, const Options& options) {
  const std::pair<const std::optional<std::string>*, const char*> texts[] = {
      {&options.x, kXFunctionInputId},
      {&options.y, kYFunctionInputId},
      {&options.z, kZFunctionInputId}};
  for (const auto& [text, id] : texts) {
    if (*text) session.setInputText(id, **text);
  }
  if (options.tStart) session.setInputValue(kMinTValueInputId, *options.tStart);
  if (options.tEnd) session.setInputValue(kMaxTValueInputId, *options.tEnd);
}

std::string messageList(const fsim::HostSession& session) {
  std::string list;
  for (const fsim::MessageBoxRecord& box : session.messageBoxes()) list += "\n  " + box.text;
  return list;
}

void checkOutcome(const Options& options, SessionResult& result) {
  const bool error = result.report.statusIsError;
  if ((error || options.cancel) && !result.created.empty()) {
    result.problems.push_back(std::string("the add-in created a spline after ") +
                              (error ? "an error status" : "Cancel"));
  }
  if (!error && !options.cancel && result.created.size() != 1) {
    result.problems.push_back("OK created " + std::to_string(result.created.size()) +
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
  } catch (const std::runtime_error& error) {
    throw SessionFailure(std::string("the Sorvane dialog lacks an input: ") + error.what());
  }
  report.statusIsError = !isFitStatus(report.status);
  report.inputs = readInputs(session);
  report.parameters = readableParameters(session);
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
  result.created = describeCreated(before, result.report.sketches);
  checkOutcome(options, result);
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

}  // namespace

bool isFitStatus(const std::string& status) {
  static const std::regex kFit(
      "[1-9][0-9]* spline controls(, closed)?( \\(tolerance [^)]* not met: [^)]*\\))?");
  return std::regex_match(status.substr(0, status.find('\n')), kFit);
}

SessionResult playSession(const Options& options, const std::string& addInPath) {
  SessionResult result;
  fsim::HostSession session;  // outlives the library, whose unloading releases host objects
  for (const auto& [name, value] : options.parameters) session.addUserParameter(name, value);
  if (options.editSketch) session.editSketch(session.addSketch(fsim::OriginPlane::XY));
  const std::unique_ptr<fsim::AddInLibrary> addIn = startAddIn(session, addInPath);
  useDialog(session, options, result.report);
  closeDialog(session, options, result);
  stopAddIn(session, *addIn, result);
  return result;
}

}  // namespace sorvane
