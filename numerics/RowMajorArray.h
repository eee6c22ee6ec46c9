// A two-dimensional table of reals stored row after row in one block. BasisFunction keeps its
// Cox-de Boor triangle in one; the curve fitter keeps its block of right-hand sides in another.
#pragma once

#include <cstddef>
#include <vector>

namespace num {

template <typename Real>
class RowMajorArray {
 public:
  /// An empty table (no rows, no columns).
  RowMajorArray() = default;

  /// A zero-filled table of `rowCount` rows of `columnCount` values each.
  RowMajorArray(std::size_t columnCount, std::size_t rowCount)
      : columnCount_(columnCount), rowCount_(rowCount), values_(columnCount * rowCount) {
    rowStarts_.reserve(rowCount);
    for (std::size_t row = 0; row < rowCount; ++row) rowStarts_.push_back(row * columnCount);
  }

  std::size_t ColumnCount() const { return columnCount_; }
  std::size_t RowCount() const { return rowCount_; }

  /// Entry (row, column); both must be in range (not checked).
  Real& operator()(std::size_t row, std::size_t column) {
    return values_[rowStarts_[row] + column];
  }
  const Real& operator()(std::size_t row, std::size_t column) const {
    return values_[rowStarts_[row] + column];
  }

  /// The first of the row's `ColumnCount()` contiguous values.
  Real* Row(std::size_t row) { return values_.data() + rowStarts_[row]; }
  const Real* Row(std::size_t row) const { return values_.data() + rowStarts_[row]; }

  /// The whole block, rows × columns values, row after row.
  Real* Data() { return values_.data(); }
  const Real* Data() const { return values_.data(); }

 private:
  std::size_t columnCount_ = 0;
  std::size_t rowCount_ = 0;
  std::vector<Real> values_;
  // Offsets rather than pointers, so that copies and moves stay valid.
  std::vector<std::size_t> rowStarts_;
};

}  // namespace num
