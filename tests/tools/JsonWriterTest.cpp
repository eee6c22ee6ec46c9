#include "tools/JsonWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace sorvane {
namespace {

using Layout = JsonWriter::Layout;

TEST(JsonWriter, LaysOutLinesAndInlineContainers) {
  std::ostringstream out;
  JsonWriter json(out);
  json.beginObject();
  json.key("name");
  json.value("helix");
  json.key("point");
  const double point[] = {1, 0.5, -2};
  json.numbers(point, 3);
  json.key("empty");
  json.beginArray();
  json.endArray();
  json.key("list");
  json.beginArray();
  json.value(true);
  json.null();
  json.beginObject(Layout::Inline);
  json.key("n");
  json.value(3);
  json.key("m");
  json.value(false);
  json.endObject();
  json.endArray();
  json.endObject();
  EXPECT_EQ(out.str(),
            "{\n"
            "  \"name\": \"helix\",\n"
            "  \"point\": [1, 0.5, -2],\n"
            "  \"empty\": [],\n"
            "  \"list\": [\n"
            "    true,\n"
            "    null,\n"
            "    {\"n\": 3, \"m\": false}\n"
            "  ]\n"
            "}\n");
}

TEST(JsonWriter, EscapesStringsAndRepairsUtf8) {
  std::ostringstream out;
  JsonWriter json(out);
  json.value(std::string("\"a\\b\"\n\t\r\x01\x7F \xCF\x80 \xFF\0", 16));
  EXPECT_EQ(out.str(), "\"\\\"a\\\\b\\\"\\n\\t\\r\\u0001\\u007f \xCF\x80 \xEF\xBF\xBD\\u0000\"");
}

TEST(JsonWriter, WritesNumbersThatReadBackAndNullForNonFinite) {
  std::ostringstream out;
  JsonWriter json(out);
  const double values[] = {0.1 + 0.2, 1e-300, NAN, INFINITY, -3};
  json.numbers(values, 5);
  EXPECT_EQ(out.str(), "[0.30000000000000004, 1e-300, null, null, -3]\n");
}

TEST(JsonWriter, RefusesMisuse) {
  std::ostringstream out;
  JsonWriter json(out);
  EXPECT_THROW(json.endObject(), std::logic_error);
  EXPECT_THROW(json.key("k"), std::logic_error);
  json.beginObject();
  EXPECT_THROW(json.value(1), std::logic_error);  // a value needs its key
  EXPECT_THROW(json.endArray(), std::logic_error);
  json.key("k");
  EXPECT_THROW(json.endObject(), std::logic_error);  // the key needs its value
}

}  // namespace
}  // namespace sorvane
