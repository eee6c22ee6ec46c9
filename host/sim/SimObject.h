// The bookkeeping half of every simulated host object: the references that Ptrs outside the host
// hold on it, whether the model still contains it, and the process-wide registry from which the
// driver lists what is still held. Sim<Api> (Sim.h) joins it to an API class.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace adsk {
namespace core {
class Base;
}
}  // namespace adsk

namespace fsim {

/// Host-side state of one simulated API object. The host owns model objects through
/// std::shared_ptr; every outside reference (addref) additionally keeps the object alive, so an
/// object deleted from the model lives on, invalid, until the last outside reference goes.
/// Objects must be created with std::make_shared.
class SimObject : public std::enable_shared_from_this<SimObject> {
 public:
  SimObject(const SimObject&) = delete;
  SimObject& operator=(const SimObject&) = delete;
  virtual ~SimObject();

  /// The API object's objectType(), e.g. "adsk::core::Application".
  virtual const char* typeName() const = 0;
  /// The object as the API sees it.
  virtual adsk::core::Base* api() = 0;

  /// One more reference held outside the host.
  void addOutsideReference();
  /// One outside reference fewer; the object may be destroyed on return. Releasing an object
  /// that has no outside reference is a fault of the caller: it is reported and aborts.
  void releaseOutsideReference();
  int outsideReferences() const { return references_; }

  /// False once the object was deleted from the model (or its session ended).
  bool alive() const { return !deleted_; }
  /// Takes the object out of the model; overrides also delete what the object contains.
  virtual void markDeleted() { deleted_ = true; }

  /// Calls f for every existing simulated object, oldest first.
  static void forEachObject(const std::function<void(SimObject&)>& f);

 protected:
  SimObject();

 private:
  int references_ = 0;
  bool deleted_ = false;
  std::uint64_t serial_;
  std::shared_ptr<SimObject> selfWhileHeld_;
};

/// Hands an object out to a caller outside the host: adds one outside reference and answers
/// the API pointer that a `_raw` member returns. Null in, null out.
template <class T>
T* handOut(const std::shared_ptr<T>& object) {
  if (!object) return nullptr;
  object->addOutsideReference();
  return object.get();
}

}  // namespace fsim
