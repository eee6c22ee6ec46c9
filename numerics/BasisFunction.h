// The B-spline basis functions of one knot vector: set up once with Create, then evaluated at any
// parameter. The curve fitter owns one with a clamped uniform knot vector, evaluates it at every
// sample and fitted point, and its callers read the knot vector to hand the spline on.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "numerics/BasisSetup.h"
#include "numerics/DiagnosticReport.h"
#include "numerics/DistinctKnot.h"
#include "numerics/RowMajorArray.h"

namespace num {

template <typename Real>
class BasisFunction {
 public:
  /// A basis that is not created: evaluation yields the empty range -1..-1, values are 0.
  BasisFunction() = default;

  /// Sets the basis up from `input`. Succeeds at most once per object; every rejected input
  /// (bad counts, degree, knot order or multiplicities, multiplicities that do not add up to the
  /// knot count) is an error report after which the object stays not created.
  void Create(const BasisSetup<Real>& input);

  /// True after a successful Create.
  bool IsCreated() const { return created_; }
  /// The control count: the input's, plus `degree` for a periodic basis.
  int ControlPointCount() const { return controlPointCount_; }
  int Degree() const { return degree_; }
  Real DomainMin() const { return domainMin_; }
  Real DomainMax() const { return domainMax_; }

  /// The full knot vector, ControlPointCount() + Degree() + 1 values (empty if not created).
  const std::vector<Real>& KnotVector() const { return knots_; }

  /// Returns the knot span i with knots[i] <= t < knots[i + 1], in [degree, controlPointCount -
  /// 1], after moving t into the domain (wrapping it when periodic, clamping it otherwise). A t
  /// that fits no span (not a number) is an error report; t then becomes the domain's minimum
  /// and the answer is the degree.
  int GetIndex(Real& t) const;

  /// Evaluates the degree + 1 basis functions that may be non-zero at t (clamped or wrapped into
  /// the domain) and writes their first and last index to imin and imax; on a basis that is not
  /// created both become -1. Overwrites the object's scratch table and allocates nothing, so one
  /// thread at a time per object.
  void EvaluateBasis(Real t, int& imin, int& imax);

  /// The value of basis function i from the last EvaluateBasis, meaningful for imin <= i <= imax.
  /// Returns 0 when not created, and 0 with an error report when i is outside [0,
  /// controlPointCount + degree).
  Real GetValue(int i) const;

 private:
  static void ReportErrorAt(const char* function, int line, const char* message) {
    DiagnosticReport(__FILE__, function, line, message).ReportError();
  }
  bool AcceptsSetup(const BasisSetup<Real>& input);
  void BuildKnotVector();

