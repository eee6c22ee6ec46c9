// The base of everything in a sketch: its sketch, the attributes add-ins keep on it, whether it
// is linked to the add-in that made it, and the token that names it. It keeps the curves' place
// in the interface chain.
#pragma once

#include <string>

#include "../../Core/Application/Attributes.h"
#include "../../Core/Base.h"

namespace adsk {
namespace fusion {

class Sketch;

class SketchEntity : public core::Base {
 public:
  /// The sketch the entity belongs to.
  core::Ptr<Sketch> parentSketch() const;

  /// The attributes kept on the entity.
  core::Ptr<core::Attributes> attributes() const;

  /// Whether the entity was made by an add-in and is still linked to it (the user sees it as
  /// not editable, with a "break link" command).
  bool isLinked() const;

  /// A text that Design::findEntityByToken turns back into this entity, empty on failure. The
  /// host may give one entity different tokens over time.
  std::string entityToken() const;

  static const char* classType() { return "adsk::fusion::SketchEntity"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<SketchEntity*>(this)
                                               : core::Base::queryInterface(id);
  }

 private:
  virtual Sketch* parentSketch_raw() const = 0;
  virtual core::Attributes* attributes_raw() const = 0;
  virtual bool isLinked_raw() const = 0;
  virtual char* entityToken_raw() const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<Sketch> SketchEntity::parentSketch() const {
  core::Ptr<Sketch> res = parentSketch_raw();
  return res;
}

inline core::Ptr<core::Attributes> SketchEntity::attributes() const {
  core::Ptr<core::Attributes> res = attributes_raw();
  return res;
}

inline bool SketchEntity::isLinked() const { return isLinked_raw(); }

inline std::string SketchEntity::entityToken() const {
  std::string res;
  char* p = entityToken_raw();
  if (p) {
    res = p;
    core::DeallocateArray(p);
  }
  return res;
}

}  // namespace fusion
}  // namespace adsk
