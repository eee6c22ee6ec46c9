#include "tools/formats/DxfWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <string>
#include <tuple>

#include "curve/text/shortestText.h"

using vintrel::curve::shortestText;

namespace sorvane {

namespace {

// Handles of the drawing's fixed objects; the splines follow from kFirstSplineHandle on.
enum Handle : unsigned {
  kVportTable = 0x1,
  kActiveVport,
  kLtypeTable,
  kLtypeByBlock,
  kLtypeByLayer,
  kLtypeContinuous,
  kLayerTable,
  kLayerZero,
  kStyleTable,
  kStyleStandard,
  kViewTable,
  kUcsTable,
  kAppidTable,
  kAppidAcad,
  kDimstyleTable,
  kDimstyleStandard,
  kBlockRecordTable,
  kModelSpaceRecord,
  kPaperSpaceRecord,
  kModelSpaceBlock,
  kModelSpaceEnd,
  kPaperSpaceBlock,
  kPaperSpaceEnd,
  kRootDictionary,
  kGroupDictionary,
  kLayoutDictionary,
  kModelLayout,
  kPaperLayout,
  kFirstSplineHandle = 0x100,
};

// $INSUNITS's code of kLengthUnit: the host's model coordinates are written as they are.
constexpr int kInsunitsCentimetres = 5;

std::string hex(unsigned handle) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%X", handle);
  return buffer;
}

// Group code / value pairs, the code right-aligned in three columns as AutoCAD writes it.
class GroupWriter {
 public:
  explicit GroupWriter(std::ostream& out) : out_(out) {}

  void text(int code, const std::string& value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%3d", code);
    out_ << buffer << '\n' << value << '\n';
  }
  void integer(int code, long value) { text(code, std::to_string(value)); }
  void handle(int code, unsigned value) { text(code, hex(value)); }
  // A real always carries a decimal point or exponent, as some readers expect of float codes.
  void real(int code, double value) {
    std::string number = shortestText(value);
    if (number.find_first_of(".e") == std::string::npos) number += ".0";
    text(code, number);
  }
  void point(int code, double x, double y, double z) {
    real(code, x);
    real(code + 10, y);
    real(code + 20, z);
  }

