// A transient colour: red, green, blue and opacity, each 0..255 (Color::create refuses others).
#pragma once

#include <Core/CoreAll.h>

#include <array>

#include "host/sim/Sim.h"

namespace fsim {

class SimColor : public Sim<adsk::core::Color> {
 public:
  explicit SimColor(const std::array<short, 4>& rgba) : rgba_(rgba) {}
  const std::array<short, 4>& rgba() const { return rgba_; }
  /// Whether every component lies in 0..255.
  static bool acceptable(short red, short green, short blue, short opacity);

 private:
  short red_raw() const override;
  short green_raw() const override;
  short blue_raw() const override;
  short opacity_raw() const override;
  bool getColor_raw(short& red, short& green, short& blue, short& opacity) const override;
  bool setColor_raw(short red, short green, short blue, short opacity) override;

  short component(const char* operation, int index) const;

  std::array<short, 4> rgba_;
};

}  // namespace fsim
