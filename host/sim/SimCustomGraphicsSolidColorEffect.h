// A solid colour effect for custom graphics, made from a Color by
// CustomGraphicsSolidColorEffect::create; entities that use it keep it.
#pragma once

#include <Fusion/FusionAll.h>

#include <array>

#include "host/sim/Sim.h"

namespace fsim {

class SimCustomGraphicsSolidColorEffect : public Sim<adsk::fusion::CustomGraphicsSolidColorEffect> {
 public:
  explicit SimCustomGraphicsSolidColorEffect(const std::array<short, 4>& rgba) : rgba_(rgba) {}
  const std::array<short, 4>& rgba() const { return rgba_; }

 private:
  adsk::core::Color* color_raw() const override;
  bool color_raw(adsk::core::Color* value) override;

  std::array<short, 4> rgba_;
};

}  // namespace fsim
