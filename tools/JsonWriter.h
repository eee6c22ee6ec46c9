// A small streaming JSON writer: objects and arrays, either one member per line (indented by two
// spaces) or all on one line, strings escaped and made valid UTF-8, numbers in the shortest form
// that reads back to the same double. sorvane's session JSON is written with it.
#pragma once

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sorvane {

class JsonWriter {
 public:
  /// How the members of an object or array are laid out.
  enum class Layout { Lines, Inline };

  /// Writes to `out`, which must outlive the writer. Nothing is written before the first call.
  explicit JsonWriter(std::ostream& out);

  /// Containers. Every begin needs its end; inside an object each value needs a key() first.
  /// Misuse (an end without a begin, a key outside an object) throws std::logic_error.
  void beginObject(Layout layout = Layout::Lines);
  void endObject();
  void beginArray(Layout layout = Layout::Lines);
  void endArray();
  void key(std::string_view name);

  /// Values. A string's invalid UTF-8 bytes become U+FFFD; a number that is not finite, which JSON
  /// cannot hold, is written as null.
  void value(std::string_view text);
  void value(const char* text) { value(std::string_view(text)); }
  void value(double number);
  void value(int number);
  void value(bool flag);
  void null();

  /// Convenience: an inline array of numbers.
  void numbers(const double* values, std::size_t count);

 private:
  struct Level {
    bool object;
    Layout layout;
    int members = 0;
    bool keyPending = false;
  };
  void beforeValue();
  /// Starts a member of `level`: a comma after the one before, then a line break (Lines) or a
  /// blank (Inline, from the second member on).
  void separateMember(Level& level);
  void endContainer(bool object, char closing);
  void writeString(std::string_view text);
  void newline(std::size_t depth);

  std::ostream& out_;
  std::vector<Level> levels_;
};

}  // namespace sorvane
