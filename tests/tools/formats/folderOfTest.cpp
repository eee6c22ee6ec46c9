#include "tools/formats/folderOf.h"

#include <gtest/gtest.h>

#include <utility>

namespace sorvane {
namespace {

// Each expected folder is the path with its last '/' and what follows cut off, as dirname(1)
// prints it for these paths: a file of the root lies in "/", a bare name in the current folder.
TEST(folderOf, IsThePathBeforeItsLastSlash) {
  const std::pair<const char*, const char*> cases[] = {
      {"/x", "/"}, {"x", "."}, {"a/x", "a"}, {"/a/x", "/a"}, {"a/b/x.json", "a/b"}};
  for (const auto& [path, folder] : cases) EXPECT_EQ(folderOf(path), folder) << path;
}

}  // namespace
}  // namespace sorvane
