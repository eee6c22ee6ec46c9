// One workspace of the user interface, with its toolbar panels.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"

namespace fsim {

class SimToolbarPanels;

class SimWorkspace : public Sim<adsk::core::Workspace> {
 public:
  SimWorkspace(std::string id, const std::vector<std::string>& panelIds);
  const std::string& id() const { return id_; }
  SimToolbarPanels& panels() const { return *panels_; }
  void markDeleted() override;

 private:
  adsk::core::ToolbarPanels* toolbarPanels_raw() const override;
  char* id_raw() const override;

  std::string id_;
  std::shared_ptr<SimToolbarPanels> panels_;
};

}  // namespace fsim
