#include "tools/formats/SvgPicture.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <vector>

#include "curve/formula/Coordinates.h"
#include "curve/text/shortestText.h"
#include "tools/formats/Utf8Text.h"
#include "tools/formats/splineCurve.h"

using vintrel::curve::shortestText;

namespace sorvane {

namespace {

// Sizes in SVG pixels: the picture's margin, each of its four panels with the gap between them,
// the plot's inset in a panel, and a caption line.
constexpr double kMargin = 16, kPanelSize = 420, kGap = 12;
constexpr double kPlotInsetTop = 34, kPlotInsetBottom = 40, kPlotInsetSide = 18;
constexpr double kCaptionLine = 20;
constexpr double kWidth = 2 * kMargin + 2 * kPanelSize + kGap;
constexpr std::size_t kWrapColumns = 96;
// Points per knot span for drawing: enough for a smooth curve, few enough for a small file.
constexpr int kMaxSamplesPerSpan = 24;
constexpr int kMinSamplesPerSpan = 6;
constexpr std::size_t kSamplesPerView = 1500;

const char* const kAxisColour = "#7b8ca3";
const char* const kPolygonColour = "#c4c4c4";
const char* const kControlPointColour = "#9a9a9a";
const char* const kTextColour = "#222222";
const char* const kErrorColour = "#a40000";
const char* const kMonospaceStyle = "font-size=\"14\" font-family=\"DejaVu Sans Mono, monospace\"";

struct Vec2 {
  double x, y;
};

// An orthographic view: screen right and screen up as directions in model space.
struct View {
  const char* title;
  Point3 right, up;
};

const View kViews[4] = {
    {"top (XY)", {1, 0, 0}, {0, 1, 0}},
    {"front (XZ)", {1, 0, 0}, {0, 0, 1}},
    {"side (YZ)", {0, 1, 0}, {0, 0, 1}},
    // Seen from (1, -1, 1): front, right and top faces visible, z up.
    {"isometric",
     {M_SQRT1_2, M_SQRT1_2, 0},
     {-1 / std::sqrt(6.0), 1 / std::sqrt(6.0), 2 / std::sqrt(6.0)}},
};

struct Curve {
  std::vector<Point3> points;
  std::vector<Point3> controlPoints;
  double weight = 3;
  std::array<int, 4> color{{255, 0, 0, 255}};
};

struct Box {
  double left, top, width, height;
};

double dot(const Point3& a, const Point3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

bool finite(const Point3& p) {
  return std::isfinite(p[0]) && std::isfinite(p[1]) && std::isfinite(p[2]);
}

std::string pixels(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.2f", value);
  return buffer;
}

// Text for an SVG text node: valid UTF-8, markup escaped, control characters (which XML 1.0 does
// not allow) replaced by blanks.
std::string escaped(const std::string& text) {
  std::string result;
  for (const char c : validUtf8(text)) {
    switch (c) {
      case '&':
        result += "&amp;";
        break;
      case '<':
        result += "&lt;";
        break;
      case '>':
        result += "&gt;";
        break;
      case '"':
        result += "&quot;";
        break;
      default:
        result += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? ' ' : c;
    }
  }
  return result;
}

// Splits a text at its line breaks, and each long line at blanks (or anywhere, for a long word),
// into lines of at most `columns` bytes; multi-byte characters are never split.
std::vector<std::string> wrapped(const std::string& text, std::size_t columns) {
  std::vector<std::string> lines;
  // A status's own lines (the notes under a count) stay lines of their own.
  std::size_t begin = 0;
  for (;;) {
    const std::size_t end = std::min(text.find('\n', begin), text.size());
    std::string rest = text.substr(begin, end - begin);
    while (rest.size() > columns) {
      std::size_t cut = rest.rfind(' ', columns);
      if (cut == std::string::npos || cut == 0) {
        cut = columns;
        while (cut > 1 && (static_cast<unsigned char>(rest[cut]) & 0xC0) == 0x80) --cut;
      }
      lines.push_back(rest.substr(0, cut));
      rest = rest.substr(rest[cut] == ' ' ? cut + 1 : cut);
    }
    lines.push_back(rest);
    if (end == text.size()) return lines;
    begin = end + 1;
  }
}

// The sketch of the spline OK gave, when it knows where that spline lies in the model.
const SketchRecord* resultSketch(const SessionReport& report) {
  if (!report.result || report.result->sketch >= report.sketches.size()) return nullptr;
  const SketchRecord& sketch = report.sketches[report.result->sketch];
  return report.result->spline < sketch.worldSplines.size() ? &sketch : nullptr;
}

std::optional<Curve> curveToDraw(const SessionReport& report) {
  const PreviewCurve* style = nullptr;
  for (const PreviewGroup& group : report.preview) {
    if (!group.curves.empty()) {
      style = &group.curves.front();
      break;
    }
  }
  const SketchRecord* sketch = resultSketch(report);
  const Spline* spline = sketch  ? &sketch->worldSplines[report.result->spline]
                         : style ? &style->curve
                                 : nullptr;
  if (!spline) return std::nullopt;
  Curve curve;
  try {
    const auto spans = static_cast<int>(spline->controlPoints.size()) - spline->degree;
    const int perSpan = std::clamp(static_cast<int>(kSamplesPerView) / std::max(spans, 1),
                                   kMinSamplesPerSpan, kMaxSamplesPerSpan);
    curve.points = splinePoints(*spline, perSpan);
  } catch (const std::invalid_argument&) {
    return std::nullopt;
  }
  curve.controlPoints = spline->controlPoints;
  if (!std::all_of(curve.points.begin(), curve.points.end(), finite) ||
      !std::all_of(curve.controlPoints.begin(), curve.controlPoints.end(), finite)) {
    return std::nullopt;
  }
  if (style) {
    if (style->weight > 0 && std::isfinite(style->weight)) curve.weight = style->weight;
    if (style->color[0] >= 0) curve.color = style->color;
  }
  return curve;
}

// Model-to-screen mapping of one panel: the curve's bounding box centred in the plot area.
class Projection {
 public:
  Projection(const View& view, const Curve& curve, const Box& plot, double scale)
      : view_(view), scale_(scale) {
    const auto [low, high] = bounds(view, curve);
    centreModel_ = {(low.x + high.x) / 2, (low.y + high.y) / 2};
    centreScreen_ = {plot.left + plot.width / 2, plot.top + plot.height / 2};
  }

  /// The largest scale at which the curve fits the plot area in this view; 0 when the curve is a
  /// single point in it. A curve seen edge-on is fitted along its one extent. Extents below
  /// `negligible` (rounding noise) count as none, so that noise is not blown up to fill a panel.
  static double fittingScale(const View& view, const Curve& curve, const Box& plot,
                             double negligible) {
    const auto [low, high] = bounds(view, curve);
    const double width = high.x - low.x, height = high.y - low.y;
    if (!(std::max(width, height) > negligible)) return 0;
    return std::min(width > negligible ? plot.width / width : INFINITY,
                    height > negligible ? plot.height / height : INFINITY);
  }

  Vec2 operator()(const Point3& p) const {
    const Vec2 q = flat(p);
    return {centreScreen_.x + (q.x - centreModel_.x) * scale_,
            centreScreen_.y - (q.y - centreModel_.y) * scale_};
  }
  Vec2 direction(const Point3& axis) const {
    return {dot(axis, view_.right), -dot(axis, view_.up)};
  }
  double scale() const { return scale_; }

 private:
  static Vec2 flat(const View& view, const Point3& p) {
    return {dot(p, view.right), dot(p, view.up)};
  }
  Vec2 flat(const Point3& p) const { return flat(view_, p); }

  static std::pair<Vec2, Vec2> bounds(const View& view, const Curve& curve) {
    Vec2 low{INFINITY, INFINITY}, high{-INFINITY, -INFINITY};
    for (const auto* points : {&curve.points, &curve.controlPoints}) {
      for (const Point3& p : *points) {
        const Vec2 q = flat(view, p);
        low = {std::min(low.x, q.x), std::min(low.y, q.y)};
        high = {std::max(high.x, q.x), std::max(high.y, q.y)};
      }
    }
    return {low, high};
  }

  View view_;
  double scale_;
  Vec2 centreModel_, centreScreen_;
};

// The part of the line through `origin` along `direction` inside `box`, if any (Liang-Barsky).
std::optional<std::pair<Vec2, Vec2>> clippedLine(Vec2 origin, Vec2 direction, const Box& box) {
  double low = -INFINITY, high = INFINITY;
  const double p[4] = {-direction.x, direction.x, -direction.y, direction.y};
  const double q[4] = {origin.x - box.left, box.left + box.width - origin.x, origin.y - box.top,
                       box.top + box.height - origin.y};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return std::nullopt;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0)
      low = std::max(low, r);
    else
      high = std::min(high, r);
  }
  if (!(low < high)) return std::nullopt;
  return std::make_pair(Vec2{origin.x + low * direction.x, origin.y + low * direction.y},
                        Vec2{origin.x + high * direction.x, origin.y + high * direction.y});
}

// The largest of 1, 2 and 5 times a power of ten that is not above `length`.
double niceLength(double length) {
  const double power = std::pow(10.0, std::floor(std::log10(length)));
  for (double factor : {5.0, 2.0, 1.0}) {
    if (factor * power <= length) return factor * power;
  }
  return power;
}

std::string label(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6g", value);
  return buffer;
}

// style: the text's attributes other than its colour.
void drawText(std::ostream& svg, double x, double y, const std::string& text, const char* style,
              const char* colour) {
  svg << "<text x=\"" << pixels(x) << "\" y=\"" << pixels(y) << "\" " << style << " fill=\""
      << colour << "\">" << escaped(text) << "</text>\n";
}

void drawPolyline(std::ostream& svg, const std::vector<Point3>& points, const Projection& project,
                  const std::string& style) {
  svg << "<polyline " << style << " points=\"";
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Vec2 q = project(points[i]);
    svg << (i ? " " : "") << pixels(q.x) << ',' << pixels(q.y);
  }
  svg << "\"/>\n";
}

