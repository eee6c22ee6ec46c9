// A colour with opacity, components 0 to 255. Used to build the colour effects of custom graphics.
#pragma once

#include "../Base.h"

namespace adsk {
namespace core {

// The static creators live in the host library.
#ifdef XINTERFACE_EXPORTS
#define ADSK_CORE_COLOR_API XI_EXPORT
#else
#define ADSK_CORE_COLOR_API XI_IMPORT
#endif

class Color : public Base {
 public:
  /// A new colour; null on failure (e.g. a component outside 0..255).
  static Ptr<Color> create(short red, short green, short blue, short opacity);

  /// The red component, 0..255.
  short red() const;

  /// The green component, 0..255.
  short green() const;

  /// The blue component, 0..255.
  short blue() const;

  /// The opacity, 0 (transparent) to 255 (opaque).
  short opacity() const;

  /// All four components at once; true on success.
  bool getColor(short& red, short& green, short& blue, short& opacity) const;

  /// Sets all four components; false on failure.
  bool setColor(short red, short green, short blue, short opacity);

  static const char* classType() { return "adsk::core::Color"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Color*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  ADSK_CORE_COLOR_API static Color* create_raw(short red, short green, short blue, short opacity);
  virtual short red_raw() const = 0;
  virtual short green_raw() const = 0;
  virtual short blue_raw() const = 0;
  virtual short opacity_raw() const = 0;
  virtual bool getColor_raw(short& red, short& green, short& blue, short& opacity) const = 0;
  virtual bool setColor_raw(short red, short green, short blue, short opacity) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Color> Color::create(short red, short green, short blue, short opacity) {
  Ptr<Color> res = create_raw(red, green, blue, opacity);
  return res;
}

inline short Color::red() const { return red_raw(); }

inline short Color::green() const { return green_raw(); }

inline short Color::blue() const { return blue_raw(); }

inline short Color::opacity() const { return opacity_raw(); }

inline bool Color::getColor(short& red, short& green, short& blue, short& opacity) const {
  return getColor_raw(red, green, blue, opacity);
}

inline bool Color::setColor(short red, short green, short blue, short opacity) {
  return setColor_raw(red, green, blue, opacity);
}

}  // namespace core
}  // namespace adsk

#undef ADSK_CORE_COLOR_API
