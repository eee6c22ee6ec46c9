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
  adsk::core::Attribute** findAttributes_raw(const char*, const char*,
                                             size_t& return_size) const override {
    return_size = 0;
    if (refused("Product.findAttributes")) return nullptr;
    return newHostObjectArray(std::vector<adsk::core::Attribute*>(), return_size);
  }
  adsk::core::Attributes* attributes_raw() const override {
    refused("Product.attributes");
    return nullptr;  // nothing is kept on a product that is not a design
  }
};

}  // namespace fsim