void drawAxes(std::ostream& svg, const Projection& project, const Box& plot, const Box& panel) {
  static const char* const kNames[3] = {"x", "y", "z"};
  const Vec2 origin = project({0, 0, 0});
  const Vec2 tripod = {panel.left + 22, panel.top + panel.height - 22};
  for (int axis = 0; axis < 3; ++axis) {
    Point3 unit{0, 0, 0};
    unit[axis] = 1;
    const Vec2 d = project.direction(unit);
    const double length = std::hypot(d.x, d.y);
    if (length < 1e-9) continue;  // seen end-on in this view
    if (const auto line = clippedLine(origin, d, plot)) {
      svg << "<line x1=\"" << pixels(line->first.x) << "\" y1=\"" << pixels(line->first.y)
          << "\" x2=\"" << pixels(line->second.x) << "\" y2=\"" << pixels(line->second.y)
          << "\" stroke=\"" << kAxisColour
          << "\" stroke-width=\"0.8\" stroke-dasharray=\"5 4\"/>\n";
      // The name sits just inside the plot area, at the axis' positive end.
      const Vec2 along{d.x / length, d.y / length};
      // Above a level axis, right of an upright one (the y of text is its baseline).
      drawText(svg, line->second.x - 10 * along.x + 5 * std::abs(along.y) - 3 * std::abs(along.x),
               line->second.y - 10 * along.y - 5 * std::abs(along.x) + 4 * std::abs(along.y),
               kNames[axis], "font-size=\"12\" font-style=\"italic\"", kAxisColour);
    }
    const Vec2 tip = {tripod.x + 16 * d.x / length, tripod.y + 16 * d.y / length};
    svg << "<line x1=\"" << pixels(tripod.x) << "\" y1=\"" << pixels(tripod.y) << "\" x2=\""
        << pixels(tip.x) << "\" y2=\"" << pixels(tip.y) << "\" stroke=\"" << kAxisColour
        << "\" stroke-width=\"1.5\" stroke-linecap=\"round\"/>\n";
    drawText(svg, tip.x + 7 * d.x / length - 3, tip.y + 7 * d.y / length + 4, kNames[axis],
             "font-size=\"11\"", kAxisColour);
  }
}

