// The handlers attached to one host event, and the reverse index from each handler to its events
// so that a handler's destructor can detach it everywhere. The host keeps only the handlers' raw
// addresses; the add-in owns them.
#pragma once

#include <cstddef>
#include <vector>

namespace adsk {
namespace core {
class EventHandler;
}
}  // namespace adsk

namespace fsim {

class EventLinks {
 public:
  EventLinks() = default;
  EventLinks(const EventLinks&) = delete;
  EventLinks& operator=(const EventLinks&) = delete;
  /// Detaches every handler (the event goes away).
  ~EventLinks();

  /// Attaches handler; false for null or a handler already attached here.
  bool add(adsk::core::EventHandler* handler);
  /// Detaches handler; false if it was not attached here.
  bool remove(adsk::core::EventHandler* handler);
  bool has(adsk::core::EventHandler* handler) const;
  std::size_t count() const { return handlers_.size(); }
  /// The attached handlers in attach order (a copy: notifying may change the list).
  std::vector<adsk::core::EventHandler*> handlers() const { return handlers_; }
  void clear();

  /// Detaches handler from every event; called by the handler's destructor.
  static void detachEverywhere(adsk::core::EventHandler* handler);

 private:
  std::vector<adsk::core::EventHandler*> handlers_;
};

}  // namespace fsim
