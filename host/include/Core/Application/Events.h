// Events and their arguments, as the host raises them. A handler learns from the arguments which
// event fired, and from the event which object raised it.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class Event : public Base {
 public:
  /// The event's name.
  std::string name() const;

  /// The object that raised the event; for command events, the Command.
  Ptr<Base> sender() const;

  static const char* classType() { return "adsk::core::Event"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Event*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual char* name_raw() const = 0;
  virtual Base* sender_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string Event::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    DeallocateArray(p);
  }
  return res;
}

inline Ptr<Base> Event::sender() const {
  Ptr<Base> res = sender_raw();
  return res;
}
class EventArgs : public Base {
 public:
  /// The event being raised.
  Ptr<Event> firingEvent() const;

  static const char* classType() { return "adsk::core::EventArgs"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<EventArgs*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual Event* firingEvent_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Event> EventArgs::firingEvent() const {
  Ptr<Event> res = firingEvent_raw();
  return res;
}

}  // namespace core
}  // namespace adsk
