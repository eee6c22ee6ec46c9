// A workspace's toolbar panels, found by ID or index; the driver can remove one.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"

namespace fsim {

class SimToolbarPanel;
class SimToolbarControls;

class SimToolbarPanels : public Sim<adsk::core::ToolbarPanels> {
 public:
  void addPanel(const std::string& id);
  /// The panel with that ID, or null.
  std::shared_ptr<SimToolbarPanel> find(const std::string& id) const;
  /// Takes the panel out (it becomes invalid); false if there is none with that ID.
  bool removePanel(const std::string& id);
  void markDeleted() override;

 private:
  adsk::core::ToolbarPanel* itemById_raw(const char* id) const override;
  adsk::core::ToolbarPanel* item_raw(size_t index) const override;
  size_t count_raw() const override;

  std::vector<std::shared_ptr<SimToolbarPanel>> panels_;
};

}  // namespace fsim
