// The base of every event handler an add-in writes. The add-in owns its handlers; the host keeps
// only the address given to an event's add() and calls the handler's notify() when it fires.
//
// Note for the simulated host: the constructor and destructor are declared here and defined in
// the host library, as XInterface10.dll exports them on Windows. The destructor detaches the
// handler from every event it was added to (a handler may die while still attached); the
// constructor initialises m_pImpl, which the host may use for that bookkeeping through impl().
#pragma once

#include "../OSMacros.h"

#ifdef XINTERFACE_EXPORTS
#define XI_IEVENTHANDLER_API XI_EXPORT
#else
#define XI_IEVENTHANDLER_API XI_IMPORT
#endif

namespace adsk {
namespace core {

/// Not a host object: not reference-counted and not a Base. Derived handler classes add notify().
class XI_IEVENTHANDLER_API EventHandler {
 public:
  EventHandler();
  /// Detaches the handler from every event it is still attached to.
  virtual ~EventHandler();

  static const char* classType() { return "adsk::core::EventHandler"; }
  /// The host's data about this handler.
  void* impl() const { return m_pImpl; }

 private:
  // Reserved vtable slots, so that notify() keeps its place across host versions.
  virtual void placeholderEventHandler0() {}
  virtual void placeholderEventHandler1() {}
  virtual void placeholderEventHandler2() {}
  virtual void placeholderEventHandler3() {}
  virtual void placeholderEventHandler4() {}
  virtual void placeholderEventHandler5() {}
  virtual void placeholderEventHandler6() {}
  virtual void placeholderEventHandler7() {}
  virtual void placeholderEventHandler8() {}
  virtual void placeholderEventHandler9() {}
  virtual void placeholderEventHandler10() {}
  virtual void placeholderEventHandler11() {}
  virtual void placeholderEventHandler12() {}
  virtual void placeholderEventHandler13() {}
  virtual void placeholderEventHandler14() {}
  virtual void placeholderEventHandler15() {}

  void* m_pImpl;
};

}  // namespace core
}  // namespace adsk
