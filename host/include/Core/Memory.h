// Reference counting for host objects: the ReferenceCounted interface every API class starts
// with, and Ptr, the smart pointer through which add-ins hold host objects. Ptr adopts the
// references that the host hands out, converts between interfaces by interface query, and
// throws when a null pointer is dereferenced.
#pragma once

#include <cassert>
#include <cstddef>
#include <exception>
#include <functional>

#include "Deallocator.h"

namespace adsk {
namespace core {

/// The counting interface at the start of every host object; the host decides when an object
/// goes away once its count drops.
class ReferenceCounted {
 public:
  virtual void addref() = 0;
  virtual void release() = 0;
  virtual int refcount() const = 0;
};

/// Counting policy that works on incomplete types: it reaches the counter through the
/// ReferenceCounted subobject, which every API class places first.
class IncompleteType {
 public:
  template <typename T>
  static void addref(void* ptr) {
    reinterpret_cast<ReferenceCounted*>(ptr)->addref();
  }
  template <typename T>
  static void release(void* ptr) {
    reinterpret_cast<ReferenceCounted*>(ptr)->release();
  }
};

/// Counting policy for complete types: calls the object's own members.
class CompleteType {
 public:
  template <typename T>
  static void addref(T* ptr) {
    ptr->addref();
  }
  template <typename T>
  static void release(T* ptr) {
    ptr->release();
  }
};

/// Owns one reference to a host object, or nothing (null; null also means "failed" or "not
/// found" for every host result). Copies add a reference, destruction releases it. Building or
/// assigning a Ptr<T> from a Ptr of another type queries the object for T: a failed query gives
/// null, never an exception, and a successful one adds a reference of its own.
/// The host's Ptr can also iterate a collection (begin()/end()); the stand-in leaves that out, so
/// add-ins walk collections by count() and item(i).
template <class T, class PT = IncompleteType>
class Ptr {
 public:
  typedef T element_type;

  /// Null.
  Ptr() : ptr_(nullptr) {}
  /// Shares rhs's object (adds a reference).
  Ptr(const Ptr& rhs) : ptr_(nullptr) { reset(rhs.ptr_, false); }
  /// attach = true adopts the reference the caller holds (host results arrive already counted);
  /// attach = false adds a reference of its own.
  Ptr(const T* ptr, bool attach = true) : ptr_(nullptr) { reset(ptr, attach); }
  /// Interface query for T on rhs's object; null when rhs is null or the object is no T.
  template <class V, class VPT>
  Ptr(const Ptr<V, VPT>& rhs) : ptr_(nullptr) {
    if (rhs) reset(rhs->template query<T>(), false);
  }
  ~Ptr() { reset(nullptr); }

  void operator=(const Ptr<T, PT>& rhs) { reset(rhs.ptr_, false); }
  /// Adopts ptr's reference; `p = nullptr` releases.
  void operator=(const T* ptr) { reset(ptr, true); }
  /// Interface query for T, as the casting constructor; a null rhs makes this null.
  template <class V, class VPT>
  void operator=(const Ptr<V, VPT>& rhs) {
    if (rhs)
      reset(rhs->template query<T>(), false);
    else
      reset(nullptr);
  }

  /// Replaces the held object; attach = false adds a reference to the new one.
  void reset(const T* ptr, bool attach = false) {
    // Count the new object before releasing the old one: they may be the same.
    T* old = ptr_;
    ptr_ = const_cast<T*>(ptr);
    if (ptr_ && !attach) PT::template addref<T>(ptr_);
    if (old) PT::template release<T>(old);
  }

  /// Null: fails the assertion (aborts in builds without NDEBUG), then throws a plain
  /// std::exception, whose what() text differs between standard libraries.
  T* operator->() const {
    if (!ptr_) {
      assert(ptr_ != nullptr);
      throw std::exception();
    }
    return ptr_;
  }

  operator bool() const { return ptr_ != nullptr; }

  template <class V, class VPT>
  bool operator==(const Ptr<V, VPT>& rhs) const {
    return ptr_ == rhs.get();
  }
  template <class V, class VPT>
  bool operator!=(const Ptr<V, VPT>& rhs) const {
    return ptr_ != rhs.get();
  }
  template <class V, class VPT>
  bool operator<(const Ptr<V, VPT>& rhs) const {
    return std::less<const void*>()(ptr_, rhs.get());
  }
  bool operator==(std::nullptr_t) const { return ptr_ == nullptr; }
  bool operator!=(std::nullptr_t) const { return ptr_ != nullptr; }
  bool operator<(std::nullptr_t) const { return std::less<const T*>()(ptr_, nullptr); }

  /// The raw pointer, without a reference of its own.
  T* get() const { return ptr_; }
  /// The raw pointer with an added reference, for the caller to release.
  T* getCopy() const {
    if (ptr_) PT::template addref<T>(ptr_);
    return ptr_;
  }
  /// Gives up ownership without releasing; the caller now holds the reference.
  T* detach() {
    T* p = ptr_;
    ptr_ = nullptr;
    return p;
  }

 private:
  T* ptr_;
};

}  // namespace core
}  // namespace adsk
