#include "tools/cli/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <map>
#include <sstream>

#include "curve/presets/presetNamed.h"

namespace sorvane {

namespace {

// How many values an option takes each time it is given.
enum class Arity { None, One, NoneOrOne };

struct OptionSpec {
  const char* name;
  const char* argument;  // nullptr for a flag
  const char* help;
  const char* example;
  Arity arity = Arity::One;
};

const OptionSpec kOptions[] = {
    {"--preset", "ID",
     "start from the library's curve ID, as the dialog's \"Start from\" does: its definitions "
     "(lengths in --units), formulas, t range and coordinates; later options change them",
     "--preset helix"},
    {"--list-presets", nullptr, "list the library's curves, ID and label, and stop",
     "--list-presets", Arity::None},
    {"--define", "TEXT",
     "the definitions the formulas may use: name = expression items, separated by \";\" or "
     "lines",
     "--define \"k = (R + r) / r; m = 2 * k\""},
    {"--x", "EXPR",
     "first formula: x(t), or \xCF\x81(t), r(t) with --coordinates; default \"cos(2 * pi * t)\"",
     "--x \"r * cos(t)\""},
    {"--y", "EXPR",
     "second formula: y(t), or \xCE\xB8(t) with --coordinates; default \"sin(2 * pi * t)\"",
     "--y \"r * sin(t)\""},
    {"--z", "EXPR", "third formula: z(t), or \xCF\x86(t) in spherical --coordinates; default \"t\"",
     "--z \"pitch * t / (2 * pi)\""},
    {"--t-start", "EXPR", "start value of t, default 0", "--t-start -1.5"},
    {"--t-end", "EXPR", "end value of t, default 3", "--t-end \"2 * pi\""},
    {"--coordinates", "SYSTEM",
     "the formulas' coordinates: cartesian (the default), cylindrical or spherical",
     "--coordinates cylindrical"},
    {"--units", "UNIT", "the dialog's unit of lengths and of the tolerance; default the design's",
     "--units mm"},
    {"--tolerance", "EXPR",
     "how far the spline may stray from the curve, in --units; default 0.002 cm written in the "
     "design's unit",
     "--tolerance 0.01"},
    {"--fewest-controls", "yes|no",
     "tick (yes, the default) or clear the dialog's \"Fewest controls\": the fewest controls "
     "that meet the tolerance, knots where the curve needs them",
     "--fewest-controls", Arity::NoneOrOne},
    {"--param", "NAME=VALUE[UNIT]",
     "user parameter of the design (repeatable); a length with mm, cm, ..., an angle with deg or "
     "rad, else unitless",
     "--param r=5mm"},
    {"--set-param", "NAME=VALUE[UNIT]",
     "change a parameter in the Parameters dialog instead of using Sorvane (repeatable); without "
     "a unit VALUE is in the parameter's unit",
     "--set-param r=8"},
    {"--document-units", "UNIT", "the design's default length unit, default cm",
     "--document-units mm"},
    {"--design", "FILE", "keep the design in FILE between runs", "--design spring.json"},
    {"--select", "SKETCH:N", "select the N-th spline of SKETCH to edit it", "--select Sketch1:1"},
    {"--edit-sketch", "PLANE", "put the spline into a new sketch on PLANE, in edit",
     "--edit-sketch xz", Arity::NoneOrOne},
    {"--cancel", nullptr, "close the dialog with Cancel instead of OK", "--cancel", Arity::None},
    {"--json", "FILE", "write inputs, status, preview and sketches as JSON, lengths in cm",
     "--json -"},
    {"--svg", "FILE", "draw the curve in four views, with scale bars in cm", "--svg helix.svg"},
    {"--dxf", "FILE", "write the created spline as a DXF R2000 SPLINE in cm", "--dxf helix.dxf"},
    {"--step", "FILE",
     "write the created spline as a STEP edge on its exact B-spline, in mm, through OpenCASCADE",
     "--step helix.step"},
    {"--addin", "PATH", "the add-in library to load", "--addin build/addin/Vintrel.so"},
    {"--quiet", nullptr, "print nothing but errors", "--quiet", Arity::None},
    {"--help", nullptr, "show this help", "--help", Arity::None},
};

// A number as people type it. from_chars rejects a leading '+', which people type for positive
// numbers; skipping it must not let "+-1" through as -1. Answers the number and where it ends.
std::pair<double, const char*> leadingNumber(const std::string& option, const std::string& text) {
  const char* first = text.data();
  const char* last = first + text.size();
  if (first != last && *first == '+' && (first + 1 == last || first[1] != '-')) ++first;
  double value = 0;
  const auto [end, error] = std::from_chars(first, last, value);
  if (first == last || error != std::errc() || !std::isfinite(value)) {
    throw UsageError(option + " needs a finite number, not \"" + text + "\"");
  }
  return {value, end};
}

// VALUE[UNIT]: a number, then a unit, directly ("5mm") or after blanks ("5 mm"), or nothing.
ParameterSetting parseQuantity(const std::string& option, const std::string& text) {
  const auto [number, end] = leadingNumber(option, text);
  const std::string rest(end, text.data() + text.size());
  const std::string typed = rest.substr(std::min(rest.find_first_not_of(' '), rest.size()));
  if (typed.empty() && !rest.empty()) {
    throw UsageError(option + " needs a finite number, not \"" + text + "\"");
  }
  const std::optional<std::string> unit = parameterUnitOf(typed);
  if (!unit) {
    throw UsageError(option + ": \"" + typed + "\" is no unit; give " + kParameterUnitList +
                     " after the number, or none");
  }
  return {"", number, *unit};
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

void addParameter(std::vector<ParameterSetting>& parameters, const std::string& option,
                  const std::string& text) {
  const std::size_t equals = text.find('=');
  if (equals == std::string::npos) {
    throw UsageError(option + " needs NAME=VALUE, not \"" + text + "\"");
  }
  const std::string name = text.substr(0, equals);
  if (!isIdentifier(name)) {
    throw UsageError(option + " name \"" + name +
                     "\" is not a name (letters, digits, _; not starting with a digit)");
  }
  for (const ParameterSetting& existing : parameters) {
    if (existing.name == name) throw UsageError(option + " " + name + " given twice");
  }
  ParameterSetting setting = parseQuantity(option + " " + name, text.substr(equals + 1));
  setting.name = name;
  parameters.push_back(setting);
}

vintrel::curve::LengthUnit parseLengthUnit(const std::string& option, const std::string& text) {
  const std::optional<vintrel::curve::LengthUnit> unit = lengthUnitOf(text);
  if (!unit) {
    throw UsageError(option + " takes " + kLengthUnitList + ", not \"" + text + "\"");
  }
  return *unit;
}

vintrel::curve::Coordinates parseCoordinates(const std::string& text) {
  const std::optional<vintrel::curve::Coordinates> coordinates =
      vintrel::curve::coordinatesNamed(text);
  if (!coordinates) {
    throw UsageError("--coordinates takes cartesian, cylindrical or spherical, not \"" + text +
                     "\"");
  }
  return *coordinates;
}

// The Parameters dialog replaces Sorvane's in that run: nothing is typed into Sorvane's.
void checkParameterChange(const Options& options) {
  if (options.setParameters.empty()) return;
  const bool usesSorvane = options.preset || options.definitions || options.x || options.y ||
                           options.z || options.tStart || options.tEnd || options.units ||
                           options.tolerance || options.coordinates || options.fewestControls ||
                           options.select || options.editSketch || options.cancel;
  if (usesSorvane) {
    throw UsageError(
        "--set-param plays the Parameters dialog instead of Sorvane; give Sorvane's inputs, "
        "--select, --edit-sketch and --cancel in another run");
  }
}

// A selected formula curve is replaced where it lies; a new sketch in edit would stay empty.
void checkSelectionTarget(const Options& options) {
  if (options.select && options.editSketch) {
    throw UsageError(
        "--select edits the selected curve in its own sketch, so --edit-sketch would only add "
        "an empty sketch: give one of them");
  }
}

std::string parsePreset(const std::string& id) {
  if (!vintrel::curve::presetNamed(id)) {
    throw UsageError("--preset: no preset \"" + id + "\"; sorvane --list-presets lists them");
  }
  return id;
}

// A bare --fewest-controls ticks the box.
bool parseFewestControls(const std::string& text) {
  if (text.empty() || text == "yes") return true;
  if (text == "no") return false;
  throw UsageError("--fewest-controls takes yes or no, not \"" + text + "\"");
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

// "Sketch1:2": the sketch's name may hold colons itself, the number follows the last one.
SplineReference parseReference(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  const UsageError malformed("--select needs SKETCH:N with N counted from 1, not \"" + text + "\"");
  if (colon == std::string::npos || colon == 0) throw malformed;
  const char* first = text.data() + colon + 1;
  const char* last = text.data() + text.size();
  std::size_t number = 0;
  const auto [end, error] = std::from_chars(first, last, number);
  if (first == last || error != std::errc() || end != last || number == 0) throw malformed;
  return {text.substr(0, colon), number};
}

// The values each option was given, in the order given; a flag has one empty value per use.
using GivenValues = std::map<std::string, std::vector<std::string>>;

GivenValues readArguments(const std::vector<std::string>& arguments) {
  CLI::App app;
  app.set_help_flag();  // --help is one of ours, printed by the caller
  GivenValues given;
  for (const OptionSpec& spec : kOptions) {
    std::vector<std::string>& values = given[spec.name];
    if (spec.arity == Arity::None) {
      app.add_flag_callback(
             spec.name, [&values] { values.emplace_back(); }, spec.help)
          ->disable_flag_override();
      continue;
    }
    app.add_option(spec.name, values, spec.help)
        ->type_name(spec.argument)
        ->expected(spec.arity == Arity::NoneOrOne ? 0 : 1, 1)
        ->allow_extra_args(false)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
  }
  std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());  // CLI11 pops back
  try {
    app.parse(reversed);
  } catch (const CLI::ParseError& error) {
    throw UsageError(error.what());
  }
  return given;
}

void checkOutputs(const Options& options) {
  int toStandardOutput = 0;
  for (const std::string* path :
       {&options.jsonPath, &options.svgPath, &options.dxfPath, &options.stepPath}) {
    if (*path == "-") ++toStandardOutput;
  }
  if (toStandardOutput > 1) throw UsageError("only one output can go to standard output (-)");
  if (options.designPath == "-") {
    throw UsageError("--design needs a file: the design is read from it and saved to it");
  }
}

// The help's layout: every line within kHelpWidth columns, the options' texts in one column
// beside the longest option.
constexpr std::size_t kHelpWidth = 79;
constexpr std::size_t kHelpIndent = 2;
constexpr std::size_t kHelpGap = 2;

// The words of `text` (split at blanks), the last one closed by ";", and then `unit`, which is
// never split.
std::vector<std::string> words(const std::string& text, const std::string& unit) {
  std::vector<std::string> result;
  std::istringstream in(text);
  for (std::string word; in >> word;) result.push_back(word);
  if (!result.empty()) result.back() += ";";
  result.push_back(unit);
  return result;
}

// `pieces` set into lines of at most `width` columns, one blank apart; a piece wider than that
// stands on a line of its own.
std::vector<std::string> wrapped(const std::vector<std::string>& pieces, std::size_t width) {
  std::vector<std::string> lines;
  for (const std::string& piece : pieces) {
    if (!lines.empty() && lines.back().size() + 1 + piece.size() <= width) {
      lines.back() += " " + piece;
    } else {
      lines.push_back(piece);
    }
  }
  return lines;
}

// Each line of `text` wrapped to the help's width.
std::string filled(const std::string& text) {
  std::string result;
  std::istringstream paragraphs(text);
  for (std::string paragraph; std::getline(paragraphs, paragraph);) {
    std::vector<std::string> pieces;
    std::istringstream in(paragraph);
    for (std::string word; in >> word;) pieces.push_back(word);
    for (const std::string& line : wrapped(pieces, kHelpWidth)) result += line + "\n";
  }
  return result;
}

}  // namespace

Options parseCommandLine(const std::vector<std::string>& arguments) {
  const GivenValues given = readArguments(arguments);
  // The last value given of an option that takes one, if it was given at all.
  const auto last = [&given](const char* name) -> const std::string* {
    const std::vector<std::string>& values = given.at(name);
    return values.empty() ? nullptr : &values.back();
  };
  const auto used = [&given](const char* name) { return !given.at(name).empty(); };
  Options options;
  // The t values and the tolerance go into the dialog's value inputs as typed, for the host to
  // evaluate.
  if (const std::string* id = last("--preset")) options.preset = parsePreset(*id);
  for (auto [name, text] : {std::pair{"--define", &options.definitions},
                            {"--x", &options.x},
                            {"--y", &options.y},
                            {"--z", &options.z},
                            {"--t-start", &options.tStart},
                            {"--t-end", &options.tEnd},
                            {"--tolerance", &options.tolerance}}) {
    if (const std::string* value = last(name)) *text = *value;
  }
  for (auto [name, unit] :
       {std::pair{"--units", &options.units}, {"--document-units", &options.documentUnits}}) {
    if (const std::string* value = last(name)) *unit = parseLengthUnit(name, *value);
  }
  if (const std::string* system = last("--coordinates")) {
    options.coordinates = parseCoordinates(*system);
  }
  for (const std::string& parameter : given.at("--param")) {
    addParameter(options.parameters, "--param", parameter);
  }
  for (const std::string& parameter : given.at("--set-param")) {
    addParameter(options.setParameters, "--set-param", parameter);
  }
  if (const std::string* fewest = last("--fewest-controls")) {
    options.fewestControls = parseFewestControls(*fewest);
  }
  if (const std::string* plane = last("--edit-sketch")) {
    options.editSketch = parsePlane(plane->empty() ? "xy" : *plane);
  }
  if (const std::string* reference = last("--select")) options.select = parseReference(*reference);
  for (auto [name, path] : {std::pair{"--design", &options.designPath},
                            {"--json", &options.jsonPath},
                            {"--svg", &options.svgPath},
                            {"--dxf", &options.dxfPath},
                            {"--step", &options.stepPath},
                            {"--addin", &options.addInPath}}) {
    if (const std::string* value = last(name)) *path = *value;
  }
  options.cancel = used("--cancel");
  options.quiet = used("--quiet");
  options.help = used("--help");
  options.listPresets = used("--list-presets");
  checkOutputs(options);
  checkParameterChange(options);
  checkSelectionTarget(options);
  return options;
}

std::string helpText() {
  std::string left[std::size(kOptions)];
  std::size_t column = 0;
  for (std::size_t i = 0; i < std::size(kOptions); ++i) {
    const OptionSpec& spec = kOptions[i];
    left[i] = std::string(kHelpIndent, ' ') + spec.name;
    if (spec.argument) {
      left[i] += spec.arity == Arity::NoneOrOne ? std::string(" [") + spec.argument + "]"
                                                : std::string(" ") + spec.argument;
    }
    column = std::max(column, left[i].size() + kHelpGap);
  }
  std::string text = filled(
      "usage: sorvane [OPTION]...\n"
      "Runs the Vintrel add-in in a simulated Fusion 360: clicks Sorvane on the Sketch panel, "
      "types the given inputs into its dialog, prints the status and confirms with OK. "
      "Expressions use muparser syntax, t, pi and the design's parameters.\n");
  text += "\n";
  for (std::size_t i = 0; i < std::size(kOptions); ++i) {
    const std::vector<std::string> lines = wrapped(
        words(kOptions[i].help, std::string("e.g. ") + kOptions[i].example), kHelpWidth - column);
    for (std::size_t line = 0; line < lines.size(); ++line) {
      const std::string& start = line == 0 ? left[i] : std::string();
      text += start + std::string(column - start.size(), ' ') + lines[line] + "\n";
    }
  }
  for (const char* paragraph : {
           "A preset is a curve of the library: --preset picks it in the dialog's \"Start "
           "from\" drop-down, which writes its definitions (the lengths in the dialog's unit, "
           "chosen first when --units is given), formulas, t range and coordinates; the tolerance "
           "stays. --define, --x, --y, --z, --t-start, --t-end and --coordinates then change "
           "single inputs. --list-presets prints each ID and label (with --json FILE, every "
           "preset's inputs as JSON, lengths in --units) and stops.",
           "SYSTEM names the coordinates the formulas are in: cartesian x(t), y(t), z(t); "
           "cylindrical \xCF\x81(t), \xCE\xB8(t), z(t) (the distance from the z axis, the angle "
           "around it from the x axis, the height); spherical r(t), \xCE\xB8(t), \xCF\x86(t) (the "
           "distance from the origin, the angle around the z axis, the angle from it). --x, --y "
           "and --z give the first, second and third formula of the chosen system; angles are in "
           "radians, and formulas not given keep the dialog's.",
           "--fewest-controls ticks the dialog's \"Fewest controls\" check box: the fit looks "
           "for the fewest control points that keep within the tolerance, with knots where the "
           "curve needs them, and the status ends in \", fewest\" (\"24 spline controls, "
           "fewest\"). Without it the box stays as the dialog opens it: clear in a new design, "
           "the last curve's choice in a design that remembers one (--design), the selected "
           "curve's own with --select; --fewest-controls no clears it.",
           "Lengths: the numbers of the formulas and the tolerance are in the dialog's unit "
           "(--units), which for a new curve is the design's default unit (--document-units; "
           "centimetres unless set). UNIT is mm, cm, m, in, ft, yd, \xC2\xB5m (or um), hm "
           "(hectometres), mi (miles), mil (thousandths of an inch) or nmi (nautical miles), as "
           "the dialog lists them; --param takes the same. Another "
           "unit rescales every number, the tolerance's too: in a centimetre design --units mm "
           "reads the tolerance 0.002 as mm and draws the curve ten times smaller. A parameter's "
           "VALUE may end in a unit, directly or after a blank (r=5mm, \"r=5 mm\", a=30deg). A "
           "length parameter reads in the dialog's unit (r=20mm reads 20 with mm chosen, 2 with "
           "cm), an "
           "angle parameter in radians, a unitless one as its value and one of another unit in "
           "the host's internal units. The outputs stay in centimetres (cm), the host's internal "
           "length unit: the control points and transforms of the JSON (whose \"unit\" says so) "
           "and of the design file, the SVG's scale bars and the DXF's coordinates; only the STEP "
           "file is in millimetres.",
           "The formulas are in the coordinates of the sketch that gets the spline: x and y in its "
           "plane, z along its normal. PLANE is xy (the default: sketch space is model space), xz "
           "(sketch x, y and normal along model x, -z and y), yz (along model -z, y and x) or "
           "tilted (origin (1, 2, 3), along (2, 2, -1) / 3, (-1, 2, 2) / 3 and (2, -1, 2) / 3). "
           "The JSON gives each spline's control points in sketch and in model space, the SVG "
           "draws it in model space, the DXF holds it as the sketch does and marks it closed "
           "exactly when the status reports the curve closed (\", closed\": its spline runs "
           "round without a seam); a curve whose ends merely meet stays open.",
           "--step writes the spline as the sketch holds it, as the DXF does, in a STEP file "
           "(AP214) through OpenCASCADE: one edge on its exact B-spline curve, with the degree, "
           "the knots with their multiplicities and the control points (a closed curve's spline "
           "is the clamped one its sketch holds). The file's unit is the millimetre and its "
           "numbers are millimetres, the centimetres times ten. Like a design file, it is "
           "written to a new file beside FILE and renamed over it, so FILE is never left half "
           "written; after an error or Cancel no file is written. A sorvane built without "
           "OpenCASCADE refuses --step as a usage error.",
           "With --design, the design's parameters, sketches (Sketch1, Sketch2, ...), their "
           "splines and the splines' attributes are read from FILE, if it exists, before the "
           "add-in runs, and saved to it after the session, the design's unit with them, which "
           "--document-units changes. --param then sets the value and unit of the design's "
           "parameter of that name, or adds a user parameter. --select Sketch1:1 "
           "selects the first spline of Sketch1 before Sorvane is clicked: the dialog opens on "
           "that curve's stored formulas, coordinates, unit and tolerance, and OK replaces it in "
           "place (so --edit-sketch cannot come with it). --set-param r=8 changes the parameter r "
           "in the Parameters dialog instead (to 8 mm for a parameter in mm; r=8cm converts): the "
           "add-in updates every formula curve that uses r, sorvane prints each one updated and "
           "saves the design.",
           "A design file that cannot be saved (one you may not write, or in a folder where you "
           "may not make a file) is refused, with the reason, before anything is played. A save "
           "writes a new file beside the design and renames it over it, keeping the file's mode "
           "and, where you may keep it, its owner; a symbolic link is followed and its target "
           "replaced.",
           "exit status: 0 spline created or replaced (or cancelled as asked), 1 the add-in "
           "reported an error or failed, or an output could not be written, 2 usage error (a "
           "--preset that names no preset, a --select that names no spline of the design, "
           "--select with --edit-sketch, or --step in a sorvane without OpenCASCADE, included), "
           "3 the design file cannot be read, "
           "is damaged or cannot be saved (the file is left as it was).",
       }) {
    text += "\n" + filled(paragraph);
  }
  return text;
}

}  // namespace sorvane
