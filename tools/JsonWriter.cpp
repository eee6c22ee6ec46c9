#include "tools/JsonWriter.h"

#include <cmath>
#include <stdexcept>

#include "curve/shortestText.h"
#include "tools/Utf8Text.h"

namespace sorvane {

JsonWriter::JsonWriter(std::ostream& out) : out_(out) {}

void JsonWriter::newline(std::size_t depth) {
  out_ << '\n';
  for (std::size_t i = 0; i < depth; ++i) out_ << "  ";
}

void JsonWriter::separateMember(Level& level) {
  if (level.members++ > 0) out_ << ',';
  if (level.layout == Layout::Lines) {
    newline(levels_.size());
  } else if (level.members > 1) {
    out_ << ' ';
  }
}

void JsonWriter::beforeValue() {
  if (levels_.empty()) return;
  Level& level = levels_.back();
  if (!level.object) {
    separateMember(level);
    return;
  }
  if (!level.keyPending) throw std::logic_error("json: value without a key in an object");
  level.keyPending = false;
}

void JsonWriter::key(std::string_view name) {
  if (levels_.empty() || !levels_.back().object || levels_.back().keyPending) {
    throw std::logic_error("json: key outside an object");
  }
  Level& level = levels_.back();
  separateMember(level);
  writeString(name);
  out_ << ": ";
  level.keyPending = true;
}

void JsonWriter::beginObject(Layout layout) {
  beforeValue();
  out_ << '{';
  levels_.push_back(Level{true, layout});
}

void JsonWriter::beginArray(Layout layout) {
  beforeValue();
  out_ << '[';
  levels_.push_back(Level{false, layout});
}

void JsonWriter::endObject() { endContainer(true, '}'); }

void JsonWriter::endArray() { endContainer(false, ']'); }

void JsonWriter::endContainer(bool object, char closing) {
  if (levels_.empty() || levels_.back().object != object || levels_.back().keyPending) {
    throw std::logic_error("json: unbalanced end of container");
  }
  const Level level = levels_.back();
  levels_.pop_back();
  if (level.layout == Layout::Lines && level.members > 0) newline(levels_.size());
  out_ << closing;
  if (levels_.empty()) out_ << '\n';
}

void JsonWriter::value(std::string_view text) {
  beforeValue();
  writeString(text);
}

void JsonWriter::value(double number) {
  beforeValue();
  out_ << (std::isfinite(number) ? shortestText(number) : "null");
}

void JsonWriter::value(int number) {
  beforeValue();
  out_ << number;
}

void JsonWriter::value(bool flag) {
  beforeValue();
  out_ << (flag ? "true" : "false");
}

void JsonWriter::null() {
  beforeValue();
  out_ << "null";
}

void JsonWriter::numbers(const double* values, std::size_t count) {
  beginArray(Layout::Inline);
  for (std::size_t i = 0; i < count; ++i) value(values[i]);
  endArray();
}

void JsonWriter::writeString(std::string_view text) {
  static const char* const kHex = "0123456789abcdef";
  out_ << '"';
  for (const char byte : validUtf8(text)) {
    const auto c = static_cast<unsigned char>(byte);
    if (c == '"' || c == '\\') {
      out_ << '\\' << byte;
    } else if (c == '\n') {
      out_ << "\\n";
    } else if (c == '\t') {
      out_ << "\\t";
    } else if (c == '\r') {
      out_ << "\\r";
    } else if (c < 0x20 || c == 0x7F) {
      out_ << "\\u00" << kHex[c >> 4] << kHex[c & 0xF];
    } else {
      out_ << byte;
    }
  }
  out_ << '"';
}

}  // namespace sorvane
