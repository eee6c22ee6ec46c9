// Where a formula curve keeps its definition: one attribute on its spline, found by a group and a
// name. OK writes it, the edit command reads it back and the following of the design's parameters
// finds every formula curve of a design by it.
#pragma once

namespace vintrel::curve {

/// The group of the attribute that holds a formula curve's definition on its spline.
constexpr char kDefinitionGroup[] = "Vintrel";
/// The name of that attribute within kDefinitionGroup.
constexpr char kDefinitionName[] = "formulaCurve";
/// The name, within kDefinitionGroup, of the design's own attribute that keeps the inputs of the
/// last curve created or edited in it, in the definition's format without parameters.
constexpr char kLastInputsName[] = "lastInputs";

}  // namespace vintrel::curve
