#include "tests/fuzz/fuzzDialogSession.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "dialog/CommandTexts.h"
#include "graphics/CurvePreview.h"
#include "host/driver/HostSession.h"
#include "tests/fuzz/DialogStatus.h"
#include "tests/fuzz/FuzzInvariant.h"
#include "tests/fuzz/fuzzInputLines.h"

using vintrel::dialog::kCommandId;
using vintrel::dialog::kCoordinatesInputId;
using vintrel::dialog::kCoordinatesItems;
using vintrel::dialog::kDefinitionsInputId;
using vintrel::dialog::kFormulaInputIds;
using vintrel::dialog::kMaxTValueInputId;
using vintrel::dialog::kMinTValueInputId;
using vintrel::dialog::kPanelId;
using vintrel::dialog::kStartFromInputId;
using vintrel::dialog::kStatusDisplayId;
using vintrel::dialog::kToleranceInputId;
using vintrel::dialog::kUnitsInputId;
using vintrel::dialog::kWorkspaceId;

namespace {

constexpr char kApplicationType[] = "adsk::core::Application";
constexpr char kUserInterfaceType[] = "adsk::core::UserInterface";
// Each action may fit up to six splines; this keeps one input within a few seconds.
constexpr int kMostActions = 32;

struct Action {
  std::string verb;
  std::string argument;
};

Action parseAction(const std::string& line) {
  const std::size_t space = line.find(' ');
  if (space == std::string::npos) return {line, ""};
  return {line.substr(0, space), line.substr(space + 1)};
}

// "NAME VALUE", split at the last blank; the name may hold blanks of its own.
std::pair<std::string, double> nameAndValue(const std::string& argument) {
  const std::size_t space = argument.rfind(' ');
  if (space == std::string::npos) return {argument, 0.0};
  return {argument.substr(0, space), leadingNumber(argument.substr(space + 1), 0.0)};
}

class SessionPlayer {
 public:
  explicit SessionPlayer(AddInUnderTest& addIn) : addIn_(addIn) {}

  void play(const Action& action);
  void finish();

 private:
  void type(const std::string& id, const std::string& text);
  void typeFormula(int slot, const std::string& text);
  void choose(const std::string& id, const std::string& item);
  void chooseCoordinates(const std::string& name);
  void define(const std::string& text);
  void setValue(const std::string& id, double value);
  void click();
  void confirm();
  void cancel();
  void run(const std::string& context);
  void stop();
  void reload();
  void editNewSketch(const std::string& plane);
  void finishSketchEdit();
  void switchProduct(const std::string& product);
  void addParameter(const std::string& argument, bool user);

  void checkPreview(const std::string& after);
  void checkPreviewGroup(const DialogStatus& status, const std::string& context) const;
  void checkBetweenEvents(const std::string& after) const;
  void checkNoPreviewLeft(const std::string& after) const;
  std::vector<fsim::GraphicsGroupInfo> previewGroups() const;
  std::map<std::string, int> held() const;
  bool designActive() const { return product_ == fsim::ActiveProduct::Design; }