void drawScaleBar(std::ostream& svg, const Projection& project, const Box& panel) {
  const double length = niceLength(kPanelSize / 4 / project.scale());
  const double screen = length * project.scale();
  const double right = panel.left + panel.width - 18;
  const double y = panel.top + panel.height - 16;
  const double left = right - screen;
  svg << "<path d=\"M" << pixels(left) << ',' << pixels(y - 5) << " V" << pixels(y) << " H"
      << pixels(right) << " V" << pixels(y - 5) << "\" fill=\"none\" stroke=\"" << kTextColour
      << "\" stroke-width=\"1.2\"/>\n";
  drawText(svg, (left + right) / 2, y - 8, label(length) + " " + kLengthUnit,
           "font-size=\"11\" text-anchor=\"middle\"", kTextColour);
}

Box plotArea(const Box& panel) {
  return {panel.left + kPlotInsetSide, panel.top + kPlotInsetTop, panel.width - 2 * kPlotInsetSide,
          panel.height - kPlotInsetTop - kPlotInsetBottom};
}

void drawPanel(std::ostream& svg, const View& view, const Curve& curve, const Box& panel,
               double scale) {
  const Box plot = plotArea(panel);
  const Projection project(view, curve, plot, scale);
  svg << "<rect x=\"" << pixels(panel.left) << "\" y=\"" << pixels(panel.top) << "\" width=\""
      << pixels(panel.width) << "\" height=\"" << pixels(panel.height)
      << "\" rx=\"6\" fill=\"#fcfcfd\" stroke=\"#d5d9e0\"/>\n";
  drawText(svg, panel.left + 12, panel.top + 21, view.title,
           "font-size=\"14\" font-weight=\"bold\"", kTextColour);
  drawAxes(svg, project, plot, panel);
  drawPolyline(svg, curve.controlPoints, project,
               std::string("fill=\"none\" stroke=\"") + kPolygonColour + "\" stroke-width=\"1\"");
  for (const Point3& p : curve.controlPoints) {
    const Vec2 q = project(p);
    svg << "<circle cx=\"" << pixels(q.x) << "\" cy=\"" << pixels(q.y) << "\" r=\"2.2\" fill=\""
        << kControlPointColour << "\"/>\n";
  }
  std::ostringstream style;
  style << "fill=\"none\" stroke=\"rgb(" << curve.color[0] << ',' << curve.color[1] << ','
        << curve.color[2] << ")\" stroke-opacity=\"" << label(curve.color[3] / 255.0)
        << "\" stroke-width=\"" << label(curve.weight)
        << "\" stroke-linejoin=\"round\" stroke-linecap=\"round\"";
  drawPolyline(svg, curve.points, project, style.str());
  drawScaleBar(svg, project, panel);
}

