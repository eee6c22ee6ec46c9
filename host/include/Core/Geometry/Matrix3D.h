// A transient 4 x 4 homogeneous transform of model space: rotation and translation of points
// written as columns (x, y, z, 1), so the translation sits in column 3. A sketch's transform is
// one; add-ins read it to carry sketch coordinates into model space.
#pragma once

#include <vector>

#include "../Base.h"

namespace adsk {
namespace core {

// The static creators live in the host library.
#ifdef XINTERFACE_EXPORTS
#define ADSK_CORE_MATRIX3D_API XI_EXPORT
#else
#define ADSK_CORE_MATRIX3D_API XI_IMPORT
#endif

class Matrix3D : public Base {
 public:
  /// A new identity matrix; null on failure.
  static Ptr<Matrix3D> create();

  /// Inverts the matrix in place; false when it has no inverse.
  bool invert();

  /// An independent copy.
  Ptr<Matrix3D> copy() const;

  /// Makes this matrix `matrix` applied after it (matrix times this); false on failure.
  bool transformBy(const Ptr<Matrix3D>& matrix);

  /// The cell in row, column (0 ... 3 each).
  double getCell(int row, int column) const;

  /// Sets the cell in row, column (0 ... 3 each); false on failure.
  bool setCell(int row, int column, double value);

  /// The 16 cells row after row: the translation is at 3, 7 and 11.
  std::vector<double> asArray() const;

  /// Sets all 16 cells, row after row; false unless exactly 16 are given.
  bool setWithArray(const std::vector<double>& cells);

  static const char* classType() { return "adsk::core::Matrix3D"; }
  static const char* interfaceId() { return classType(); }
  const char* objectType() const override { return classType(); }
  void* queryInterface(const char* id) const override {
    return std::strcmp(id, interfaceId()) == 0 ? const_cast<Matrix3D*>(this)
                                               : Base::queryInterface(id);
  }

 private:
  ADSK_CORE_MATRIX3D_API static Matrix3D* create_raw();
  virtual bool invert_raw() = 0;
  virtual Matrix3D* copy_raw() const = 0;
  virtual bool transformBy_raw(Matrix3D* matrix) = 0;
  virtual double getCell_raw(int row, int column) const = 0;
  virtual bool setCell_raw(int row, int column, double value) = 0;
  virtual double* asArray_raw(size_t& return_size) const = 0;
  virtual bool setWithArray_raw(const double* cells, size_t cells_size) = 0;
};

// Inline wrappers ----------------------------------------------------------------------

inline Ptr<Matrix3D> Matrix3D::create() {
  Ptr<Matrix3D> res = create_raw();
  return res;
}

inline bool Matrix3D::invert() { return invert_raw(); }

inline Ptr<Matrix3D> Matrix3D::copy() const {
  Ptr<Matrix3D> res = copy_raw();
  return res;
}

inline bool Matrix3D::transformBy(const Ptr<Matrix3D>& matrix) {
  return transformBy_raw(matrix.get());
}

inline double Matrix3D::getCell(int row, int column) const { return getCell_raw(row, column); }

inline bool Matrix3D::setCell(int row, int column, double value) {
  return setCell_raw(row, column, value);
}

inline std::vector<double> Matrix3D::asArray() const {
  std::vector<double> res;
  size_t returnSize = 0;
  double* p = asArray_raw(returnSize);
  if (p) {
    res.assign(p, p + returnSize);
    DeallocateArray(p);
  }
  return res;
}

inline bool Matrix3D::setWithArray(const std::vector<double>& cells) {
  return setWithArray_raw(cells.data(), cells.size());
}

}  // namespace core
}  // namespace adsk
