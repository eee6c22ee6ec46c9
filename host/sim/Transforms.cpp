// Transform arithmetic of the simulated host.
#include "host/sim/Transforms.h"

#include <cmath>
#include <utility>

namespace fsim {

namespace {

double& cell(Transform& m, int row, int column) { return m[4 * row + column]; }
double cell(const Transform& m, int row, int column) { return m[4 * row + column]; }

}  // namespace

Transform identityTransform() {
  Transform m{};
  for (int i = 0; i < 4; ++i) cell(m, i, i) = 1;
  return m;
}

Transform composed(const Transform& first, const Transform& second) {
  Transform product{};
  for (int row = 0; row < 4; ++row) {
    for (int column = 0; column < 4; ++column) {
      double sum = 0;
      for (int k = 0; k < 4; ++k) sum += cell(second, row, k) * cell(first, k, column);
      cell(product, row, column) = sum;
    }
  }
  return product;
}

// Gauss-Jordan elimination with partial pivoting on [m | I].
bool inverted(const Transform& transform, Transform& inverse) {
  Transform m = transform;
  Transform result = identityTransform();
  for (int column = 0; column < 4; ++column) {
    int pivot = column;
    for (int row = column + 1; row < 4; ++row) {
      if (std::abs(cell(m, row, column)) > std::abs(cell(m, pivot, column))) pivot = row;
    }
    const double p = cell(m, pivot, column);
    if (!std::isfinite(p) || std::abs(p) < 1e-300) return false;
    for (int k = 0; k < 4; ++k) {
      std::swap(cell(m, pivot, k), cell(m, column, k));
      std::swap(cell(result, pivot, k), cell(result, column, k));
    }
    for (int k = 0; k < 4; ++k) {
      cell(m, column, k) /= p;
      cell(result, column, k) /= p;
    }
    for (int row = 0; row < 4; ++row) {
      if (row == column) continue;
      const double factor = cell(m, row, column);
      for (int k = 0; k < 4; ++k) {
        cell(m, row, k) -= factor * cell(m, column, k);
        cell(result, row, k) -= factor * cell(result, column, k);
      }
    }
  }
  for (double value : result) {
    if (!std::isfinite(value)) return false;
  }
  inverse = result;
  return true;
}

std::array<double, 3> transformedPoint(const Transform& transform,
                                       const std::array<double, 3>& point) {
  std::array<double, 3> result{};
  for (int row = 0; row < 3; ++row) {
    result[row] = cell(transform, row, 0) * point[0] + cell(transform, row, 1) * point[1] +
                  cell(transform, row, 2) * point[2] + cell(transform, row, 3);
  }
  return result;
}

NurbsData transformedCurve(const NurbsData& curve, const Transform& transform) {
  NurbsData result = curve;
  for (auto& point : result.controlPoints) point = transformedPoint(transform, point);
  return result;
}

}  // namespace fsim
