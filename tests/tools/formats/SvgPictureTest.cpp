#include "tools/formats/SvgPicture.h"

#include <gtest/gtest.h>

#include "SampleReports.h"

namespace sorvane {
namespace {

std::size_t count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(SvgPicture, DrawsFourViewsWithCurveAxesAndScaleBars) {
  const std::string svg = drawSvgPicture(testing::segmentSession());
  for (const char* title : {">top (XY)<", ">front (XZ)<", ">side (YZ)<", ">isometric<"}) {
    EXPECT_EQ(count(svg, title), 1u) << title;
  }
  EXPECT_EQ(count(svg, "stroke=\"rgb(255,0,0)\" stroke-opacity=\"1\" stroke-width=\"3\""), 4u);
  EXPECT_EQ(count(svg, "<circle"), 16u);  // four control points in each of four views
  EXPECT_EQ(count(svg, "<path d="), 4u);  // one scale bar per view
  // The segment is 1 long and spans about 384 px; a quarter of a panel is 105 px of which 0.2
  // is the largest nice length.
  EXPECT_EQ(count(svg, ">0.2 cm<"), 4u);
  EXPECT_EQ(count(svg, ">lengths in cm<"), 1u);
  EXPECT_NE(svg.find(">status: 4 spline controls<"), std::string::npos);
  EXPECT_NE(svg.find("parameters r = 2.5"), std::string::npos);  // pi unchanged: not listed
}

// The definitions, however they were separated, run on in one line above the formulas.
TEST(SvgPicture, CaptionGivesTheDefinitionsAboveTheFormulas) {
  SessionReport report = testing::segmentSession();
  report.inputs.definitions = "k = 2\r\n\n m = 3 * k ;; n = 1 \rq = 4\n";
  const std::string svg = drawSvgPicture(report);
  const std::size_t definitions = svg.find(">definitions: k = 2; m = 3 * k; n = 1; q = 4<");
  EXPECT_NE(definitions, std::string::npos);
  EXPECT_LT(definitions, svg.find(">x(t) = t<"));
  EXPECT_EQ(drawSvgPicture(testing::segmentSession()).find("definitions"), std::string::npos);
}

TEST(SvgPicture, NoteAfterTheStatusGetsALineOfItsOwn) {
  SessionReport report = testing::segmentSession();
  report.status = "4 spline controls\nEditing the selected formula curve: OK replaces it.";
  const std::string svg = drawSvgPicture(report);
  EXPECT_NE(svg.find(">status: 4 spline controls<"), std::string::npos);
  EXPECT_NE(svg.find(">Editing the selected formula curve: OK replaces it.<"), std::string::npos);
}

TEST(SvgPicture, ShowsTheMessageInsteadOfACurve) {
  const std::string svg = drawSvgPicture(testing::errorSession());
  EXPECT_EQ(svg.find("<polyline"), std::string::npos);
  EXPECT_EQ(svg.find("isometric"), std::string::npos);
  EXPECT_EQ(count(svg, "x(t): Unexpected end of expression at position 4"), 3u);  // title, box,
                                                                                  // caption
  EXPECT_NE(svg.find(">x(t) = t &lt;<"), std::string::npos);  // markup in expressions escaped
}

// The note under the count is a line of its own, not run on after the count.
TEST(SvgPicture, ShowsEachLineOfTheStatusOnItsOwn) {
  SessionReport report = testing::segmentSession();
  report.status = "4 spline controls\nThe design parameter \"t\" is hidden by the curve's t.";
  const std::string svg = drawSvgPicture(report);
  EXPECT_NE(svg.find(">status: 4 spline controls<"), std::string::npos);
  EXPECT_NE(svg.find(">The design parameter &quot;t&quot; is hidden by the curve's t.<"),
            std::string::npos);
}

TEST(SvgPicture, DrawsThePreviewWhenNothingWasCreated) {
  SessionReport cancelled = testing::segmentSession();
  cancelled.result.reset();
  cancelled.preview[0].curves[0].weight = 5;
  const std::string svg = drawSvgPicture(cancelled);
  EXPECT_EQ(count(svg, "stroke-width=\"5\""), 4u);
}

TEST(SvgPicture, DrawsTheSplineOkGaveWhereItLiesInTheModel) {
  SessionReport report = testing::segmentSession();
  // A design with an earlier sketch and spline: the second sketch's spline is the one OK gave.
  report.sketches.push_back(report.sketches[0]);
  report.result = SplinePlace{1, 0};
  SketchRecord& sketch = report.sketches[1];
  sketch.name = "Sketch2";
  sketch.plane = "YZ";
  // Ten times as long in the model as in the sketch (a made-up placement, to tell them apart):
  // 10 units span about 384 px, and the largest nice length below a quarter panel (105 px) is 2.
  for (Point3& p : sketch.worldSplines[0].controlPoints) p = {0, 0, -10 * p[0]};
  const std::string svg = drawSvgPicture(report);
  EXPECT_EQ(count(svg, ">2 cm<"), 4u);
  EXPECT_EQ(count(svg, ">0.2<"), 0u);
  EXPECT_NE(svg.find(">drawn in Sketch2 on the YZ plane: the formulas' x and y lie in it, z along "
                     "its normal<"),
            std::string::npos);
  EXPECT_EQ(drawSvgPicture(testing::segmentSession()).find("drawn in"), std::string::npos);
}

TEST(SvgPicture, CurveSeenEdgeOnOrAsAPointStaysFinite) {
  SessionReport report = testing::segmentSession();
  for (Point3& p : report.sketches[0].worldSplines[0].controlPoints) p = {2, 2, 2};
  const std::string svg = drawSvgPicture(report);
  EXPECT_EQ(svg.find("nan"), std::string::npos);
  EXPECT_EQ(svg.find("inf"), std::string::npos);
}

TEST(SvgPicture, RoundingNoiseIsNotBlownUp) {
  // t from 0 to 0: every sample at (1, 0, 0), the fit off by rounding only.
  SessionReport report = testing::segmentSession();
  report.sketches[0].worldSplines[0].controlPoints = {
      {1, 0, 0}, {1 + 4e-16, 1e-16, 0}, {1 - 2e-16, 0, 3e-16}, {1, 0, 0}};
  // Shown at the size of its distance from the origin: 1 unit spans half a plot area (192 px),
  // and the largest nice length below a quarter panel (105 px) is 0.5.
  EXPECT_EQ(count(drawSvgPicture(report), ">0.5 cm<"), 4u);
}

}  // namespace
}  // namespace sorvane
