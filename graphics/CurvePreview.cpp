#include "graphics/CurvePreview.h"

#include <utility>

using namespace adsk::core;

namespace {

constexpr double kPreviewWeight = 3.0;

}  // namespace

void CurvePreview::show(const Ptr<Application>& application, const Ptr<NurbsCurve3D>& curve) {
  clear();
  manager_ = std::make_unique<hv::f360::CustomGraphicsManager>(application, kCurvePreviewGroupId);
  Ptr<Color> red = Color::create(255, 0, 0, 255);
  manager_->addCurve(curve, kPreviewWeight, red);
}

void CurvePreview::clear() noexcept {
  std::unique_ptr<hv::f360::CustomGraphicsManager> released = std::move(manager_);
}
