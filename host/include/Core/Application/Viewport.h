// A view onto the model. Add-ins refresh it after changing custom graphics so that the change is
// drawn at once.
#pragma once

#include "../Base.h"

namespace adsk {
namespace core {

class Viewport : public Base {
 public:
  /// Redraws the view; true on success.
  bool refresh() const;

  static const char* classType() { return "adsk::core::Viewport"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Viewport*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  virtual bool refresh_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline bool Viewport::refresh() const { return refresh_raw(); }

}  // namespace core
}  // namespace adsk
