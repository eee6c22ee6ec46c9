// Handler bookkeeping of events, and EventHandler's exported members built on it.
#include "host/sim/EventLinks.h"

#include <Core/CoreAll.h>

#include <algorithm>
#include <map>

namespace fsim {

namespace {

using Handler = adsk::core::EventHandler;

std::map<Handler*, std::vector<EventLinks*>>& eventsOfHandlers() {
  static auto* index = new std::map<Handler*, std::vector<EventLinks*>>();
  return *index;
}

void forget(Handler* handler, EventLinks* links) {
  auto entry = eventsOfHandlers().find(handler);
  if (entry == eventsOfHandlers().end()) return;
  auto& events = entry->second;
  events.erase(std::remove(events.begin(), events.end(), links), events.end());
  if (events.empty()) eventsOfHandlers().erase(entry);
}

}  // namespace

EventLinks::~EventLinks() { clear(); }

bool EventLinks::add(Handler* handler) {
  if (!handler || has(handler)) return false;
  handlers_.push_back(handler);
  eventsOfHandlers()[handler].push_back(this);
  return true;
}

bool EventLinks::remove(Handler* handler) {
  auto found = std::find(handlers_.begin(), handlers_.end(), handler);
  if (found == handlers_.end()) return false;
  handlers_.erase(found);
  forget(handler, this);
  return true;
}

bool EventLinks::has(Handler* handler) const {
  return std::find(handlers_.begin(), handlers_.end(), handler) != handlers_.end();
}

void EventLinks::clear() {
  for (Handler* handler : handlers_) forget(handler, this);
  handlers_.clear();
}

void EventLinks::detachEverywhere(Handler* handler) {
  auto entry = eventsOfHandlers().find(handler);
  if (entry == eventsOfHandlers().end()) return;
  std::vector<EventLinks*> events = entry->second;
  for (EventLinks* links : events) links->remove(handler);
}

}  // namespace fsim

namespace adsk {
namespace core {

EventHandler::EventHandler() : m_pImpl(nullptr) {}

EventHandler::~EventHandler() { fsim::EventLinks::detachEverywhere(this); }

}  // namespace core
}  // namespace adsk