  int controlPointCount_ = 0;
  int degree_ = 0;
  Real domainMin_ = 0;
  Real domainMax_ = 0;
  Real domainLength_ = 0;
  bool uniform_ = false;
  bool periodic_ = false;
  bool created_ = false;
  std::vector<DistinctKnot<Real>> distinctKnots_;
  std::vector<Real> knots_;
  // Per distinct knot: its value and the index of the last knot before that value's first copy.
  std::vector<std::pair<Real, int>> spanKeys_;
  // 1 / (knots[m + j] - knots[m]), or 0 where those knots coincide, at j * knots_.size() + m for
  // j = 1 ... degree: the inverses the triangle needs, divided out once instead of at every t.
  std::vector<Real> inverseWidths_;
  // The span of the last evaluation; the next t, one sample or one step of a search further,
  // mostly falls into it again.
  int lastSpan_ = -1;
  // The Cox-de Boor triangle: row r holds the basis functions of degree r. Only order 0 (values,
  // no derivatives) is needed, so no derivative tables are kept.
  RowMajorArray<Real> values_;
};

// ---------------------------------------------------------------------------------------------

template <typename Real>
void BasisFunction<Real>::Create(const BasisSetup<Real>& input) {
  if (created_) {
    ReportErrorAt("num::BasisFunction<double>::Create", __LINE__, "Object already created.");
    return;
  }
  controlPointCount_ =
      input.periodic ? input.controlPointCount + input.degree : input.controlPointCount;
  degree_ = input.degree;
  domainMin_ = domainMax_ = domainLength_ = 0;
  uniform_ = input.uniform;
  periodic_ = input.periodic;
  values_ = RowMajorArray<Real>();
  if (!AcceptsSetup(input)) return;

  BuildKnotVector();
  domainMin_ = knots_[degree_];
  domainMax_ = knots_[controlPointCount_];
  domainLength_ = domainMax_ - domainMin_;
  values_ = RowMajorArray<Real>(static_cast<std::size_t>(controlPointCount_ + degree_),
                                static_cast<std::size_t>(degree_ + 1));
  created_ = true;
}

template <typename Real>
bool BasisFunction<Real>::AcceptsSetup(const BasisSetup<Real>& input) {
  const char* const function = "num::BasisFunction<double>::Create";
  if (input.controlPointCount < 2) {
    ReportErrorAt(function, __LINE__, "Invalid number of control points.");
    return false;
  }
  if (input.degree < 1 || input.degree >= input.controlPointCount) {
    ReportErrorAt(function, __LINE__, "Invalid degree.");
    return false;
  }
  // A count beyond the list's length would read past it.
  if (input.distinctKnotCount < 2 ||
      static_cast<std::size_t>(input.distinctKnotCount) > input.distinctKnots.size()) {
    ReportErrorAt(function, __LINE__, "Invalid number of unique knots.");
    return false;
  }
  distinctKnots_.assign(input.distinctKnots.begin(),
                        input.distinctKnots.begin() + input.distinctKnotCount);
  const int last = input.distinctKnotCount - 1;
  for (int k = 1; k <= last; ++k) {
    if (distinctKnots_[k].t <= distinctKnots_[k - 1].t) {
      ReportErrorAt(function, __LINE__, "Unique knots are not strictly increasing.");
      return false;
    }
  }
  const int first = distinctKnots_[0].multiplicity;
  if (first < 1 || first > degree_ + 1) {
    ReportErrorAt(function, __LINE__, "Invalid first multiplicity.");
    return false;
  }
  const int lastMultiplicity = distinctKnots_[last].multiplicity;
  if (lastMultiplicity < 1 || lastMultiplicity > degree_ + 1) {
    ReportErrorAt(function, __LINE__, "Invalid last multiplicity.");
    return false;
  }
  std::int64_t knotSum = 0;
  for (int k = 0; k <= last; ++k) {
    const int multiplicity = distinctKnots_[k].multiplicity;
    if (k > 0 && k < last && (multiplicity < 1 || multiplicity > degree_)) {
      ReportErrorAt(function, __LINE__, "Invalid interior multiplicity.");
      return false;
    }
    knotSum += multiplicity;
  }
  // A larger sum would write past the knot vector, a smaller one leave trailing zero knots.
  if (knotSum != static_cast<std::int64_t>(controlPointCount_) + degree_ + 1) {
    ReportErrorAt(function, __LINE__, "Multiplicities do not add up to the knot count.");
    return false;
  }
  return true;
}

template <typename Real>
void BasisFunction<Real>::BuildKnotVector() {
  knots_.assign(static_cast<std::size_t>(controlPointCount_ + degree_ + 1), Real(0));
  spanKeys_.assign(distinctKnots_.size(), std::pair<Real, int>(Real(0), 0));
  int sum = 0;
  for (std::size_t k = 0; k < distinctKnots_.size(); ++k) {
    const DistinctKnot<Real>& knot = distinctKnots_[k];
    spanKeys_[k] = std::pair<Real, int>(knot.t, sum - 1);
    std::fill(knots_.begin() + sum, knots_.begin() + sum + knot.multiplicity, knot.t);
    sum += knot.multiplicity;
  }
  const std::size_t count = knots_.size();
  inverseWidths_.assign(static_cast<std::size_t>(degree_ + 1) * count, Real(0));
  for (std::size_t j = 1; j <= static_cast<std::size_t>(degree_); ++j) {
    for (std::size_t m = 0; m + j < count; ++m) {
      const Real width = knots_[m + j] - knots_[m];
      inverseWidths_[j * count + m] = width > 0 ? Real(1) / width : Real(0);
    }
  }
}

template <typename Real>
int BasisFunction<Real>::GetIndex(Real& t) const {
  if (periodic_) {
    Real r = std::fmod(t - domainMin_, domainLength_);
    if (r < 0) r = r + domainLength_;
    t = domainMin_ + r;
  }
  if (t <= domainMin_) {
    t = domainMin_;
    return degree_;
  }
  if (t >= domainMax_) {
    t = domainMax_;
    return controlPointCount_ - 1;
  }
  // The keys strictly increase, so the first key above t is found by bisection; a t that is not
  // a number compares false everywhere and finds none.
  const auto key = std::upper_bound(
      spanKeys_.begin(), spanKeys_.end(), t,
      [](Real value, const std::pair<Real, int>& spanKey) { return value < spanKey.first; });
  if (key == spanKeys_.end()) {
    ReportErrorAt("num::BasisFunction<double>::GetIndex", __LINE__, "Unexpected condition.");
    t = domainMin_;
    return degree_;
  }
  return key->second;
}

template <typename Real>
void BasisFunction<Real>::EvaluateBasis(Real t, int& imin, int& imax) {
  if (!created_) {
    imin = imax = -1;
    return;
  }
  const Real* knots = knots_.data();
  // Inside the domain, the span of the last evaluation is the span GetIndex would find for a t
  // that lies in it: the last knot at or below t.
  const bool inLastSpan = !periodic_ && lastSpan_ >= 0 && t > domainMin_ && t < domainMax_ &&
                          knots[lastSpan_] <= t && t < knots[lastSpan_ + 1];
  const int i = inLastSpan ? lastSpan_ : GetIndex(t);
  lastSpan_ = i;
  const std::size_t count = knots_.size();
  auto inverse = [&](int width, int first) {
    return inverseWidths_[static_cast<std::size_t>(width) * count +
                          static_cast<std::size_t>(first)];
  };
  values_(0, i) = 1;
  const Real left = t - knots[i];
  const Real right = knots[i + 1] - t;
  for (int j = 1; j <= degree_; ++j) {
    const Real inv0 = inverse(j, i);          // knots[i + j] - knots[i]
    const Real inv1 = inverse(j, i - j + 1);  // knots[i + 1] - knots[i - j + 1]
    values_(j, i) = left * values_(j - 1, i) * inv0;
    values_(j, i - j) = right * values_(j - 1, i - j + 1) * inv1;
  }
  for (int j = 2; j <= degree_; ++j) {
    const Real* below = values_.Row(j - 1);
    Real* row = values_.Row(j);
    for (int k = i - j + 1; k <= i - 1; ++k) {
      const Real l = t - knots[k];
      const Real r = knots[k + j + 1] - t;
      const Real inv0 = inverse(j, k);      // knots[k + j] - knots[k]
      const Real inv1 = inverse(j, k + 1);  // knots[k + j + 1] - knots[k + 1]
      row[k] = l * below[k] * inv0 + r * below[k + 1] * inv1;
    }
  }
  imin = i - degree_;
  imax = i;
}

template <typename Real>
Real BasisFunction<Real>::GetValue(int i) const {
  if (!created_) return 0;
  if (i < 0 || i >= controlPointCount_ + degree_) {
    ReportErrorAt("num::BasisFunction<double>::GetValue", __LINE__, "Invalid input.");
    return 0;
  }
  return values_(static_cast<std::size_t>(degree_), static_cast<std::size_t>(i));
}

}  // namespace num
