// Reference bookkeeping of simulated host objects and the registry of all of them.
#include "host/sim/SimObject.h"

#include <cstdio>
#include <cstdlib>
#include <map>

namespace fsim {

namespace {

struct Registry {
  std::uint64_t nextSerial = 1;
  std::map<std::uint64_t, SimObject*> objects;
};

Registry& registry() {
  static Registry* instance = new Registry();  // never destroyed: objects may outlive statics
  return *instance;
}

}  // namespace

SimObject::SimObject() : serial_(registry().nextSerial++) { registry().objects[serial_] = this; }

SimObject::~SimObject() { registry().objects.erase(serial_); }

void SimObject::addOutsideReference() {
  if (references_++ == 0) selfWhileHeld_ = shared_from_this();
}

void SimObject::releaseOutsideReference() {
  if (references_ <= 0) {
    // Over-releasing would be a use-after-free inside the real host; stop loudly instead.
    std::fprintf(stderr, "fusionsim: release of %s that holds no outside reference\n", typeName());
    std::abort();
  }
  if (--references_ == 0) {
    std::shared_ptr<SimObject> last = std::move(selfWhileHeld_);
    // `last` may be the final owner: nothing of this object is touched after it goes.
  }
}

void SimObject::forEachObject(const std::function<void(SimObject&)>& f) {
  std::vector<SimObject*> all;
  for (auto& entry : registry().objects) all.push_back(entry.second);
  for (SimObject* object : all) f(*object);
}

}  // namespace fsim
