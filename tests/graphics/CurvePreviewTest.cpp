// The preview's owner on its own, in the simulated host: a new preview never starts while the old
// one is still drawn, even when the host refuses the new one half-way.
#include "graphics/CurvePreview.h"

#include <gtest/gtest.h>

#include <Core/CoreAll.h>

#include <cstddef>
#include <vector>

#include "fusionkit/NullObjectError.h"
#include "host/driver/HostSession.h"

namespace {

using namespace adsk::core;

/// The segment from (0, 0, 0) to (1, 0, 0).
Ptr<NurbsCurve3D> segment() {
  const std::vector<Ptr<Point3D>> ends{Point3D::create(0, 0, 0), Point3D::create(1, 0, 0)};
  return NurbsCurve3D::createNonRational(ends, 1, {0, 0, 1, 1}, false);
}

// Refused before the group exists, the new preview owns nothing; refused after it, it owns its
// empty group. Either way the old group, with its curve, has gone first.
TEST(CurvePreview, ShowTakesTheOldGroupAwayEvenWhenTheNewOneFails) {
  struct Case {
    const char* refused;
    std::size_t groupsLeft;
  };
  for (const Case& c :
       {Case{"CustomGraphicsGroups.add", 0}, Case{"CustomGraphicsGroup.addCurve", 1}}) {
    SCOPED_TRACE(c.refused);
    fsim::HostSession host;
    Ptr<Application> application = Application::get();
    CurvePreview preview;
    preview.show(application, segment());
    ASSERT_EQ(host.graphicsGroups().size(), 1u);

    host.failOperation(c.refused, fsim::FaultMode::Once);
    EXPECT_THROW(preview.show(application, segment()), hv::f360::NullObjectError);
    const std::vector<fsim::GraphicsGroupInfo> groups = host.graphicsGroups();
    ASSERT_EQ(groups.size(), c.groupsLeft);
    if (!groups.empty()) {
      EXPECT_TRUE(groups[0].curves.empty());
    }
    EXPECT_EQ(preview.shown(), c.groupsLeft == 1);

    preview.clear();
    EXPECT_TRUE(host.graphicsGroups().empty());
  }
}

}  // namespace
