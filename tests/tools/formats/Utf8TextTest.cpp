#include "tools/formats/Utf8Text.h"

#include <gtest/gtest.h>

namespace sorvane {
namespace {

const std::string kReplacement = "\xEF\xBF\xBD";

TEST(Utf8Text, KeepsValidText) {
  for (const std::string& text :
       std::initializer_list<std::string>{"", "r * cos(t)", "\xCF\x80 r\xC2\xB2", "\xE2\x82\xAC",
                                          "\xF0\x9F\x8C\x80", std::string("a\0b", 3)}) {
    EXPECT_EQ(validUtf8(text), text);
  }
}

TEST(Utf8Text, ReplacesEachBadByte) {
  EXPECT_EQ(validUtf8("a\xFF"
                      "b"),
            "a" + kReplacement + "b");         // never a lead byte
  EXPECT_EQ(validUtf8("\x80"), kReplacement);  // stray continuation
  EXPECT_EQ(validUtf8("\xCF"), kReplacement);  // cut short at the end
  EXPECT_EQ(validUtf8("\xE2\x82"
                      "x"),
            kReplacement + kReplacement + "x");
  EXPECT_EQ(validUtf8("\xC0\xAF"), kReplacement + kReplacement);                     // overlong '/'
  EXPECT_EQ(validUtf8("\xED\xA0\x80"), kReplacement + kReplacement + kReplacement);  // surrogate
  EXPECT_EQ(validUtf8("\xF4\x90\x80\x80").size(), 4 * kReplacement.size());  // above U+10FFFF
}

}  // namespace
}  // namespace sorvane
