// A STEP text read back with OpenCASCADE as an importer reads it, and the B-spline curves found
// held against the spline that was written: for the tests of sorvane's STEP files.
#pragma once

#include <gtest/gtest.h>
#include <BRepAdaptor_Curve.hxx>
#include <BRep_Tool.hxx>
#include <GCPnts_AbscissaPoint.hxx>
#include <Geom_BSplineCurve.hxx>
#include <IFSelect_ReturnStatus.hxx>
#include <Interface_Static.hxx>
#include <Message.hxx>
#include <Message_Messenger.hxx>
#include <STEPControl_Reader.hxx>
#include <TopExp_Explorer.hxx>
#include <TopoDS.hxx>
#include <TopoDS_Edge.hxx>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tools/formats/SessionReport.h"

namespace sorvane::stepcheck {

/// One edge of a STEP file read back.
struct StepEdge {
  Handle(Geom_BSplineCurve) curve;  ///< BRep_Tool::Curve's curve; null when no B-spline curve
  double length = 0;                ///< over the edge's range, in millimetres
};

/// The edges of the shape in the STEP text `text`, read with STEPControl_Reader into millimetres;
/// empty when the text cannot be read.
inline std::vector<StepEdge> readStepEdges(const std::string& text) {
  Message::DefaultMessenger()->ChangePrinters().Clear();  // the reader's statistics
  STEPControl_Reader reader;
  Interface_Static::SetCVal("xstep.cascade.unit", "MM");
  std::istringstream stream(text);
  if (reader.ReadStream("read-back.step", stream) != IFSelect_RetDone) return {};
  reader.TransferRoots();
  std::vector<StepEdge> edges;
  for (TopExp_Explorer edge(reader.OneShape(), TopAbs_EDGE); edge.More(); edge.Next()) {
    Standard_Real first = 0, last = 0;
    const Handle(Geom_Curve) curve = BRep_Tool::Curve(TopoDS::Edge(edge.Current()), first, last);
    const BRepAdaptor_Curve adaptor(TopoDS::Edge(edge.Current()));
    edges.push_back(
        {Handle(Geom_BSplineCurve)::DownCast(curve), GCPnts_AbscissaPoint::Length(adaptor)});
  }
  return edges;
}

/// Expects `curve` to be `spline` (lengths in cm) in millimetres: the same degree, the same
/// distinct knots (to 1e-12) with the same multiplicities, and each control point times ten, to
/// 1e-12 of its size (at least 1 mm); the file's numbers carry 12 to 13 digits.
inline void expectSameCurve(const Handle(Geom_BSplineCurve) & curve, const Spline& spline) {
  ASSERT_FALSE(curve.IsNull());
  EXPECT_EQ(curve->Degree(), spline.degree);
  EXPECT_FALSE(curve->IsRational() || curve->IsPeriodic());
  std::vector<std::pair<double, int>> knots;
  for (const double knot : spline.knots) {
    if (!knots.empty() && knots.back().first == knot) {
      ++knots.back().second;
    } else {
      knots.emplace_back(knot, 1);
    }
  }
  ASSERT_EQ(curve->NbKnots(), static_cast<int>(knots.size()));
  for (int i = 1; i <= curve->NbKnots(); ++i) {
    EXPECT_NEAR(curve->Knot(i), knots[i - 1].first, 1e-12) << "knot " << i;
    EXPECT_EQ(curve->Multiplicity(i), knots[i - 1].second) << "knot " << i;
  }
  ASSERT_EQ(curve->NbPoles(), static_cast<int>(spline.controlPoints.size()));
  for (int i = 1; i <= curve->NbPoles(); ++i) {
    const gp_Pnt pole = curve->Pole(i);
    const double read[] = {pole.X(), pole.Y(), pole.Z()};
    for (int axis = 0; axis < 3; ++axis) {
      const double millimetres = 10 * spline.controlPoints[i - 1][axis];
      EXPECT_NEAR(read[axis], millimetres, 1e-12 * std::max(1.0, std::abs(millimetres)))
          << "control point " << i << ", axis " << axis;
    }
  }
}

}  // namespace sorvane::stepcheck
