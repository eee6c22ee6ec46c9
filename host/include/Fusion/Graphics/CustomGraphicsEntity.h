// The base of custom graphics: identity, deletion, visibility, selectability and colour. Groups
// and curves inherit these.
#pragma once

#include <string>

#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class CustomGraphicsColorEffect;

class CustomGraphicsEntity : public core::Base {
 public:
  /// The ID the API gave the entity; empty until set.
  std::string id() const;

  /// Sets the ID; false on failure.
  bool id(const std::string& value);

  /// Deletes the entity (a group with its content); true on success.
  bool deleteMe();

  /// Whether the entity is drawn (default true).
  bool isVisible() const;

  /// Shows or hides the entity; false on failure.
  bool isVisible(bool value);

  /// Whether the user can select the entity (default true).
  bool isSelectable() const;

  /// Makes the entity selectable or not; false on failure.
  bool isSelectable(bool value);

  /// The colour effect; null if none is set.
  core::Ptr<CustomGraphicsColorEffect> color() const;

  /// Sets the colour effect; false on failure.
  bool color(const core::Ptr<CustomGraphicsColorEffect>& value);

  /// Sets the opacity, 0 to 1; false on failure.
  bool setOpacity(double opacity, bool isOverride);

  /// The drawing priority among overlapping graphics.
  int depthPriority() const;

  /// Sets the drawing priority; false on failure.
  bool depthPriority(int value);

  /// The entity's name.
  std::string name() const;

  /// The group or component that holds the entity.
  core::Ptr<core::Base> parent() const;

  static const char* classType() { return "adsk::fusion::CustomGraphicsEntity"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CustomGraphicsEntity*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual char* id_raw() const = 0;
  virtual bool id_raw(const char* value) = 0;
  virtual bool deleteMe_raw() = 0;
  virtual bool isVisible_raw() const = 0;
  virtual bool isVisible_raw(bool value) = 0;
  virtual bool isSelectable_raw() const = 0;
  virtual bool isSelectable_raw(bool value) = 0;
  virtual CustomGraphicsColorEffect* color_raw() const = 0;
  virtual bool color_raw(CustomGraphicsColorEffect* value) = 0;
  virtual bool setOpacity_raw(double opacity, bool isOverride) = 0;
  virtual int depthPriority_raw() const = 0;
  virtual bool depthPriority_raw(int value) = 0;
  virtual char* name_raw() const = 0;
  virtual core::Base* parent_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline std::string CustomGraphicsEntity::id() const {
  std::string res;
  char* p = id_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

inline bool CustomGraphicsEntity::id(const std::string& value) { return id_raw(value.c_str()); }

inline bool CustomGraphicsEntity::deleteMe() { return deleteMe_raw(); }

inline bool CustomGraphicsEntity::isVisible() const { return isVisible_raw(); }

inline bool CustomGraphicsEntity::isVisible(bool value) { return isVisible_raw(value); }

inline bool CustomGraphicsEntity::isSelectable() const { return isSelectable_raw(); }

inline bool CustomGraphicsEntity::isSelectable(bool value) { return isSelectable_raw(value); }

inline core::Ptr<CustomGraphicsColorEffect> CustomGraphicsEntity::color() const {
  core::Ptr<CustomGraphicsColorEffect> res = color_raw();
  return res;
}

inline bool CustomGraphicsEntity::color(const core::Ptr<CustomGraphicsColorEffect>& value) {
  return color_raw(value.get());
}

inline bool CustomGraphicsEntity::setOpacity(double opacity, bool isOverride) {
  return setOpacity_raw(opacity, isOverride);
}

inline int CustomGraphicsEntity::depthPriority() const { return depthPriority_raw(); }

inline bool CustomGraphicsEntity::depthPriority(int value) { return depthPriority_raw(value); }

inline std::string CustomGraphicsEntity::name() const {
  std::string res;
  char* p = name_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

inline core::Ptr<core::Base> CustomGraphicsEntity::parent() const {
  core::Ptr<core::Base> res = parent_raw();
  return res;
}

}  // namespace fusion
}  // namespace adsk
