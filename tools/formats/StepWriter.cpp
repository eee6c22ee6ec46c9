#include "tools/formats/StepWriter.h"

#include <BRepBuilderAPI_MakeEdge.hxx>
#include <Geom_BSplineCurve.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPControl_Controller.hxx>
#include <STEPControl_Writer.hxx>
#include <Standard_Failure.hxx>
#include <StepBasic_Product.hxx>
#include <StepData_Protocol.hxx>
#include <StepData_StepModel.hxx>
#include <StepData_StepWriter.hxx>
#include <StepGeom_BSplineCurve.hxx>
#include <TColStd_Array1OfInteger.hxx>
#include <TColStd_Array1OfReal.hxx>
#include <TColgp_Array1OfPnt.hxx>
#include <TCollection_HAsciiString.hxx>
#include <TopoDS_Edge.hxx>
#include <XSControl_Controller.hxx>
#include <XSControl_WorkSession.hxx>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace sorvane {

namespace {

// The file's lengths against the spline's: millimetres per centimetre.
constexpr double kMillimetresPerLengthUnit = 10;

// OpenCASCADE's default messenger prints the translator's statistics on standard output, which
// carries sorvane's own report: it stays silent while one of these lives.
class QuietMessenger {
 public:
  QuietMessenger() : saved_(Message::DefaultMessenger()->Printers()) {
    Message::DefaultMessenger()->ChangePrinters().Clear();
  }
  QuietMessenger(const QuietMessenger&) = delete;
  QuietMessenger& operator=(const QuietMessenger&) = delete;
  ~QuietMessenger() { Message::DefaultMessenger()->ChangePrinters() = saved_; }

 private:
  Message_SequenceOfPrinters saved_;
};

[[noreturn]] void refuse(const std::string& why) {
  throw std::invalid_argument("a STEP file needs a B-spline curve: " + why);
}

// The distinct knots, in order, each with its multiplicity.
std::vector<std::pair<double, int>> distinctKnots(const Spline& spline) {
  std::vector<std::pair<double, int>> distinct;
  for (const double knot : spline.knots) {
    if (!std::isfinite(knot)) refuse("a knot is not finite");
    if (!distinct.empty() && knot < distinct.back().first) refuse("the knots decrease");
    if (!distinct.empty() && knot == distinct.back().first) {
      ++distinct.back().second;
    } else {
      distinct.emplace_back(knot, 1);
    }
  }
  const int degree = spline.degree;
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    const bool end = i == 0 || i + 1 == distinct.size();
    if (distinct[i].second > (end ? degree + 1 : degree)) {
      refuse("a knot repeats more often than the degree allows");
    }
  }
  return distinct;
}

Handle(Geom_BSplineCurve) bsplineCurve(const Spline& spline) {
  const int degree = spline.degree;
  const std::size_t count = spline.controlPoints.size();
  if (degree < 1 || degree > Geom_BSplineCurve::MaxDegree()) refuse("the degree is out of range");
  if (count <= static_cast<std::size_t>(degree)) refuse("too few control points");
  if (spline.knots.size() != count + static_cast<std::size_t>(degree) + 1) {
    refuse("the knot count is not controls + degree + 1");
  }
  TColgp_Array1OfPnt poles(1, static_cast<int>(count));
  for (std::size_t i = 0; i < count; ++i) {
    const Point3& point = spline.controlPoints[i];
    for (const double coordinate : point) {
      if (!std::isfinite(coordinate)) refuse("a control point is not finite");
    }
    poles.SetValue(static_cast<int>(i) + 1, gp_Pnt(point[0] * kMillimetresPerLengthUnit,
                                                   point[1] * kMillimetresPerLengthUnit,
                                                   point[2] * kMillimetresPerLengthUnit));
  }
  const std::vector<std::pair<double, int>> distinct = distinctKnots(spline);
  TColStd_Array1OfReal knots(1, static_cast<int>(distinct.size()));
  TColStd_Array1OfInteger multiplicities(1, static_cast<int>(distinct.size()));
  for (std::size_t i = 0; i < distinct.size(); ++i) {
    knots.SetValue(static_cast<int>(i) + 1, distinct[i].first);
    multiplicities.SetValue(static_cast<int>(i) + 1, distinct[i].second);
  }
  try {
    return new Geom_BSplineCurve(poles, knots, multiplicities, degree);
  } catch (const Standard_Failure& failure) {
    refuse(failure.GetMessageString());
  }
}

std::string printableName(const std::string& name) {
  std::string printable = name;
  for (char& c : printable) {
    if (c < ' ' || c > '~') c = '_';
  }
  return printable;
}

// Millimetres in the file, and the shape's lengths read as millimetres too, so that OpenCASCADE
// writes the numbers it is given. The settings are the process's; each file sets them again.
void setMillimetres() {
  const bool set = Interface_Static::SetCVal("xstep.cascade.unit", "MM") &&
                   Interface_Static::SetCVal("write.step.unit", "MM");
  if (!set) throw std::runtime_error("OpenCASCADE's STEP writer has no unit settings");
}

// The product's id and name, which importers show as the part's: OpenCASCADE's own setting for
// them appends a counter. And the curve not marked closed: that mark is for information only, but
// OpenCASCADE's reader (and so FreeCAD's) takes it for a wish to make the curve periodic and
// returns other knots and control points; unmarked, a closed curve reads back as the clamped
// spline the sketch holds, its closure shown by its end points.
void finishModel(const Handle(StepData_StepModel) & model, const std::string& name) {
  const Handle(TCollection_HAsciiString) text = new TCollection_HAsciiString(name.c_str());
  for (Standard_Integer i = 1; i <= model->NbEntities(); ++i) {
    const Handle(Standard_Transient) entity = model->Value(i);
    if (const Handle(StepBasic_Product) product = Handle(StepBasic_Product)::DownCast(entity)) {
      product->SetId(text);
      product->SetName(text);
    }
    if (const Handle(StepGeom_BSplineCurve) curve =
            Handle(StepGeom_BSplineCurve)::DownCast(entity)) {
      curve->SetClosedCurve(StepData_LFalse);
    }
  }
}

}  // namespace

bool stepWriterAvailable() { return true; }

void writeStep(const Spline& spline, const std::string& name, std::ostream& out) {
  const QuietMessenger quiet;
  const Handle(Geom_BSplineCurve) curve = bsplineCurve(spline);
  std::ostringstream text;
  try {
    BRepBuilderAPI_MakeEdge edge(curve);
    if (!edge.IsDone()) throw std::runtime_error("OpenCASCADE made no edge of the spline");
    STEPControl_Controller::Init();
    setMillimetres();
    STEPControl_Writer writer;
    if (writer.Transfer(edge.Edge(), STEPControl_AsIs) != IFSelect_RetDone) {
      throw std::runtime_error("OpenCASCADE could not translate the spline to STEP");
    }
    finishModel(writer.Model(), printableName(name));
    // What STEPControl_Writer::Write does with a file, into memory: the caller decides where the
    // text goes and how a file is replaced.
    const Handle(StepData_Protocol) protocol =
        Handle(StepData_Protocol)::DownCast(writer.WS()->NormAdaptor()->Protocol());
    StepData_StepWriter step(writer.Model());
    step.SendModel(protocol);
    if (!step.Print(text)) throw std::runtime_error("OpenCASCADE could not write the STEP text");
  } catch (const Standard_Failure& failure) {
    throw std::runtime_error(std::string("OpenCASCADE failed: ") + failure.GetMessageString());
  }
  out << text.str();
}

}  // namespace sorvane
