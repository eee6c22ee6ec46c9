// Fuzz target for the curve computation alone: three expression texts and a t range, sampled,
// fitted and worded as the dialog words it. The libFuzzer program and the regression test both
// run inputs through this function.
#pragma once

#include <cstddef>
#include <cstdint>

/// Decodes `data` as lines: x(t), y(t), z(t), t start, t end (numbers as strtod reads them;
/// missing lines give empty expressions, t from 0 to 1), then any number of "name=value" lines
/// that become design parameters beside "pi". Samples the curve, fits it and checks the outcome:
/// either the sampling failed with a clear message, or the fit has 4 ... 128 finite control points
/// with the samples' end points as its ends, a complete clamped knot vector, a deviation that
/// matches what the fit claims, and a status text of the dialog's form. Aborts on a violation.
void fuzzFitFromTexts(const std::uint8_t* data, std::size_t size);
