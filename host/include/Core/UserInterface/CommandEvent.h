// The events of a running command (execute, preview, destroy). Add-ins attach their command
// handlers to them; the host keeps only the handler's address.
#pragma once

#include "../Application/Events.h"

namespace adsk {
namespace core {

class CommandEventHandler;

class CommandEvent : public Event {
 public:
  /// Attaches the handler, which must outlive the attachment; true if added.
  bool add(CommandEventHandler* handler);

  /// Detaches the handler; true if it was found and removed.
  bool remove(CommandEventHandler* handler);

  static const char* classType() { return "adsk::core::CommandEvent"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandEvent*>(this)
                                               : Event::queryInterface(id);
  }

 private:
  virtual bool add_raw(CommandEventHandler* handler) = 0;
  virtual bool remove_raw(CommandEventHandler* handler) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline bool CommandEvent::add(CommandEventHandler* handler) { return add_raw(handler); }

inline bool CommandEvent::remove(CommandEventHandler* handler) { return remove_raw(handler); }

}  // namespace core
}  // namespace adsk
