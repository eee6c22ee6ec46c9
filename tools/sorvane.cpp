// sorvane: the command-line host. It plays one Fusion 360 session in the simulated host around the
// real add-in library, prints the dialog's status and what was created, and writes the session as
// JSON, an SVG picture and a DXF file. Exit status: 0 done, 1 the add-in reported an error or
// failed, 2 usage error.
#include <unistd.h>

#include <climits>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/CommandLine.h"
#include "tools/DxfWriter.h"
#include "tools/SessionJson.h"
#include "tools/SessionPlayer.h"
#include "tools/SvgPicture.h"

namespace {

using namespace sorvane;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

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
  file << content;
  file.close();
  if (!file) std::cerr << "sorvane: cannot write " << path << "\n";
  return static_cast<bool>(file);
}

// As their sketches hold them: in sketch space, where a curve drawn in the sketch's plane has z = 0
// and so stays a planar SPLINE for 2D programs, whatever plane the sketch lies on.
std::vector<Spline> createdSplines(const SessionResult& result) {
  std::vector<Spline> splines;
  if (result.created.empty()) return splines;
  for (const SketchRecord& sketch : result.report.sketches) {
    for (const Spline& spline : sketch.splines) splines.push_back(spline);
  }
  return splines;
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
  if (!options.dxfPath.empty()) {
    const std::vector<Spline> splines = createdSplines(result);
    if (splines.empty()) {
      // After an error status the message already says why there is nothing to write.
      if (!result.report.statusIsError) {
        std::cerr << "sorvane: no spline was created; " << options.dxfPath << " not written\n";
      }
    } else {
      std::ostringstream dxf;
      writeDxf(splines, dxf);
      written &= writeOutput(options.dxfPath, dxf.str());
    }
  }
  return written;
}

void report(const Options& options, const SessionResult& result) {
  // Standard output carries the JSON when it was asked for there.
  const bool talk =
      !options.quiet && options.jsonPath != "-" && options.svgPath != "-" && options.dxfPath != "-";
  if (result.report.statusIsError) {
    std::cerr << "sorvane: " << result.report.status << "\n";
  } else if (talk) {
    std::cout << result.report.status << "\n";
    for (const std::string& line : result.created) std::cout << line << "\n";
    if (options.cancel && result.created.empty()) std::cout << "cancelled: nothing created\n";
  }
  for (const std::string& problem : result.problems) std::cerr << "sorvane: " << problem << "\n";
  if (!result.heldAfterStop.empty()) {
    std::cerr << "sorvane: warning: after stop the add-in still holds";
    for (const std::string& held : result.heldAfterStop) std::cerr << " " << held;
    std::cerr << "\n";
  }
}

int run(const Options& options) {
  const std::string addIn = options.addInPath.empty() ? defaultAddInPath() : options.addInPath;
  const SessionResult result = playSession(options, addIn);
  report(options, result);
  const bool written = writeOutputs(options, result);
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
  try {
    return run(options);
  } catch (const SessionFailure& failure) {
    std::cerr << "sorvane: " << failure.what() << "\n";
  } catch (const std::exception& error) {
    std::cerr << "sorvane: the session failed: " << error.what() << "\n";
  }
  return kFailed;
}
