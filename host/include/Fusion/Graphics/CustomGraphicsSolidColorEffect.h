// A single unlit colour for custom graphics; the colour's opacity is ignored (opacity is set on
// the entity).
#pragma once

#include "CustomGraphicsColorEffect.h"

namespace adsk {
namespace core {
class Color;
}  // namespace core

namespace fusion {

// The static creators live in the host library.
#ifdef FUSIONXINTERFACE_EXPORTS
#define ADSK_FUSION_CUSTOMGRAPHICSSOLIDCOLOREFFECT_API XI_EXPORT
#else
#define ADSK_FUSION_CUSTOMGRAPHICSSOLIDCOLOREFFECT_API XI_IMPORT
#endif

class CustomGraphicsSolidColorEffect : public CustomGraphicsColorEffect {
 public:
  /// A new effect of this colour; null on failure.
  static core::Ptr<CustomGraphicsSolidColorEffect> create(const core::Ptr<core::Color>& color);

  /// The colour.
  core::Ptr<core::Color> color() const;

  /// Sets the colour; false on failure.
  bool color(const core::Ptr<core::Color>& value);

  static const char* classType() { return "adsk::fusion::CustomGraphicsSolidColorEffect"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<CustomGraphicsSolidColorEffect*>(this)
                                               : CustomGraphicsColorEffect::queryInterface(id);
  }

 private:
  ADSK_FUSION_CUSTOMGRAPHICSSOLIDCOLOREFFECT_API static CustomGraphicsSolidColorEffect* create_raw(
      core::Color* color);
  virtual core::Color* color_raw() const = 0;
  virtual bool color_raw(core::Color* value) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline core::Ptr<CustomGraphicsSolidColorEffect> CustomGraphicsSolidColorEffect::create(
    const core::Ptr<core::Color>& color) {
  core::Ptr<CustomGraphicsSolidColorEffect> res = create_raw(color.get());
  return res;
}

inline core::Ptr<core::Color> CustomGraphicsSolidColorEffect::color() const {
  core::Ptr<core::Color> res = color_raw();
  return res;
}

inline bool CustomGraphicsSolidColorEffect::color(const core::Ptr<core::Color>& value) {
  return color_raw(value.get());
}

}  // namespace fusion
}  // namespace adsk

#undef ADSK_FUSION_CUSTOMGRAPHICSSOLIDCOLOREFFECT_API
