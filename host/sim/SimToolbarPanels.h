// A workspace's toolbar panels, and one panel with its controls.
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

class SimToolbarPanel : public Sim<adsk::core::ToolbarPanel> {
 public:
  static std::shared_ptr<SimToolbarPanel> create(const std::string& id);
  explicit SimToolbarPanel(std::string id) : id_(std::move(id)) {}
  const std::string& id() const { return id_; }
  SimToolbarControls& controls() const { return *controls_; }
  void markDeleted() override;

 private:
  adsk::core::ToolbarControls* controls_raw() const override;
  char* id_raw() const override;
  bool isVisible_raw() const override;

  std::string id_;
  std::shared_ptr<SimToolbarControls> controls_;
};

}  // namespace fsim
