// A product that is not a design (as when the manufacturing workspace is active); casting it to
// Design fails, which is all an add-in can tell about it. Its units stay the host's defaults.
#pragma once

#include <Core/CoreAll.h>

#include <memory>

#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"
#include "host/sim/SimUnitsManager.h"

namespace fsim {

class SimOtherProduct : public Sim<adsk::core::Product> {
 public:
  static std::shared_ptr<SimOtherProduct> create() {
    auto product = std::make_shared<SimOtherProduct>();
    product->units_ = std::make_shared<SimUnitsManager>(product);
    return product;
  }

 private:
  char* productType_raw() const override {
    if (refused("Product.productType")) return nullptr;
    return newHostString("CAMProductType");
  }
  adsk::core::Document* parentDocument_raw() const override {
    refused("Product.parentDocument");
    return nullptr;  // documents are not simulated
  }
  adsk::core::UnitsManager* unitsManager_raw() const override {
    if (refused("Product.unitsManager")) return nullptr;
    return handOut(units_);
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

  std::shared_ptr<SimUnitsManager> units_;
};

}  // namespace fsim
