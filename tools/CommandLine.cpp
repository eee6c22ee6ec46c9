#include "tools/CommandLine.h"

#include <charconv>
#include <cmath>
#include <iomanip>
#include <sstream>

namespace sorvane {

namespace {

struct OptionSpec {
  const char* name;
  const char* argument;  // nullptr for a flag
  const char* help;
  const char* example;
  bool argumentOptional = false;
};

const OptionSpec kOptions[] = {
    {"--x", "EXPR", "x(t), default \"cos(2 * pi * t)\"", "--x \"r * cos(t)\""},
    {"--y", "EXPR", "y(t), default \"sin(2 * pi * t)\"", "--y \"r * sin(t)\""},
    {"--z", "EXPR", "z(t), default \"t\"", "--z \"pitch * t / (2 * pi)\""},
    {"--t-start", "NUM", "start value of t, default 0", "--t-start -1.5"},
    {"--t-end", "NUM", "end value of t, default 3", "--t-end 6.2832"},
    {"--param", "NAME=VALUE", "user parameter of the design (repeatable)", "--param r=2.5"},
    {"--edit-sketch", "PLANE", "put the spline into Sketch1 on PLANE, in edit", "--edit-sketch xz",
     true},
    {"--cancel", nullptr, "close the dialog with Cancel instead of OK", "--cancel"},
    {"--json", "FILE", "write inputs, status, preview and sketches as JSON", "--json -"},
    {"--svg", "FILE", "draw the curve in four views", "--svg helix.svg"},
    {"--dxf", "FILE", "write the created spline as a DXF R2000 SPLINE", "--dxf helix.dxf"},
    {"--addin", "PATH", "the add-in library to load", "--addin build/addin/Vintrel.so"},
    {"--quiet", nullptr, "print nothing but errors", "--quiet"},
    {"--help", nullptr, "show this help", "--help"},
};

const OptionSpec* findOption(const std::string& name) {
  for (const OptionSpec& spec : kOptions) {
    if (name == spec.name) return &spec;
  }
  return nullptr;
}

double parseNumber(const std::string& option, const std::string& text) {
  // from_chars rejects a leading '+', which people type for positive numbers; skipping it must not
  // let "+-1" through as -1.
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+' && (first + 1 == last || first[1] != '-')) ++first;
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || end != last || !std::isfinite(value)) {
    throw UsageError(option + " needs a finite number, not \"" + text + "\"");
  }
  return value;
}

bool isIdentifier(const std::string& name) {
  if (name.empty()) return false;
  const auto isLetter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
  };
  if (!isLetter(name[0])) return false;
  for (char c : name) {
    if (!isLetter(c) && !(c >= '0' && c <= '9')) return false;
  }
  return true;
}

void addParameter(Options& options, const std::string& text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) {
    throw UsageError("--param needs NAME=VALUE, not \"" + text + "\"");
  }
  const std::string name = text.substr(0, equals);
  if (!isIdentifier(name)) {
    throw UsageError("--param name \"" + name +
                     "\" is not a name (letters, digits, _; not starting with a digit)");
  }
  for (const auto& [existing, value] : options.parameters) {
    if (existing == name) throw UsageError("--param " + name + " given twice");
  }
  options.parameters.emplace_back(name, parseNumber("--param " + name, text.substr(equals + 1)));
}

SketchPlane parsePlane(const std::string& text) {
  const std::pair<const char*, SketchPlane> planes[] = {{"xy", SketchPlane::XY},
                                                        {"xz", SketchPlane::XZ},
                                                        {"yz", SketchPlane::YZ},
                                                        {"tilted", SketchPlane::Tilted}};
  for (const auto& [name, plane] : planes) {
    if (text == name) return plane;
  }
  throw UsageError("--edit-sketch takes xy, xz, yz or tilted, not \"" + text + "\"");
}

