// Joins an API class to the host's bookkeeping: Sim<Api> implements the ReferenceCounted and Base
// members of every simulated object so that each concrete class only implements its `_raw`
// members. The API class stays the first base, so its subobject sits at the object's address as
// Ptr's reference counting and interface queries require. handOutAs serves the members that
// return an object known to them only as a SimObject (a parent, a sender, an input).
#pragma once

#include <Core/Base.h>

#include "host/sim/FaultTable.h"
#include "host/sim/Host.h"
#include "host/sim/SimObject.h"

namespace fsim {

template <class Api>
class Sim : public Api, public SimObject {
 public:
  void addref() override { addOutsideReference(); }
  void release() override { releaseOutsideReference(); }
  int refcount() const override { return outsideReferences(); }
  bool isValid() const override { return alive(); }
  const char* typeName() const override { return this->objectType(); }
  adsk::core::Base* api() override { return this; }

 protected:
  /// Counts a call of `operation` and answers whether it must fail: an injected fault, or an
  /// object no longer in the model. Every `_raw` member starts with it.
  bool refused(const char* operation) const {
    if (operationFails(operation)) return true;
    if (alive()) return false;
    if (Host* host = Host::current()) host->recordFailure(operation);
    return true;
  }
};

/// Hands out an object the caller knows only by its bookkeeping half, as the API interface T that
/// a `_raw` member returns: adds one outside reference and answers the T within the object. Null
/// in, null out.
template <class T = adsk::core::Base>
T* handOutAs(SimObject* object) {
  if (!object) return nullptr;
  object->addOutsideReference();
  return object->api()->template query<T>();
}

}  // namespace fsim
