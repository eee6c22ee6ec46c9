// Splits a fuzz input into text lines, so that seed files and reproducers read as plain text. Both
// fuzz targets decode their inputs line by line with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

/// The lines of `data` (size bytes), split at '\n' without it; a final line without '\n' counts,
/// an empty input has no lines. Bytes are kept as they are, zero bytes included.
std::vector<std::string> fuzzInputLines(const std::uint8_t* data, std::size_t size);

/// The double at the start of `text` as strtod reads it ("nan", "inf", "1e308", "0x1p-1074" all
/// work), or `fallback` when it starts with no number.
double leadingNumber(const std::string& text, double fallback);