  fsim::HostSession host_;
  AddInUnderTest& addIn_;
  bool running_ = false;
  bool editingSketch_ = false;
  fsim::ActiveProduct product_ = fsim::ActiveProduct::Design;
  std::size_t expectedMessageBoxes_ = 0;
  // The last preview's outcome, while it still tells what OK computes from the same inputs.
  std::optional<DialogStatus> preview_;
  // The last preview's curve, while the sketch in edit is still the one it was drawn for.
  std::optional<fsim::NurbsData> previewedCurve_;
  // The preview's manager looks for its group in the active design only: a preview ended while
  // no design is active stays in its design, and later previews of that design may find it by
  // its ID instead of their own group. After that the groups are not checked any more.
  bool groupsTrusted_ = true;
};

void SessionPlayer::play(const Action& action) {
  if (!designActive() && !previewGroups().empty()) groupsTrusted_ = false;
  const std::string& verb = action.verb;
  const std::string& argument = action.argument;
  if (verb == "x" || verb == "y" || verb == "z") {
    typeFormula(verb[0] - 'x', argument);
  } else if (verb == "units") {
    choose(kUnitsInputId, argument);
  } else if (verb == "tolerance") {
    setValue(kToleranceInputId, leadingNumber(argument, 0.0));
  } else if (verb == "coordinates") {
    chooseCoordinates(argument);
  } else if (verb == "define") {
    define(argument);
  } else if (verb == "preset") {
    choose(kStartFromInputId, argument);
  } else if (verb == "start") {
    setValue(kMinTValueInputId, leadingNumber(argument, 0.0));
  } else if (verb == "end") {
    setValue(kMaxTValueInputId, leadingNumber(argument, 0.0));
  } else if (verb == "click") {
    click();
  } else if (verb == "ok") {
    confirm();
  } else if (verb == "cancel") {
    cancel();
  } else if (verb == "run") {
    run(argument);
  } else if (verb == "stop") {
    stop();
  } else if (verb == "reload") {
    reload();
  } else if (verb == "sketch") {
    editNewSketch(argument);
  } else if (verb == "finish") {
    finishSketchEdit();
  } else if (verb == "product") {
    switchProduct(argument);
  } else if (verb == "param" || verb == "model") {
    addParameter(argument, verb == "param");
  } else {
    return;
  }
  checkBetweenEvents(verb);
}

void SessionPlayer::type(const std::string& id, const std::string& text) {
  if (!host_.dialogOpen()) return;
  host_.setInputText(id, text);
  checkPreview("typing into " + id);
}

// The first, second or third formula of the coordinates chosen in the dialog.
void SessionPlayer::typeFormula(int slot, const std::string& text) {
  if (!host_.dialogOpen()) return;
  for (const fsim::InputInfo& input : host_.inputs()) {
    if (input.id != kCoordinatesInputId) continue;
    for (int system = 0; system < 3; ++system) {
      if (input.text == kCoordinatesItems[system]) type(kFormulaInputIds[system][slot], text);
    }
  }
}

// An item the drop-down does not list is no move a user can make.
void SessionPlayer::choose(const std::string& id, const std::string& item) {
  if (!host_.dialogOpen()) return;
  for (const fsim::InputInfo& input : host_.inputs()) {
    if (input.id != id) continue;
    if (std::find(input.items.begin(), input.items.end(), item) == input.items.end()) return;
    host_.selectDropDownItem(id, item);
    checkPreview("choosing " + item);
  }
}

// "\n" in the argument is a line break, so that one action can type several definitions.
void SessionPlayer::define(const std::string& text) {
  if (!host_.dialogOpen()) return;
  std::string lines = text;
  for (std::size_t at = lines.find("\\n"); at != std::string::npos; at = lines.find("\\n", at)) {
    lines.replace(at, 2, "\n");
  }
  host_.typeIntoTextBox(kDefinitionsInputId, lines);
  checkPreview("typing definitions");
}

void SessionPlayer::chooseCoordinates(const std::string& name) {
  static const std::map<std::string, int> systems = {
      {"cartesian", 0}, {"cylindrical", 1}, {"spherical", 2}};
  const auto found = systems.find(name);
  if (found != systems.end()) choose(kCoordinatesInputId, kCoordinatesItems[found->second]);
}

void SessionPlayer::setValue(const std::string& id, double value) {
  if (!host_.dialogOpen()) return;
  host_.setInputValue(id, value);
  checkPreview("setting " + id);
}

void SessionPlayer::click() {
  if (!host_.hasControl(kWorkspaceId, kPanelId, kCommandId)) return;
  host_.click(kWorkspaceId, kPanelId, kCommandId);
  requireThat(host_.dialogOpen(), "the click opened no dialog");
  checkPreview("click");
}

std::map<std::string, std::size_t> splineCounts(const std::vector<fsim::SketchInfo>& sketches) {
  std::map<std::string, std::size_t> counts;
  for (const fsim::SketchInfo& sketch : sketches) counts[sketch.name] = sketch.splines.size();
  return counts;
}

// Whether the preview `drawn` shows `spline` (in model space): the same degree and knots, and
// control points equal to within 1e-9 of the spline's largest coordinate.
bool liesOn(const fsim::NurbsData& drawn, const fsim::NurbsData& spline) {
  if (drawn.degree != spline.degree || drawn.knots != spline.knots ||
      drawn.controlPoints.size() != spline.controlPoints.size()) {
    return false;
  }
  double size = 0;
  for (const auto& point : spline.controlPoints) {
    for (double c : point) size = std::max(size, std::abs(c));
  }
  for (std::size_t i = 0; i < spline.controlPoints.size(); ++i) {
    for (int j = 0; j < 3; ++j) {
      if (!(std::abs(drawn.controlPoints[i][j] - spline.controlPoints[i][j]) <= 1e-9 * size)) {
        return false;
      }
    }
  }
  return true;
}

void SessionPlayer::confirm() {
  if (!host_.dialogOpen()) return;
  const std::map<std::string, std::size_t> before = splineCounts(host_.sketches());
  host_.confirm();
  checkNoPreviewLeft("OK");

  const std::vector<fsim::SketchInfo> sketches = host_.sketches();
  std::size_t newSketches = sketches.size() - before.size();
  std::vector<fsim::NurbsData> newSplines, newWorldSplines;
  for (const fsim::SketchInfo& sketch : sketches) {
    const auto old = before.find(sketch.name);
    const std::size_t oldCount = old == before.end() ? 0 : old->second;
    requireThat(sketch.splines.size() >= oldCount, "OK removed a spline");
    newSplines.insert(newSplines.end(), sketch.splines.begin() + oldCount, sketch.splines.end());
    newWorldSplines.insert(newWorldSplines.end(), sketch.worldSplines.begin() + oldCount,
                           sketch.worldSplines.end());
  }
  requireThat(newSplines.size() <= 1 && newSketches <= newSplines.size(),
              "OK added " + std::to_string(newSplines.size()) + " splines and " +
                  std::to_string(newSketches) + " sketches");
  if (!running_ || !designActive()) {
    requireThat(newSplines.empty(), "OK added a spline without a running add-in and a design");
  } else if (preview_) {
    const bool fit = preview_->kind == DialogStatus::Kind::Fit;
    requireThat(newSplines.size() == (fit ? 1u : 0u),
                std::string("OK after a preview of kind ") + kindName(preview_->kind) + " added " +
                    std::to_string(newSplines.size()) + " splines");
    if (fit) {
      const fsim::NurbsData& spline = newSplines.front();
      requireThat(spline.controlPoints.size() == static_cast<std::size_t>(preview_->controlCount),
                  "OK added a spline of " + std::to_string(spline.controlPoints.size()) +
                      " controls after a preview of " + std::to_string(preview_->controlCount));
      requireThat(newSketches == (editingSketch_ ? 0u : 1u), "OK added the wrong sketches");
      if (previewedCurve_) {
        requireThat(liesOn(*previewedCurve_, newWorldSplines.front()),
                    "OK added a spline elsewhere than the preview showed it");
      }
    }
  }
  preview_.reset();
  previewedCurve_.reset();
}

void SessionPlayer::cancel() {
  if (!host_.dialogOpen()) return;
  host_.cancel();
  checkNoPreviewLeft("Cancel");
  preview_.reset();
}

void SessionPlayer::run(const std::string& context) {
  if (running_) return;
  requireThat(addIn_.library().run(context), "run(\"" + context + "\") failed");
  running_ = true;
  // The add-in reads the context as a C string: it ends at a zero byte.
  if (std::string(context.c_str()).find("false") != std::string::npos) ++expectedMessageBoxes_;
  requireThat(host_.hasControl(kWorkspaceId, kPanelId, kCommandId), "run added no button");
}

void SessionPlayer::stop() {
  if (!running_) return;
  requireThat(addIn_.library().stop(""), "stop failed");
  running_ = false;
  preview_.reset();
  checkNoPreviewLeft("stop");
  requireThat(!host_.hasControl(kWorkspaceId, kPanelId, kCommandId) &&
                  !host_.hasCommandDefinition(kCommandId),
              "stop left the button or its definition");
}

// As a host does it: the command ends and the add-in stops before its library goes.
void SessionPlayer::reload() {
  cancel();
  const bool wasRunning = running_;
  stop();
  addIn_.reload();
  if (wasRunning) run("");
}

void SessionPlayer::editNewSketch(const std::string& plane) {
  const std::map<std::string, fsim::SketchPlane> planes = {{"xy", fsim::SketchPlane::XY},
                                                           {"xz", fsim::SketchPlane::XZ},
                                                           {"yz", fsim::SketchPlane::YZ},
                                                           {"tilted", fsim::SketchPlane::Tilted}};
  const auto found = planes.find(plane);
  if (found == planes.end()) return;
  host_.editSketch(host_.addSketch(found->second));
  editingSketch_ = true;
  previewedCurve_.reset();
}

void SessionPlayer::finishSketchEdit() {
  host_.finishSketchEdit();
  editingSketch_ = false;
  previewedCurve_.reset();
}

void SessionPlayer::switchProduct(const std::string& product) {
  const std::map<std::string, fsim::ActiveProduct> products = {
      {"design", fsim::ActiveProduct::Design},
      {"other", fsim::ActiveProduct::OtherProduct},
      {"none", fsim::ActiveProduct::None}};
  const auto found = products.find(product);
  if (found == products.end()) return;
  host_.setActiveProduct(found->second);
  product_ = found->second;
  preview_.reset();
  // The session may end right here, with Cancel and stop unable to reach the group.
  if (!designActive() && !previewGroups().empty()) groupsTrusted_ = false;
}

void SessionPlayer::addParameter(const std::string& argument, bool user) {
  const auto [name, value] = nameAndValue(argument);
  if (user) {
    host_.addUserParameter(name, value);
  } else {
    host_.addModelParameter(name, value);
  }
  preview_.reset();
}

// After an event that ran the preview: a fit is drawn as exactly one curve of its count, an
// error draws nothing, and a missing host object is only reported when one really is missing.
void SessionPlayer::checkPreview(const std::string& after) {
  const std::string text = host_.textBoxText(kStatusDisplayId);
  const DialogStatus status = classifyStatus(text);
  const std::string context = after + ": status \"" + text + "\"";
  requireThat(status.kind != DialogStatus::Kind::Unclear, context + " is not a clear outcome");
  if (status.kind == DialogStatus::Kind::NullObject) {
    requireThat(!running_ || !designActive(), context + " with the add-in running on a design");
  }
  if (status.kind == DialogStatus::Kind::Fit) {
    requireThat(running_ && designActive(), context + " without a running add-in and a design");
  }
  if (groupsTrusted_) checkPreviewGroup(status, context);
  previewedCurve_.reset();
  if (groupsTrusted_ && status.kind == DialogStatus::Kind::Fit) {
    previewedCurve_ = previewGroups()[0].curves[0].curve;
  }
  if (running_ && designActive()) {
    preview_ = status;
  } else {
    preview_.reset();
  }
}

void SessionPlayer::checkPreviewGroup(const DialogStatus& status,
                                      const std::string& context) const {
  const std::vector<fsim::GraphicsGroupInfo> groups = previewGroups();
  if (status.kind != DialogStatus::Kind::Fit) {
    // A fit that fails leaves the group it was to be drawn in, empty, until the next update.
    for (const fsim::GraphicsGroupInfo& group : groups) {
      requireThat(group.curves.empty(), context + " but a preview curve is left");
    }
    return;
  }
  requireThat(groups.size() == 1 && groups[0].curves.size() == 1,
              context + " but not exactly one preview curve");
  const fsim::CurveGraphicsInfo& curve = groups[0].curves[0];
  const std::size_t count = static_cast<std::size_t>(status.controlCount);
  requireThat(curve.curve.degree == 3 && curve.curve.controlPoints.size() == count &&
                  curve.curve.knots.size() == count + 4,
              context + " but the preview curve has another shape");
  requireThat(curve.color == (std::array<int, 4>{255, 0, 0, 255}), context + ": not red");
}

void SessionPlayer::checkBetweenEvents(const std::string& after) const {
  const std::vector<std::string> errors = host_.handlerErrors();
  requireThat(errors.empty(),
              after + ": an exception left a handler: " + (errors.empty() ? "" : errors.front()));
  requireThat(host_.messageBoxes().size() == expectedMessageBoxes_,
              after + ": unexpected message box: " +
                  (host_.messageBoxes().empty() ? "" : host_.messageBoxes().back().text));
  std::map<std::string, int> references = held();
  const int application = references[kApplicationType];
  const int userInterface = references[kUserInterfaceType];
  references.erase(kApplicationType);
  references.erase(kUserInterfaceType);
  requireThat(references.empty(), after + ": the add-in holds a " +
                                      (references.empty() ? "" : references.begin()->first));
  const int base = running_ ? 1 : 0;
  requireThat(userInterface == base,
              after + ": user interface held " + std::to_string(userInterface) + " times");
  // Once more by the preview's manager while a preview is shown.
  requireThat(application == base || application == base + 1,
              after + ": application held " + std::to_string(application) + " times");
  requireThat(!groupsTrusted_ || previewGroups().size() <= 1,
              after + ": more than one preview group");
}

void SessionPlayer::checkNoPreviewLeft(const std::string& after) const {
  const int base = running_ ? 1 : 0;
  requireThat(held()[kApplicationType] == base, after + ": the preview's manager is still held");
  requireThat(!groupsTrusted_ || previewGroups().empty(),
              after + ": the preview group is left in the design");
}

std::vector<fsim::GraphicsGroupInfo> SessionPlayer::previewGroups() const {
  std::vector<fsim::GraphicsGroupInfo> groups;
  for (const fsim::GraphicsGroupInfo& group : host_.graphicsGroups()) {
    if (group.id == kCurvePreviewGroupId) groups.push_back(group);
  }
  return groups;
}

std::map<std::string, int> SessionPlayer::held() const {
  std::map<std::string, int> references;
  for (const fsim::HeldObject& object : host_.heldObjects()) {
    references[object.type] += object.references;
  }
  return references;
}

void SessionPlayer::finish() {
  cancel();
  stop();
  checkBetweenEvents("the end of the session");
  requireThat(held().empty(), "the add-in holds host objects after stop");
}

}  // namespace

void fuzzDialogSession(const std::uint8_t* data, std::size_t size, AddInUnderTest& addIn) {
  SessionPlayer player(addIn);
  int played = 0;
  for (const std::string& line : fuzzInputLines(data, size)) {
    if (played == kMostActions) break;
    const Action action = parseAction(line);
    player.play(action);
    ++played;
  }
  player.finish();
}
