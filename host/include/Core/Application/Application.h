// The application object: the add-in's entry into the host, from which it reaches the user
// interface, the active product and edit object, and the active viewport.
#pragma once

#include <string>

#include "../Base.h"

namespace adsk {
namespace core {

class UserInterface;
class Product;
class Viewport;

// The static creators live in the host library.
#ifdef XINTERFACE_EXPORTS
#define ADSK_CORE_APPLICATION_API XI_EXPORT
#else
#define ADSK_CORE_APPLICATION_API XI_IMPORT
#endif

class Application : public Base {
 public:
  /// The application; null if it could not be obtained.
  static Ptr<Application> get();

  /// The user interface.
  Ptr<UserInterface> userInterface() const;

  /// The active document's product (a Design when modelling); null when there is none.
  Ptr<Product> activeProduct() const;

  /// What is being edited: a Sketch while a sketch is edited, otherwise e.g. the root Component.
  Ptr<Base> activeEditObject() const;

  /// The viewport the user works in.
  Ptr<Viewport> activeViewport() const;

  /// The code of the last failed call, 0 if none; its text goes to description when given.
  int getLastError(std::string* description = nullptr) const;

  static const char* classType() { return "adsk::core::Application"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Application*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  ADSK_CORE_APPLICATION_API static Application* get_raw();
  virtual UserInterface* userInterface_raw() const = 0;
  virtual Product* activeProduct_raw() const = 0;
  virtual Base* activeEditObject_raw() const = 0;
  virtual Viewport* activeViewport_raw() const = 0;
  // description is null when the caller does not want the text.
  virtual int getLastError_raw(char** description) const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Application> Application::get() {
  Ptr<Application> res = get_raw();
  return res;
}

inline Ptr<UserInterface> Application::userInterface() const {
  Ptr<UserInterface> res = userInterface_raw();
  return res;
}

inline Ptr<Product> Application::activeProduct() const {
  Ptr<Product> res = activeProduct_raw();
  return res;
}

inline Ptr<Base> Application::activeEditObject() const {
  Ptr<Base> res = activeEditObject_raw();
  return res;
}

inline Ptr<Viewport> Application::activeViewport() const {
  Ptr<Viewport> res = activeViewport_raw();
  return res;
}

inline int Application::getLastError(std::string* description) const {
  char* p = nullptr;
  int res = getLastError_raw(description ? &p : nullptr);
  if (p) {
    *description = p;
    DeallocateArray(p);
  }
  return res;
}

}  // namespace core
}  // namespace adsk

#undef ADSK_CORE_APPLICATION_API
