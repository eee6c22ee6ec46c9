// The definitions text as the designer types it: items on lines and between ";", each refusal
// naming its line.
#include "curve/formula/readNamedDefinitions.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

using vintrel::curve::NamedDefinition;
using vintrel::curve::readNamedDefinitions;

namespace {

// Line 1 holds two items, line 2 is empty, line 3 ends in "\r\n" (one break), line 4 holds only
// a blank item and line 5 an "=" inside its expression.
TEST(readNamedDefinitions, ReadsNamesExpressionsAndLines) {
  std::vector<std::string> read;  // name|expression|line
  for (const NamedDefinition& definition :
       readNamedDefinitions("R = 3; r=1\n\n  k = (R + r) / r  \r\n ; \nup = t >= 1 ? 1 : 0")) {
    read.push_back(definition.name + '|' + definition.expression + '|' +
                   std::to_string(definition.line));
  }
  EXPECT_EQ(read,
            (std::vector<std::string>{"R|3|1", "r|1|1", "k|(R + r) / r|3", "up|t >= 1 ? 1 : 0|5"}));
  EXPECT_TRUE(readNamedDefinitions("").empty());
  EXPECT_TRUE(readNamedDefinitions(" ;\t;\r\r\n").empty());
  EXPECT_EQ(readNamedDefinitions("länge_2 = 1")[0].name, "länge_2");  // any script's letters
}

TEST(readNamedDefinitions, RefusesWhatIsNotADefinitionWithItsLine) {
  const std::string longName(101, 'a');  // muparser takes names of up to 100 bytes
  const std::vector<std::pair<std::string, std::string>> cases = {
      {"k (R + r) / r",
       "Definitions, line 1: \"k (R + r) / r\" has no \"=\"; write name = expression"},
      {"a = 1\n = 2",
       "Definitions, line 2: \"= 2\" has no name before \"=\"; write name = expression"},
      {"2k = 1",
       "Definitions, line 1: \"2k\" is not a name: use letters, digits and _, and begin "
       "with a letter or _"},
      // The first and the last digit too: a formula would read "0a" as the number 0 and a name a.
      {"0a = 1",
       "Definitions, line 1: \"0a\" is not a name: use letters, digits and _, and begin "
       "with a letter or _"},
      {"9k = 1",
       "Definitions, line 1: \"9k\" is not a name: use letters, digits and _, and begin "
       "with a letter or _"},
      {"a = 1; my k = 2",
       "Definitions, line 1: \"my k\" is not a name: use letters, digits and _, "
       "and begin with a letter or _"},
      {longName + " = 1", "Definitions, line 1: \"" + longName +
                              "\" is longer than the 100 bytes a name may have; shorten it"},
      {"\nt = 1", "Definitions, line 2: \"t\" is the curve's variable; choose another name"},
      {"pi = 3", "Definitions, line 1: \"pi\" is the constant pi; choose another name"},
      {"_pi = 3", "Definitions, line 1: \"_pi\" is the parser's constant pi; choose another name"},
      {"_e = 3", "Definitions, line 1: \"_e\" is the parser's constant e; choose another name"},
      {"sin = 1", "Definitions, line 1: \"sin\" is a function's name; choose another name"},
      {"k = 1\r\nk = 2", "Definitions, line 2: \"k\" is defined twice"},
      {"a = 1\n\nk = ", "Definitions, line 3: \"k = \" has no expression"},
  };
  for (const auto& [text, message] : cases) {
    try {
      readNamedDefinitions(text);
      ADD_FAILURE() << "no error for " << text;
    } catch (const std::runtime_error& error) {
      EXPECT_EQ(error.what(), message);
    }
  }
  EXPECT_NO_THROW(readNamedDefinitions("sine = 1; T = 2; pi2 = 3; e = 4"));
}

}  // namespace