 private:
  std::ostream& out_;
};

void checkSpline(const Spline& spline) {
  const std::size_t controls = spline.controlPoints.size();
  if (spline.degree < 1 || controls <= static_cast<std::size_t>(spline.degree) ||
      spline.knots.size() != controls + static_cast<std::size_t>(spline.degree) + 1) {
    throw std::invalid_argument("spline cannot be written to DXF: degree " +
                                std::to_string(spline.degree) + ", " + std::to_string(controls) +
                                " controls, " + std::to_string(spline.knots.size()) + " knots");
  }
  for (double knot : spline.knots) {
    if (!std::isfinite(knot)) throw std::invalid_argument("spline has a knot that is not finite");
  }
  for (const Point3& p : spline.controlPoints) {
    for (double c : p) {
      if (!std::isfinite(c)) {
        throw std::invalid_argument("spline has a control point that is not finite");
      }
    }
  }
}

struct Extents {
  Point3 low{{0, 0, 0}}, high{{0, 0, 0}};
};

// The box around every control point (which holds the curve); the origin when there is none.
Extents extentsOf(const std::vector<DxfSpline>& splines) {
  Extents box;
  bool first = true;
  for (const DxfSpline& spline : splines) {
    for (const Point3& p : spline.curve.controlPoints) {
      for (int c = 0; c < 3; ++c) {
        box.low[c] = first ? p[c] : std::min(box.low[c], p[c]);
        box.high[c] = first ? p[c] : std::max(box.high[c], p[c]);
      }
      first = false;
    }
  }
  return box;
}

void beginSection(GroupWriter& dxf, const char* name) {
  dxf.text(0, "SECTION");
  dxf.text(2, name);
}

// The groups every entity opens with: type, handle, owner, layer "0" (with the paper-space flag
// where it lies there) and the entity's own subclass marker.
void beginEntity(GroupWriter& dxf, const char* type, unsigned handle, unsigned owner,
                 bool paperSpace, const char* subclass) {
  dxf.text(0, type);
  dxf.handle(5, handle);
  dxf.handle(330, owner);
  dxf.text(100, "AcDbEntity");
  if (paperSpace) dxf.integer(67, 1);
  dxf.text(8, "0");
  dxf.text(100, subclass);
}

void writeHeader(GroupWriter& dxf, const std::vector<DxfSpline>& splines, const Extents& box) {
  beginSection(dxf, "HEADER");
  dxf.text(9, "$ACADVER");
  dxf.text(1, "AC1015");
  dxf.text(9, "$HANDSEED");
  dxf.handle(5, kFirstSplineHandle + static_cast<unsigned>(splines.size()));
  dxf.text(9, "$INSUNITS");
  dxf.integer(70, kInsunitsCentimetres);
  dxf.text(9, "$EXTMIN");
  dxf.point(10, box.low[0], box.low[1], box.low[2]);
  dxf.text(9, "$EXTMAX");
  dxf.point(10, box.high[0], box.high[1], box.high[2]);
  dxf.text(0, "ENDSEC");
  beginSection(dxf, "CLASSES");
  dxf.text(0, "ENDSEC");
}

void beginTable(GroupWriter& dxf, const char* name, unsigned handle, int entries) {
  dxf.text(0, "TABLE");
  dxf.text(2, name);
  dxf.handle(5, handle);
  dxf.handle(330, 0);
  dxf.text(100, "AcDbSymbolTable");
  dxf.integer(70, entries);
}

void beginRecord(GroupWriter& dxf, const char* type, unsigned handle, unsigned table,
                 const char* subclass, const char* name) {
  dxf.text(0, type);
  dxf.handle(std::string(type) == "DIMSTYLE" ? 105 : 5, handle);
  dxf.handle(330, table);
  dxf.text(100, "AcDbSymbolTableRecord");
  dxf.text(100, subclass);
  dxf.text(2, name);
  dxf.integer(70, 0);
}

void writeLinetype(GroupWriter& dxf, unsigned handle, const char* name, const char* description) {
  beginRecord(dxf, "LTYPE", handle, kLtypeTable, "AcDbLinetypeTableRecord", name);
  dxf.text(3, description);
  dxf.integer(72, 65);
  dxf.integer(73, 0);
  dxf.real(40, 0);
}

// The view a reader opens with: from above, centred on the curve with a margin around it.
void writeActiveViewport(GroupWriter& dxf, const Extents& box) {
  constexpr double kAspect = 1.5;
  const double width = box.high[0] - box.low[0], height = box.high[1] - box.low[1];
  const double viewHeight = std::max({height, width / kAspect, 1e-6}) * 1.1;
  dxf.real(10, 0);  // the viewport fills the screen: corners (0, 0) and (1, 1)
  dxf.real(20, 0);
  dxf.real(11, 1);
  dxf.real(21, 1);
  dxf.real(12, (box.low[0] + box.high[0]) / 2);  // view centre
  dxf.real(22, (box.low[1] + box.high[1]) / 2);
  dxf.real(13, 0);  // snap base, snap spacing, grid spacing
  dxf.real(23, 0);
  dxf.real(14, 1);
  dxf.real(24, 1);
  dxf.real(15, 0);
  dxf.real(25, 0);
  dxf.point(16, 0, 0, 1);  // view direction and target
  dxf.point(17, 0, 0, 0);
  dxf.real(40, viewHeight);
  dxf.real(41, kAspect);
  dxf.real(42, 50);  // lens length, front and back clipping, snap rotation, view twist
  dxf.real(43, 0);
  dxf.real(44, 0);
  dxf.real(50, 0);
  dxf.real(51, 0);
  dxf.integer(71, 0);     // view mode
  dxf.integer(72, 1000);  // circle zoom percent
  dxf.integer(73, 1);     // fast zoom
  dxf.integer(74, 3);     // UCS icon on, at the origin
  dxf.integer(75, 0);     // snap, grid off; standard snap style
  dxf.integer(76, 0);
  dxf.integer(77, 0);
  dxf.integer(78, 0);
}

void writeTables(GroupWriter& dxf, const Extents& box) {
  beginSection(dxf, "TABLES");

  beginTable(dxf, "VPORT", kVportTable, 1);
  beginRecord(dxf, "VPORT", kActiveVport, kVportTable, "AcDbViewportTableRecord", "*ACTIVE");
  writeActiveViewport(dxf, box);
  dxf.text(0, "ENDTAB");

  beginTable(dxf, "LTYPE", kLtypeTable, 3);
  writeLinetype(dxf, kLtypeByBlock, "ByBlock", "");
  writeLinetype(dxf, kLtypeByLayer, "ByLayer", "");
  writeLinetype(dxf, kLtypeContinuous, "Continuous", "Solid line");
  dxf.text(0, "ENDTAB");

  beginTable(dxf, "LAYER", kLayerTable, 1);
  beginRecord(dxf, "LAYER", kLayerZero, kLayerTable, "AcDbLayerTableRecord", "0");
  dxf.integer(62, 7);
  dxf.text(6, "Continuous");
  dxf.text(0, "ENDTAB");

  beginTable(dxf, "STYLE", kStyleTable, 1);
  beginRecord(dxf, "STYLE", kStyleStandard, kStyleTable, "AcDbTextStyleTableRecord", "Standard");
  dxf.real(40, 0);
  dxf.real(41, 1);
  dxf.real(50, 0);
  dxf.integer(71, 0);
  dxf.real(42, 2.5);
  dxf.text(3, "txt");
  dxf.text(4, "");
  dxf.text(0, "ENDTAB");

  beginTable(dxf, "VIEW", kViewTable, 0);
  dxf.text(0, "ENDTAB");
  beginTable(dxf, "UCS", kUcsTable, 0);
  dxf.text(0, "ENDTAB");

  beginTable(dxf, "APPID", kAppidTable, 1);
  beginRecord(dxf, "APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
  dxf.text(0, "ENDTAB");

  beginTable(dxf, "DIMSTYLE", kDimstyleTable, 1);
  dxf.text(100, "AcDbDimStyleTable");
  beginRecord(dxf, "DIMSTYLE", kDimstyleStandard, kDimstyleTable, "AcDbDimStyleTableRecord",
              "Standard");
  dxf.text(0, "ENDTAB");

  beginTable(dxf, "BLOCK_RECORD", kBlockRecordTable, 2);
  for (const auto& [handle, name, layout] :
       {std::tuple{kModelSpaceRecord, "*Model_Space", kModelLayout},
        std::tuple{kPaperSpaceRecord, "*Paper_Space", kPaperLayout}}) {
    dxf.text(0, "BLOCK_RECORD");
    dxf.handle(5, handle);
    dxf.handle(330, kBlockRecordTable);
    dxf.text(100, "AcDbSymbolTableRecord");
    dxf.text(100, "AcDbBlockTableRecord");
    dxf.text(2, name);
    dxf.handle(340, layout);
  }
  dxf.text(0, "ENDTAB");

  dxf.text(0, "ENDSEC");
}

void writeBlocks(GroupWriter& dxf) {
  beginSection(dxf, "BLOCKS");
  for (const auto& [begin, end, record, name, paperSpace] :
       {std::tuple{kModelSpaceBlock, kModelSpaceEnd, kModelSpaceRecord, "*Model_Space", false},
        std::tuple{kPaperSpaceBlock, kPaperSpaceEnd, kPaperSpaceRecord, "*Paper_Space", true}}) {
    beginEntity(dxf, "BLOCK", begin, record, paperSpace, "AcDbBlockBegin");
    dxf.text(2, name);
    dxf.integer(70, 0);
    dxf.point(10, 0, 0, 0);
    dxf.text(3, name);
    dxf.text(1, "");
    beginEntity(dxf, "ENDBLK", end, record, paperSpace, "AcDbBlockEnd");
  }
  dxf.text(0, "ENDSEC");
}

Point3 minus(const Point3& a, const Point3& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }

Point3 cross(const Point3& a, const Point3& b) {
  return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double dot(const Point3& a, const Point3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

double length(const Point3& a) { return std::hypot(a[0], a[1], a[2]); }

// The unit normal, its largest component positive, so that a flat spline in z keeps (0, 0, 1).
Point3 unitNormal(const Point3& n) {
  const double size = length(n);
  std::size_t largest = 2;
  for (std::size_t c : {1, 0}) {
    if (std::abs(n[c]) > std::abs(n[largest])) largest = c;
  }
  const double sign = n[largest] < 0 ? -1.0 : 1.0;
  return {sign * n[0] / size, sign * n[1] / size, sign * n[2] / size};
}

// A control point within this share of the spline's size from the plane lies in it: the fit's
// control points of a flat curve on a tilted plane are coplanar only up to rounding.
constexpr double kFlatness = 1e-9;

// The plane through the control points, if there is one: spanned by the first point, the point
// farthest from it and the point farthest from the line through those two. A straight spline lies
// in many planes; the one whose normal is nearest z is given.
std::optional<Point3> planeNormal(const Spline& spline) {
  const std::vector<Point3>& points = spline.controlPoints;
  const Point3& origin = points.front();
  Point3 along{0, 0, 0};
  for (const Point3& p : points) {
    if (length(minus(p, origin)) > length(along)) along = minus(p, origin);
  }
  const double size = length(along);
  if (size == 0) return Point3{0, 0, 1};
  Point3 normal{0, 0, 0};
  for (const Point3& p : points) {
    const Point3 n = cross(along, minus(p, origin));
    if (length(n) > length(normal)) normal = n;
  }
  if (!(length(normal) > kFlatness * size * size)) {
    // Straight: the plane through the line and the z axis's perpendicular, or any for a line
    // along z.
    normal = cross(cross(along, Point3{0, 0, 1}), along);
    if (!(length(normal) > 0)) normal = {1, 0, 0};
  }
  const Point3 unit = unitNormal(normal);
  for (const Point3& p : points) {
    if (!(std::abs(dot(unit, minus(p, origin))) <= kFlatness * size)) return std::nullopt;
  }
  return unit;
}

void writeSpline(GroupWriter& dxf, const DxfSpline& entry, unsigned handle) {
  const Spline& spline = entry.curve;
  const std::optional<Point3> normal = planeNormal(spline);
  beginEntity(dxf, "SPLINE", handle, kModelSpaceRecord, false, "AcDbSpline");
  if (normal) dxf.point(210, (*normal)[0], (*normal)[1], (*normal)[2]);
  // Flags: 8 planar, 4 rational (the host's weights are not part of Spline, so never), 1 closed.
  dxf.integer(70, (normal ? 8 : 0) | (entry.closed ? 1 : 0));
  dxf.integer(71, spline.degree);
  dxf.integer(72, static_cast<long>(spline.knots.size()));
  dxf.integer(73, static_cast<long>(spline.controlPoints.size()));
  dxf.integer(74, 0);
  dxf.real(42, 1e-10);
  dxf.real(43, 1e-10);
  for (double knot : spline.knots) dxf.real(40, knot);
  for (const Point3& p : spline.controlPoints) dxf.point(10, p[0], p[1], p[2]);
}

void writeEntities(GroupWriter& dxf, const std::vector<DxfSpline>& splines) {
  beginSection(dxf, "ENTITIES");
  unsigned handle = kFirstSplineHandle;
  for (const DxfSpline& spline : splines) writeSpline(dxf, spline, handle++);
  dxf.text(0, "ENDSEC");
}

void beginDictionary(GroupWriter& dxf, unsigned handle, unsigned owner) {
  dxf.text(0, "DICTIONARY");
  dxf.handle(5, handle);
  dxf.handle(330, owner);
  dxf.text(100, "AcDbDictionary");
  dxf.integer(281, 1);
}

void writeLayout(GroupWriter& dxf, unsigned handle, const char* name, int tab, unsigned record) {
  dxf.text(0, "LAYOUT");
  dxf.handle(5, handle);
  dxf.handle(330, kLayoutDictionary);
  dxf.text(100, "AcDbPlotSettings");
  dxf.text(1, "");
  dxf.text(4, "");
  dxf.text(6, "");
  for (int code = 40; code <= 49; ++code) dxf.real(code, 0);
  dxf.real(140, 0);
  dxf.real(141, 0);
  dxf.real(142, 1);
  dxf.real(143, 1);
  dxf.integer(70, 688);  // the plot-settings flags AutoCAD gives a new layout
  dxf.integer(72, 0);
  dxf.integer(73, 0);
  dxf.integer(74, 5);
  dxf.text(7, "");
  dxf.integer(75, 16);
  dxf.real(147, 1);
  dxf.real(148, 0);
  dxf.real(149, 0);
  dxf.text(100, "AcDbLayout");
  dxf.text(1, name);
  dxf.integer(70, 1);
  dxf.integer(71, tab);
  dxf.real(10, 0);
  dxf.real(20, 0);
  dxf.real(11, 420);
  dxf.real(21, 297);
  dxf.point(12, 0, 0, 0);
  dxf.point(14, 0, 0, 0);
  dxf.point(15, 0, 0, 0);
  dxf.real(146, 0);
  dxf.point(13, 0, 0, 0);
  dxf.point(16, 1, 0, 0);
  dxf.point(17, 0, 1, 0);
  dxf.integer(76, 1);
  dxf.handle(330, record);
}

void writeObjects(GroupWriter& dxf) {
  beginSection(dxf, "OBJECTS");
  beginDictionary(dxf, kRootDictionary, 0);
  dxf.text(3, "ACAD_GROUP");
  dxf.handle(350, kGroupDictionary);
  dxf.text(3, "ACAD_LAYOUT");
  dxf.handle(350, kLayoutDictionary);
  beginDictionary(dxf, kGroupDictionary, kRootDictionary);
  beginDictionary(dxf, kLayoutDictionary, kRootDictionary);
  dxf.text(3, "Layout1");
  dxf.handle(350, kPaperLayout);
  dxf.text(3, "Model");
  dxf.handle(350, kModelLayout);
  writeLayout(dxf, kModelLayout, "Model", 0, kModelSpaceRecord);
  writeLayout(dxf, kPaperLayout, "Layout1", 1, kPaperSpaceRecord);
  dxf.text(0, "ENDSEC");
}

}  // namespace

bool statusReportsClosed(const std::string& status) {
  static const std::regex kClosed(
      "[1-9][0-9]* spline controls, closed(, fewest)?( \\(tolerance .*\\))?");
  return std::regex_match(status.substr(0, status.find('\n')), kClosed);
}

void writeDxf(const std::vector<DxfSpline>& splines, std::ostream& out) {
  for (const DxfSpline& spline : splines) checkSpline(spline.curve);
  std::ostringstream text;
  GroupWriter dxf(text);
  const Extents box = extentsOf(splines);
  writeHeader(dxf, splines, box);
  writeTables(dxf, box);
  writeBlocks(dxf);
  writeEntities(dxf, splines);
  writeObjects(dxf);
  dxf.text(0, "EOF");
  out << text.str();
}

}  // namespace sorvane
