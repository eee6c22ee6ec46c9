// A fake host object for header-only tests: counts its references the way the host does (it
// starts with none held outside) and counts the interface queries it answers.
#pragma once

#include <Core/Base.h>

namespace hosttest {

/// Wraps an API class; the test implements that class's _raw members in a further subclass.
template <class Api>
class CountedFake : public Api {
 public:
  void addref() override { ++references; }
  void release() override { --references; }
  int refcount() const override { return references; }
  bool isValid() const override { return true; }
  void* queryInterface(const char* id) const override {
    ++queries;
    return Api::queryInterface(id);
  }

  /// Hands out a counted pointer, as a _raw member returning an object does.
  template <class T>
  T* handOut() {
    addref();
    return this;
  }

  int references = 0;
  mutable int queries = 0;
};

}  // namespace hosttest