// All four views share one scale, as in a technical drawing, so that their sizes compare.
double drawViews(std::ostream& svg, const Curve& curve) {
  double magnitude = 1;
  for (const Point3& p : curve.controlPoints) {
    for (double c : p) magnitude = std::max(magnitude, std::abs(c));
  }
  const double negligible = magnitude * 1e-9;
  Box panels[4];
  double scale = INFINITY;
  for (int i = 0; i < 4; ++i) {
    panels[i] = {kMargin + (i % 2) * (kPanelSize + kGap), kMargin + (i / 2) * (kPanelSize + kGap),
                 kPanelSize, kPanelSize};
    const double fitting =
        Projection::fittingScale(kViews[i], curve, plotArea(panels[i]), negligible);
    if (fitting > 0) scale = std::min(scale, fitting);
  }
  // A curve that is one point is shown at the size of its distance from the origin.
  if (!std::isfinite(scale)) scale = plotArea(panels[0]).width / (2 * magnitude);
  for (int i = 0; i < 4; ++i) drawPanel(svg, kViews[i], curve, panels[i], scale);
  return kMargin + 2 * kPanelSize + kGap;
}

double drawMessage(std::ostream& svg, const std::string& heading, const std::string& status) {
  const std::vector<std::string> lines = wrapped(status, kWrapColumns - 10);
  const double height = 70 + kCaptionLine * static_cast<double>(lines.size());
  svg << "<rect x=\"" << pixels(kMargin) << "\" y=\"" << pixels(kMargin) << "\" width=\""
      << pixels(kWidth - 2 * kMargin) << "\" height=\"" << pixels(height)
      << "\" rx=\"6\" fill=\"#fff5f5\" stroke=\"#e3b5b5\"/>\n";
  drawText(svg, kMargin + 16, kMargin + 30, heading, "font-size=\"15\" font-weight=\"bold\"",
           kErrorColour);
  double y = kMargin + 58;
  for (const std::string& line : lines) {
    drawText(svg, kMargin + 16, y, line, kMonospaceStyle, kErrorColour);
    y += kCaptionLine;
  }
  return kMargin + height;
}

