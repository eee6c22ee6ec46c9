// One toolbar panel of a workspace, with its controls.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/Sim.h"

namespace fsim {

class SimToolbarControls;

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
