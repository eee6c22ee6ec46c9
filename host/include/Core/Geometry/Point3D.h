// A transient point in model space (internal units, cm). Add-ins create points to hand control
// points and positions to the host.
#pragma once

#include <vector>

#include "../Base.h"

namespace adsk {
namespace core {

// The static creators live in the host library.
#ifdef XINTERFACE_EXPORTS
#define ADSK_CORE_POINT3D_API XI_EXPORT
#else
#define ADSK_CORE_POINT3D_API XI_IMPORT
#endif

class Point3D : public Base {
 public:
  /// A new point; null on failure.
  static Ptr<Point3D> create(double x = 0.0, double y = 0.0, double z = 0.0);

  /// The x coordinate.
  double x() const;

  /// Sets the x coordinate; false on failure.
  bool x(double value);

  /// The y coordinate.
  double y() const;

  /// Sets the y coordinate; false on failure.
  bool y(double value);

  /// The z coordinate.
  double z() const;

  /// Sets the z coordinate; false on failure.
  bool z(double value);

  /// All three coordinates; true on success.
  bool getData(double& x, double& y, double& z) const;

  /// Sets all three coordinates; false on failure.
  bool set(double x, double y, double z);

  /// The coordinates as 3 doubles x y z.
  std::vector<double> asArray() const;

  /// An independent copy.
  Ptr<Point3D> copy() const;

  /// The distance to point.
  double distanceTo(const Ptr<Point3D>& point) const;

  static const char* classType() { return "adsk::core::Point3D"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Point3D*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  ADSK_CORE_POINT3D_API static Point3D* create_raw(double x, double y, double z);
  virtual double x_raw() const = 0;
  virtual bool x_raw(double value) = 0;
  virtual double y_raw() const = 0;
  virtual bool y_raw(double value) = 0;
  virtual double z_raw() const = 0;
  virtual bool z_raw(double value) = 0;
  virtual bool getData_raw(double& x, double& y, double& z) const = 0;
  virtual bool set_raw(double x, double y, double z) = 0;
  virtual double* asArray_raw(size_t& return_size) const = 0;
  virtual Point3D* copy_raw() const = 0;
  virtual double distanceTo_raw(Point3D* point) const = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Point3D> Point3D::create(double x, double y, double z) {
  Ptr<Point3D> res = create_raw(x, y, z);
  return res;
}

inline double Point3D::x() const { return x_raw(); }

inline bool Point3D::x(double value) { return x_raw(value); }

inline double Point3D::y() const { return y_raw(); }

inline bool Point3D::y(double value) { return y_raw(value); }

inline double Point3D::z() const { return z_raw(); }

inline bool Point3D::z(double value) { return z_raw(value); }

inline bool Point3D::getData(double& x, double& y, double& z) const { return getData_raw(x, y, z); }

inline bool Point3D::set(double x, double y, double z) { return set_raw(x, y, z); }

inline std::vector<double> Point3D::asArray() const {
  std::vector<double> res;
  size_t returnSize = 0;
  double* p = asArray_raw(returnSize);
  if (p) {
    res.assign(p, p + returnSize);
    DeallocateArray(p);
  }
  return res;
}

inline Ptr<Point3D> Point3D::copy() const {
  Ptr<Point3D> res = copy_raw();
  return res;
}

inline double Point3D::distanceTo(const Ptr<Point3D>& point) const {
  return distanceTo_raw(point.get());
}

}  // namespace core
}  // namespace adsk

#undef ADSK_CORE_POINT3D_API
