// What host events share: each keeps its handlers' addresses and calls their notify in attach
// order; an exception leaving a handler is swallowed and recorded, as a host must
// survive its add-ins.
#pragma once

#include <Core/CoreAll.h>

#include <exception>
#include <memory>
#include <string>

#include "host/sim/EventLinks.h"
#include "host/sim/HostArrays.h"
#include "host/sim/Sim.h"

namespace fsim {

/// Event members shared by both kinds; Api is CommandCreatedEvent or CommandEvent, Handler the
/// matching handler class, ArgsApi the event arguments' API class.
template <class Api, class Handler, class ArgsApi>
class SimEvent : public Sim<Api> {
 public:
  /// addOperation/removeOperation: the fault-injection names of add and remove.
  SimEvent(std::string name, std::weak_ptr<SimObject> sender, const char* addOperation,
           const char* removeOperation)
      : name_(std::move(name)),
        sender_(std::move(sender)),
        addOperation_(addOperation),
        removeOperation_(removeOperation) {}

  const EventLinks& links() const { return links_; }

  /// Calls every attached handler with args; handlers attached or detached meanwhile are
  /// respected (a detached one is skipped).
  void raise(ArgsApi* args) {
    for (adsk::core::EventHandler* handler : links_.handlers()) {
      if (!links_.has(handler)) continue;
      adsk::core::Ptr<ArgsApi> ptr(args, false);
      try {
        static_cast<Handler*>(handler)->notify(ptr);
      } catch (const std::exception& e) {
        recordHandlerError(e.what());
      } catch (...) {
        recordHandlerError(Host::kNonStandardError);
      }
    }
  }

  void markDeleted() override {
    SimObject::markDeleted();
    links_.clear();
  }

 protected:
  bool add_raw(Handler* handler) override {
    if (this->refused(addOperation_)) return false;
    return links_.add(handler);
  }
  bool remove_raw(Handler* handler) override {
    if (this->refused(removeOperation_)) return false;
    return links_.remove(handler);
  }
  char* name_raw() const override {
    if (this->refused("Event.name")) return nullptr;
    return newHostString(name_);
  }
  adsk::core::Base* sender_raw() const override {
    if (this->refused("Event.sender")) return nullptr;
    return handOutAs(sender_.lock().get());
  }

 private:
  static void recordHandlerError(const std::string& text) {
    if (Host* host = Host::current()) host->handlerErrors.push_back(text);
  }

  std::string name_;
  std::weak_ptr<SimObject> sender_;
  const char* addOperation_;
  const char* removeOperation_;
  EventLinks links_;
};

}  // namespace fsim
