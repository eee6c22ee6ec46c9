// A toolbar panel's controls. Only command controls exist here: the ones add-ins add for their
// command definitions, each with the definition's ID.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"

namespace fsim {

class SimCommandControl;

class SimToolbarControls : public Sim<adsk::core::ToolbarControls> {
 public:
  /// panel: the controls' parent, which each control names as its parent.
  explicit SimToolbarControls(std::weak_ptr<SimObject> panel) : panel_(std::move(panel)) {}

  /// The control with that ID, or null.
  std::shared_ptr<SimCommandControl> find(const std::string& id) const;
  /// Takes the control out of the panel (it becomes invalid); false if it is not there.
  bool remove(const SimCommandControl* control);
  /// The control's position, or -1.
  int indexOf(const SimCommandControl* control) const;
  void markDeleted() override;

 private:
  adsk::core::ToolbarControl* itemById_raw(const char* id) const override;
  adsk::core::ToolbarControl* item_raw(size_t index) const override;
  size_t count_raw() const override;
  adsk::core::CommandControl* addCommand_raw(adsk::core::CommandDefinition* commandDefinition,
                                             const char* positionID, bool isBefore) override;

  std::weak_ptr<SimObject> panel_;
  std::vector<std::shared_ptr<SimCommandControl>> controls_;
};

}  // namespace fsim
