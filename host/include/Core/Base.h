// The root of every host API class: type names, interface queries and the casts built on them.
// Add-ins reach these through Ptr's casting constructor or Base::cast; the simulated host's
// objects derive from the API classes and count their references themselves.
//
// For the host's implementers: each public member of an API class is an inline wrapper around a
// private pure virtual `_raw` member (statics: an exported static `_raw` function). A `_raw`
// member returns objects with one reference already added for the caller, texts and arrays as
// buffers the host allocated (the wrapper copies them and frees them with
// DeallocateArrayInternal; a null text reads as empty), and takes objects as raw pointers that it
// must addref itself if it keeps them.
#pragma once

#include <cstring>

#include "Memory.h"
#include "OSMacros.h"

namespace adsk {
namespace core {

/// Every API class continues a single-inheritance chain from Base, so that the first subobject
/// of each host object is its ReferenceCounted part and an interface query can answer with the
/// address of the requested class within the object.
class Base : public ReferenceCounted {
 public:
  static const char* classType() { return "adsk::core::Base"; }
  static const char* interfaceId() { return classType(); }

  /// The most-derived API class, e.g. "adsk::fusion::Design".
  virtual const char* objectType() const = 0;

  /// False once the host deleted or invalidated the object.
  virtual bool isValid() const = 0;

  /// This object as a T, with a reference of its own; null if it is no T.
  template <class T>
  Ptr<T> cast() const {
    T* pT = query<T>();
    return Ptr<T>(pT, false);
  }

  /// This object as a T, without a reference; null if it is no T.
  template <class T>
  T* query() const {
    return static_cast<T*>(this->queryInterface(T::interfaceId()));
  }

 protected:
  Base() {}
  virtual ~Base() {}

  /// The address of the interface named interfaceId within this object, or null. Each API class
  /// answers for its own name and passes other names up the chain.
  virtual void* queryInterface(const char* interfaceId) const {
    return std::strcmp(interfaceId, Base::interfaceId()) == 0 ? const_cast<Base*>(this) : nullptr;
  }
};

}  // namespace core
}  // namespace adsk
