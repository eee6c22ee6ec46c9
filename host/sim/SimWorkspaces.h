// The user interface's workspaces, found by ID or index.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>
#include <vector>

#include "host/sim/Sim.h"

namespace fsim {

class SimWorkspace;
class SimToolbarPanels;

class SimWorkspaces : public Sim<adsk::core::Workspaces> {
 public:
  void addWorkspace(const std::string& id, const std::vector<std::string>& panelIds);
  /// The workspace with that ID, or null.
  std::shared_ptr<SimWorkspace> find(const std::string& id) const;
  void markDeleted() override;

 private:
  adsk::core::Workspace* itemById_raw(const char* id) const override;
  adsk::core::Workspace* item_raw(size_t index) const override;
  size_t count_raw() const override;

  std::vector<std::shared_ptr<SimWorkspace>> workspaces_;
};

}  // namespace fsim
