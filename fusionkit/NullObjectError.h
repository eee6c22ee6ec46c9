// The error for a host object that the add-in needs but the host did not give: a null Ptr where
// an object must be. Every host-touching part of the add-in raises it, and its text is the one
// the host's own Ptr gives on a null dereference, so the user sees the same words either way.
#pragma once

#include <exception>

// hv::f360: helpers for any add-in of the Fusion 360 host, free of Vintrel's own choices.
namespace hv {
namespace f360 {

/// A standard exception without a message of its own; what() reads "Unknown exception".
class NullObjectError : public std::exception {
 public:
  const char* what() const noexcept override { return "Unknown exception"; }
};

/// Throws NullObjectError when `object` (a host Ptr, or anything testable as a bool) is null.
template <class Pointer>
void throwIfNull(const Pointer& object) {
  if (!object) throw NullObjectError();
}

}  // namespace f360
}  // namespace hv