// The definitions' lines (any line break) and items run on, "; " between them, blank ones left
// out.
std::string definitionsLine(const std::string& definitions) {
  std::string line, item;
  const auto flush = [&] {
    const std::size_t first = item.find_first_not_of(" \t");
    if (first != std::string::npos) {
      const std::size_t last = item.find_last_not_of(" \t");
      line += (line.empty() ? "" : "; ") + item.substr(first, last - first + 1);
    }
    item.clear();
  };
  for (char c : definitions) {
    if (c == '\n' || c == '\r' || c == ';') {
      flush();
    } else {
      item += c;
    }
  }
  flush();
  return line;
}

std::vector<std::string> captionLines(const SessionReport& report) {
  const CurveInputs& in = report.inputs;
  const vintrel::curve::FormulaLabels& labels = vintrel::curve::formulaLabels(in.coordinates);
  std::vector<std::string> lines;
  const std::string definitions = definitionsLine(in.definitions);
  if (!definitions.empty()) lines.push_back("definitions: " + definitions);
  for (const std::string& formula :
       {labels[0] + " = " + in.x, labels[1] + " = " + in.y, labels[2] + " = " + in.z}) {
    lines.push_back(formula);
  }
  std::string range = "t from " + shortestText(in.tStart) + " to " + shortestText(in.tEnd) +
                      "; formulas in " + in.units + ", tolerance " + shortestText(in.tolerance);
  std::string parameters;
  for (const auto& [name, value] : report.parameters) {
    if (name == "pi" && value == M_PI) continue;
    parameters += (parameters.empty() ? "" : ", ") + name + " = " + shortestText(value);
  }
  if (!parameters.empty()) range += "; parameters " + parameters;
  lines.push_back(range);
  // The views are in model space, the formulas in the sketch's: say where that sketch lies.
  const SketchRecord* sketch = resultSketch(report);
  if (sketch && sketch->plane != "XY") {
    lines.push_back("drawn in " + sketch->name + " on the " + sketch->plane +
                    " plane: the formulas' x and y lie in it, z along its normal");
  }
  std::vector<std::string> result;
  for (const std::string& line : lines) {
    for (const std::string& part : wrapped(line, kWrapColumns)) result.push_back(part);
  }
  return result;
}

double drawCaption(std::ostream& svg, const SessionReport& report, double top) {
  double y = top + 24;
  for (const std::string& line : captionLines(report)) {
    drawText(svg, kMargin + 4, y, line, kMonospaceStyle, kTextColour);
    y += kCaptionLine;
  }
  const char* const colour = report.statusIsError ? kErrorColour : kTextColour;
  // The status, then the dialog's note about the curve it edits, each on lines of its own.
  std::istringstream status("status: " + report.status);
  for (std::string paragraph; std::getline(status, paragraph);) {
    for (const std::string& line : wrapped(paragraph, kWrapColumns)) {
      drawText(svg, kMargin + 4, y, line, "font-size=\"14\" font-weight=\"bold\"", colour);
      y += kCaptionLine;
    }
  }
  drawText(svg, kWidth - kMargin - 4, y - kCaptionLine,
           report.statusIsError ? "" : std::string("lengths in ") + kLengthUnit,
           "font-size=\"11\" text-anchor=\"end\"", kAxisColour);
  return y - kCaptionLine + 16;
}

}  // namespace

std::string drawSvgPicture(const SessionReport& report) {
  std::ostringstream body;
  const std::optional<Curve> curve = report.statusIsError ? std::nullopt : curveToDraw(report);
  const std::string message = report.status.empty() ? "no status text" : report.status;
  const std::string heading =
      report.statusIsError ? "No curve: the add-in reports" : "No curve to draw; the status reads";
  const double captionTop = curve ? drawViews(body, *curve) : drawMessage(body, heading, message);
  const double height = drawCaption(body, report, captionTop) + kMargin;

  std::ostringstream svg;
  svg << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" << pixels(kWidth)
      << "\" height=\"" << pixels(height) << "\" viewBox=\"0 0 " << pixels(kWidth) << ' '
      << pixels(height) << "\" font-family=\"DejaVu Sans, Helvetica, Arial, sans-serif\">\n"
      << "<title>" << escaped("sorvane: " + report.status) << "</title>\n"
      << "<rect width=\"100%\" height=\"100%\" fill=\"#ffffff\"/>\n"
      << body.str() << "</svg>\n";
  return svg.str();
}

}  // namespace sorvane
