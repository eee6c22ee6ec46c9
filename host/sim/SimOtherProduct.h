// A product that is not a design (as when the manufacturing workspace is active); casting it to
// Design fails, which is all an add-in can tell about it.
#pragma once

#include <Core/CoreAll.h>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"

namespace fsim {

class SimOtherProduct : public Sim<adsk::core::Product> {
 private:
  char* productType_raw() const override {
    if (refused("Product.productType")) return nullptr;
    return newHostString("CAMProductType");
  }
  adsk::core::Document* parentDocument_raw() const override {
    refused("Product.parentDocument");
    return nullptr;  // documents are not simulated
  }
};

}  // namespace fsim
