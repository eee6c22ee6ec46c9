// The design: its user and model parameters (with the two collections an add-in reads them
// through), its units manager with the default length unit, and its root component.
#pragma once

#include <Fusion/FusionAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"
#include "host/sim/SimParameter.h"
#include "host/values/HostTypes.h"

namespace fsim {

class SimComponent;
class SimParameterList;
class SimAttributes;
class SimUserParameters;
class SimFusionUnitsManager;

class SimDesign : public Sim<adsk::fusion::Design> {
 public:
  static std::shared_ptr<SimDesign> create();

  /// Numeric parameters: value in internal units, unit a text unitNamed knows ("" for none).
  void addUserParameter(const std::string& name, double value, const std::string& unit = "");
  void addModelParameter(const std::string& name, double value, const std::string& unit = "");
  /// A user parameter whose value is a text.
  void addTextParameter(const std::string& name, const std::string& text);
  /// Sets the value of the first parameter named `name`; false when there is none.
  bool setParameterValue(const std::string& name, double value);
  /// Deletes the user parameter named `name`; false when there is none.
  bool deleteUserParameter(const std::string& name);
  const std::vector<std::shared_ptr<SimUserParameter>>& userParameters() const { return user_; }
  const std::vector<std::shared_ptr<SimModelParameter>>& modelParameters() const { return model_; }
  const std::shared_ptr<SimComponent>& root() const { return root_; }
  /// The attributes on the design itself.
  SimAttributes& attributes() const { return *attributes_; }
  /// The default length unit, which reads numbers typed without a unit.
  LengthUnitChoice lengthUnit() const;
  void lengthUnit(LengthUnitChoice unit);
  void markDeleted() override;

 private:
  char* productType_raw() const override;
  adsk::core::Document* parentDocument_raw() const override;
  adsk::core::UnitsManager* unitsManager_raw() const override;
  adsk::core::Attribute** findAttributes_raw(const char* groupName, const char* attributeName,
                                             size_t& return_size) const override;
  adsk::core::Attributes* attributes_raw() const override;
  adsk::fusion::Component* rootComponent_raw() const override;
  adsk::fusion::UserParameters* userParameters_raw() const override;
  adsk::fusion::ParameterList* allParameters_raw() const override;
  adsk::fusion::FusionUnitsManager* fusionUnitsManager_raw() const override;

  std::vector<std::shared_ptr<SimUserParameter>> user_;
  std::vector<std::shared_ptr<SimModelParameter>> model_;
  std::shared_ptr<SimComponent> root_;
  std::shared_ptr<SimUserParameters> userCollection_;
  std::shared_ptr<SimParameterList> allCollection_;
  std::shared_ptr<SimAttributes> attributes_;
  std::shared_ptr<SimFusionUnitsManager> units_;
};

}  // namespace fsim
