// The event a command definition raises with each new Command. Add-ins attach their
// command-created handler to it; the host keeps only the handler's address.
#pragma once

#include "../Application/Events.h"

namespace adsk {
namespace core {

class CommandCreatedEventHandler;

class CommandCreatedEvent : public Event {
 public:
  /// Attaches the handler, which must outlive the attachment; true if added.
  bool add(CommandCreatedEventHandler* handler);

  /// Detaches the handler; true if it was found and removed.
  bool remove(CommandCreatedEventHandler* handler);

  static const char* classType() { return "adsk::core::CommandCreatedEvent"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CommandCreatedEvent*>(this)
                                               : Event::queryInterface(id);
  }

 private:
  virtual bool add_raw(CommandCreatedEventHandler* handler) = 0;
  virtual bool remove_raw(CommandCreatedEventHandler* handler) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline bool CommandCreatedEvent::add(CommandCreatedEventHandler* handler) {
  return add_raw(handler);
}

inline bool CommandCreatedEvent::remove(CommandCreatedEventHandler* handler) {
  return remove_raw(handler);
}

}  // namespace core
}  // namespace adsk
