// sorvane: the command-line host. It plays one Fusion 360 session in the simulated host around the
// real add-in library, prints the dialog's status and what was created, and writes the session as
// JSON, an SVG picture, a DXF file and a STEP file; with --design it keeps the design in a file
// between runs. --list-presets prints the library of curves to start from instead.
// Exit status: 0 done, 1 the add-in reported an error or failed, or an output could not be
// written, 2 usage error (--step in a build without OpenCASCADE included), 3 the design file
// cannot be read, is damaged or cannot be saved (refused before the session when a save could not
// succeed).
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/cli/CommandLine.h"
#include "tools/formats/DesignFile.h"
#include "tools/formats/DesignFileStore.h"
#include "tools/formats/DxfWriter.h"
#include "tools/formats/SessionJson.h"
#include "tools/formats/StepWriter.h"
#include "tools/formats/SvgPicture.h"
#include "tools/formats/presetListText.h"
#include "tools/formats/replaceFile.h"
#include "tools/formats/writePresetListJson.h"
#include "tools/session/ParameterChange.h"
#include "tools/session/SessionPlayer.h"

namespace {

using namespace sorvane;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kDesignFileFault = 3;

// The add-in built beside this program: <build>/addin/Vintrel.so next to <build>/tools/sorvane.
// The path CMake knew at build time is the fallback for a program that was copied elsewhere.
std::string defaultAddInPath() {
  char buffer[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (length > 0) {
    const std::string exe(buffer, static_cast<std::size_t>(length));
    const std::string beside = exe.substr(0, exe.rfind('/')) + "/../addin/Vintrel.so";
    if (access(beside.c_str(), R_OK) == 0) return beside;
  }
#ifdef SORVANE_ADDIN_PATH
  return SORVANE_ADDIN_PATH;
#else
  return "Vintrel.so";
#endif
}

// Writes `content` to `path` ("-": standard output). Answers false after telling why on stderr.
bool writeOutput(const std::string& path, const std::string& content) {
  if (path == "-") {
    std::cout << content << std::flush;
    return static_cast<bool>(std::cout);
  }
  std::ofstream file(path, std::ios::binary);
  const int openError = file.is_open() ? 0 : errno;
  file << content;
  file.close();
  if (!file) {
    std::cerr << "sorvane: cannot write " << path;
    if (openError != 0) std::cerr << ": " << std::strerror(openError);
    std::cerr << "\n";
  }
  return static_cast<bool>(file);
}

// The STEP file replaces `path` whole (replaceFile), as a design file is saved, or goes to
// standard output. Answers false after telling why on stderr.
bool writeStepOutput(const std::string& path, const Spline& spline, const std::string& name) {
  std::ostringstream step;
  try {
    writeStep(spline, name, step);
  } catch (const std::exception& error) {
    std::cerr << "sorvane: " << path << " not written: " << error.what() << "\n";
    return false;
  }
  if (path == "-") return writeOutput(path, step.str());
  try {
    replaceFile(path, step.str());
  } catch (const FileReplaceError& error) {
    std::cerr << "sorvane: cannot write " << path << ": " << error.what() << "\n";
    return false;
  }
  return true;
}

// The spline OK gave as its sketch holds it: in sketch space, where a curve drawn in the sketch's
// plane has z = 0 and so stays a planar SPLINE for 2D programs, whatever plane the sketch lies on;
// the STEP file holds it so too.
// It is closed as the status that came with it says.
std::vector<DxfSpline> resultSplines(const SessionResult& result) {
  const std::optional<SplinePlace>& place = result.report.result;
  if (!place) return {};
  return {{result.report.sketches[place->sketch].splines[place->spline],
           statusReportsClosed(result.resultStatus)}};
}

// A --select that names no spline of the design is a usage error, found before any host starts.
void checkSelection(const Options& options, const DesignFile& design) {
  if (!options.select) return;
  const SplineReference& reference = *options.select;
  const std::string given = "--select " + reference.sketch + ":" + std::to_string(reference.number);
  for (const DesignSketch& sketch : design.sketches) {
    if (sketch.name != reference.sketch) continue;
    if (reference.number <= sketch.splines.size()) return;
    const std::size_t count = sketch.splines.size();
    throw UsageError(given + ": " + sketch.name + " has " +
                     (count == 0   ? std::string("no splines")
                      : count == 1 ? std::string("1 spline")
                                   : std::to_string(count) + " splines"));
  }
  throw UsageError(
      given + ": the design has no sketch " + reference.sketch +
      (options.designPath.empty() ? " (a design with sketches comes from --design)" : ""));
}

// The name --select gives the spline OK created or replaced: "Sketch1:1".
std::string resultName(const SessionResult& result) {
  const SplinePlace& place = *result.report.result;
  return result.report.sketches[place.sketch].name + ":" + std::to_string(place.spline + 1);
}

bool writeOutputs(const Options& options, const SessionResult& result) {
  bool written = true;
  if (!options.jsonPath.empty()) {
    std::ostringstream json;
    writeSessionJson(result.report, json);
    written &= writeOutput(options.jsonPath, json.str());
  }
  if (!options.svgPath.empty()) {
    written &= writeOutput(options.svgPath, drawSvgPicture(result.report));
  }
  const std::vector<DxfSpline> splines = resultSplines(result);
  for (const std::string* path : {&options.dxfPath, &options.stepPath}) {
    // After an error status the message already says why there is nothing to write.
    if (!path->empty() && splines.empty() && !result.report.statusIsError) {
      std::cerr << "sorvane: no spline was created; " << *path << " not written\n";
    }
  }
  if (splines.empty()) return written;
  if (!options.dxfPath.empty()) {
    std::ostringstream dxf;
    writeDxf(splines, dxf);
    written &= writeOutput(options.dxfPath, dxf.str());
  }
  if (!options.stepPath.empty()) {
    written &= writeStepOutput(options.stepPath, splines.front().curve, resultName(result));
  }
  return written;
}

void report(const Options& options, const SessionResult& result) {
  // Standard output carries the JSON when it was asked for there.
  const bool talk = !options.quiet && options.jsonPath != "-" && options.svgPath != "-" &&
                    options.dxfPath != "-" && options.stepPath != "-";
  if (result.report.statusIsError) {
    std::cerr << "sorvane: " << result.report.status << "\n";
  } else if (talk) {
    std::cout << result.report.status << "\n";
    for (const std::string& line : result.changes) std::cout << line << "\n";
    if (options.cancel && result.changes.empty()) std::cout << "cancelled: nothing created\n";
  }
  for (const std::string& problem : result.problems) std::cerr << "sorvane: " << problem << "\n";
  if (!result.heldAfterStop.empty()) {
    std::cerr << "sorvane: warning: after stop the add-in still holds";
    for (const std::string& held : result.heldAfterStop) std::cerr << " " << held;
    std::cerr << "\n";
  }
}

// --list-presets: the ids and labels, and with --json the texts the dialog would get, lengths in
// the unit a new curve's dialog would show.
int listPresets(const Options& options) {
  // Asked for, like --help: --quiet does not silence it.
  if (options.jsonPath != "-") std::cout << presetListText();
  if (options.jsonPath.empty()) return kDone;
  const vintrel::curve::LengthUnit unit = options.units ? *options.units
                                          : options.documentUnits
                                              ? *options.documentUnits
                                              : vintrel::curve::centimetreUnit();
  std::ostringstream json;
  writePresetListJson(unit, json);
  return writeOutput(options.jsonPath, json.str()) ? kDone : kFailed;
}

int run(const Options& options, const DesignFile& design, const ParameterValues& changes) {
  const std::string addIn = options.addInPath.empty() ? defaultAddInPath() : options.addInPath;
  const SessionResult result = playSession(options, addIn, design, changes);
  report(options, result);
  const bool written = writeOutputs(options, result);
  if (!options.designPath.empty()) saveDesignFile(options.designPath, result.design);
  const bool sound = !result.report.statusIsError && result.problems.empty();
  return sound && written ? kDone : kFailed;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  try {
    options = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& error) {
    std::cerr << "sorvane: " << error.what() << "\nTry 'sorvane --help' for the options.\n";
    return kUsage;
  }
  if (options.help) {
    std::cout << helpText();
    return kDone;
  }
  if (options.listPresets) return listPresets(options);
  if (!options.stepPath.empty() && !stepWriterAvailable()) {
    std::cerr << "sorvane: --step: this sorvane was built without OpenCASCADE, which writes STEP "
                 "files (Debian: libocct-data-exchange-dev)\n";
    return kUsage;
  }
  DesignFile design;
  try {
    if (!options.designPath.empty()) design = loadDesignFile(options.designPath);
  } catch (const DesignFileError& error) {
    std::cerr << "sorvane: " << options.designPath << ": " << error.what() << "\n";
    return kDesignFileFault;
  }
  if (options.documentUnits) design.documentUnits = *options.documentUnits;
  setParameters(design, options.parameters);
  ParameterValues changes;
  try {
    checkSelection(options, design);
    changes = parameterChangeValues(design, options.setParameters);
  } catch (const UsageError& error) {
    std::cerr << "sorvane: " << error.what() << "\n";
    return kUsage;
  }
  try {
    return run(options, design, changes);
  } catch (const DesignFileError& error) {
    std::cerr << "sorvane: " << options.designPath << ": " << error.what() << "\n";
    return kDesignFileFault;
  } catch (const SessionFailure& failure) {
    std::cerr << "sorvane: " << failure.what() << "\n";
  } catch (const std::exception& error) {
    std::cerr << "sorvane: the session failed: " << error.what() << "\n";
  }
  return kFailed;
}
