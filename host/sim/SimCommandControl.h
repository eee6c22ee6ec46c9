// A command control on a toolbar panel: the button a user clicks to run a command definition.
// Its ID is the definition's; it can be hidden, promoted, and deleted.
#pragma once

#include <Core/CoreAll.h>

#include <memory>
#include <string>

#include "host/sim/Sim.h"

namespace fsim {

class SimCommandDefinition;
class SimToolbarControls;

class SimCommandControl : public Sim<adsk::core::CommandControl> {
 public:
  SimCommandControl(std::shared_ptr<SimCommandDefinition> definition,
                    std::weak_ptr<SimObject> panel, std::weak_ptr<SimToolbarControls> controls);

  const std::string& id() const { return id_; }
  /// The definition the control runs; null once the definition was deleted.
  std::shared_ptr<SimCommandDefinition> definition() const;
  bool visible() const { return visible_; }
  bool promoted() const { return promoted_; }

 private:
  char* id_raw() const override;
  size_t index_raw() const override;
  bool isVisible_raw() const override;
  bool isVisible_raw(bool value) override;
  adsk::core::Base* parent_raw() const override;
  bool deleteMe_raw() override;
  adsk::core::CommandDefinition* commandDefinition_raw() const override;
  bool isPromoted_raw() const override;
  bool isPromoted_raw(bool value) override;
  bool isPromotedByDefault_raw() const override;
  bool isPromotedByDefault_raw(bool value) override;

  std::string id_;
  std::weak_ptr<SimCommandDefinition> definition_;
  std::weak_ptr<SimObject> panel_;
  std::weak_ptr<SimToolbarControls> controls_;
  bool visible_ = true;
  bool promoted_ = false;
  bool promotedByDefault_ = false;
};

}  // namespace fsim
