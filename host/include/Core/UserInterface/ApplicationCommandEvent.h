// An event the user interface raises for every command of the application, the host's own and
// add-ins': when one starts and when one ends. Add-ins that follow what the user does attach a
// handler; the host keeps only its address.
#pragma once

#include "../Application/Events.h"

namespace adsk {
namespace core {

class ApplicationCommandEventHandler;

class ApplicationCommandEvent : public Event {
 public:
  /// Attaches the handler, which must outlive the attachment; true if added.
  bool add(ApplicationCommandEventHandler* handler);
  /// Detaches the handler; true if it was found and removed.
  bool remove(ApplicationCommandEventHandler* handler);

  static const char* classType() { return "adsk::core::ApplicationCommandEvent"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<ApplicationCommandEvent*>(this)
                                               : Event::queryInterface(id);
  }

 private:
  virtual bool add_raw(ApplicationCommandEventHandler* handler) = 0;
  virtual bool remove_raw(ApplicationCommandEventHandler* handler) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline bool ApplicationCommandEvent::add(ApplicationCommandEventHandler* handler) {
  return add_raw(handler);
}

inline bool ApplicationCommandEvent::remove(ApplicationCommandEventHandler* handler) {
  return remove_raw(handler);
}

}  // namespace core
}  // namespace adsk
