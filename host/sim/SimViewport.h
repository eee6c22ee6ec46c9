// The active viewport; it only counts refresh requests, which the driver reports.
#pragma once

#include <Core/CoreAll.h>

#include "host/sim/Sim.h"

namespace fsim {

class SimViewport : public Sim<adsk::core::Viewport> {
 private:
  bool refresh_raw() const override {
    if (refused("Viewport.refresh")) return false;
    if (Host* host = Host::current()) ++host->viewportRefreshes;
    return true;
  }
};

}  // namespace fsim