void apply(Options& options, const std::string& name, const std::string& value) {
  if (name == "--x") options.x = value;
  if (name == "--y") options.y = value;
  if (name == "--z") options.z = value;
  if (name == "--t-start") options.tStart = parseNumber(name, value);
  if (name == "--t-end") options.tEnd = parseNumber(name, value);
  if (name == "--param") addParameter(options, value);
  if (name == "--json") options.jsonPath = value;
  if (name == "--svg") options.svgPath = value;
  if (name == "--dxf") options.dxfPath = value;
  if (name == "--addin") options.addInPath = value;
  if (name == "--edit-sketch") options.editSketch = parsePlane(value);
  if (name == "--cancel") options.cancel = true;
  if (name == "--quiet") options.quiet = true;
  if (name == "--help") options.help = true;
}

void checkOutputs(const Options& options) {
  int toStandardOutput = 0;
  for (const std::string* path : {&options.jsonPath, &options.svgPath, &options.dxfPath}) {
    if (*path == "-") ++toStandardOutput;
  }
  if (toStandardOutput > 1) throw UsageError("only one output can go to standard output (-)");
}

}  // namespace

Options parseCommandLine(const std::vector<std::string>& arguments) {
  Options options;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const std::size_t equals = argument.find('=');
    const bool hasInlineValue = argument.rfind("--", 0) == 0 && equals != std::string::npos;
    const std::string name = hasInlineValue ? argument.substr(0, equals) : argument;
    const OptionSpec* spec = findOption(name);
    if (!spec) {
      if (argument.empty() || argument[0] != '-') {
        throw UsageError("unexpected argument \"" + argument + "\"");
      }
      throw UsageError("unknown option " + name);
    }
    if (!spec->argument) {
      if (hasInlineValue) throw UsageError(name + " takes no value");
      apply(options, name, "");
      continue;
    }
    const bool nextIsValue = i + 1 < arguments.size() &&
                             !(spec->argumentOptional && arguments[i + 1].rfind('-', 0) == 0);
    if (hasInlineValue) {
      apply(options, name, argument.substr(equals + 1));
    } else if (nextIsValue) {
      apply(options, name, arguments[++i]);
    } else if (spec->argumentOptional) {
      apply(options, name, "xy");
    } else {
      throw UsageError(name + " needs " + spec->argument);
    }
  }
  checkOutputs(options);
  return options;
}

std::string helpText() {
  std::ostringstream text;
  text << "usage: sorvane [OPTION]...\n"
          "Runs the Vintrel add-in in a simulated Fusion 360: clicks Sorvane on the Sketch panel,\n"
          "types the given inputs into its dialog, prints the status and confirms with OK.\n"
          "Expressions use muparser syntax, t, pi and the --param names.\n\n";
  for (const OptionSpec& spec : kOptions) {
    std::string left = spec.name;
    if (spec.argument) {
      left += spec.argumentOptional ? std::string(" [") + spec.argument + "]"
                                    : std::string(" ") + spec.argument;
    }
    text << "  " << std::left << std::setw(22) << left << std::setw(52) << spec.help << "e.g. "
         << spec.example << "\n";
  }
  text << "\nThe formulas are in the coordinates of the sketch that gets the spline: x and y\n"
          "in its plane, z along its normal. PLANE is xy (the default: sketch space is model\n"
          "space), xz (sketch x, y and normal along model x, -z and y), yz (along model -z, y\n"
          "and x) or tilted (origin (1, 2, 3), along (2, 2, -1) / 3, (-1, 2, 2) / 3 and\n"
          "(2, -1, 2) / 3). The JSON gives each spline's control points in sketch and in model\n"
          "space, the SVG draws it in model space, the DXF holds it as the sketch does.\n";
  text
      << "\nexit status: 0 spline created (or cancelled as asked), 1 the add-in reported an error\n"
         "or failed, 2 usage error.\n";
  return text.str();
}

}  // namespace sorvane
