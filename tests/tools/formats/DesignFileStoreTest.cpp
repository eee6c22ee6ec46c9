#include "tools/formats/DesignFileStore.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "SampleReports.h"

namespace sorvane {
namespace {

namespace fs = std::filesystem;

// The user whose files root hands out in the owner test: nobody.
constexpr uid_t kOtherUser = 65534;

class DesignFileStore : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = ::testing::TempDir() + "design_store_XXXXXX";
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { fs::remove_all(folder_); }

  std::string path(const std::string& name) const { return folder_ + "/" + name; }

  static DesignFile segmentDesign() {
    DesignFile design;
    design.parameters = {{"r", ParameterKind::User, 2.5, "", ""}};
    design.sketches = {{"Sketch1", "XY", {{testing::straightSegment(), {}, true}}}};
    return design;
  }

  static std::string contents(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  static struct stat statusOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(lstat(path.c_str(), &info), 0) << path;
    return info;
  }

  // What saving `path` throws; "" when it does not.
  static std::string saveError(const std::string& path) {
    try {
      saveDesignFile(path, segmentDesign());
    } catch (const DesignFileError& error) {
      return error.what();
    }
    return "";
  }

  static std::string loadError(const std::string& path) {
    try {
      loadDesignFile(path);
    } catch (const DesignFileError& error) {
      return error.what();
    }
    return "";
  }

  std::string folder_;
};

TEST_F(DesignFileStore, NewFileGetsTheModeTheUmaskLeaves) {
  for (const auto& [mask, mode] : {std::pair{mode_t{077}, mode_t{0600}}, {mode_t{022}, 0644}}) {
    const mode_t before = umask(mask);
    const std::string file = path("new" + std::to_string(mode) + ".json");
    EXPECT_TRUE(loadDesignFile(file).sketches.empty());
    saveDesignFile(file, segmentDesign());
    umask(before);
    EXPECT_EQ(statusOf(file).st_mode & 07777, mode);
    EXPECT_EQ(loadDesignFile(file).sketches.size(), 1u);
  }
}

TEST_F(DesignFileStore, SaveKeepsTheModeAndOwnerOfTheFile) {
  const std::string file = path("kept.json");
  saveDesignFile(file, {});
  ASSERT_EQ(chmod(file.c_str(), 0640), 0);
  const bool root = geteuid() == 0;
  if (root) {
    ASSERT_EQ(chown(file.c_str(), kOtherUser, kOtherUser), 0);
  }
  saveDesignFile(file, segmentDesign());
  const struct stat saved = statusOf(file);
  EXPECT_EQ(saved.st_mode & 07777, 0640u);
  if (root) {
    EXPECT_EQ(saved.st_uid, kOtherUser);
    EXPECT_EQ(saved.st_gid, kOtherUser);
  }
  EXPECT_EQ(contents(file), writeDesignFile(segmentDesign()));
  // Nothing but the design is left in the folder.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// A chain of links, relative ones read from their own folder, ends at the file a save replaces;
// the links stay links, and a link to a file not yet there creates it.
TEST_F(DesignFileStore, SaveWritesThroughSymbolicLinks) {
  fs::create_directory(path("sub"));
  fs::create_symlink("sub/middle.json", path("link.json"));
  fs::create_symlink("perm.json", path("sub/middle.json"));
  EXPECT_TRUE(loadDesignFile(path("link.json")).sketches.empty());
  saveDesignFile(path("link.json"), segmentDesign());
  EXPECT_TRUE(S_ISLNK(statusOf(path("link.json")).st_mode));
  EXPECT_TRUE(S_ISLNK(statusOf(path("sub/middle.json")).st_mode));
  EXPECT_EQ(contents(path("sub/perm.json")), writeDesignFile(segmentDesign()));
  saveDesignFile(path("link.json"), {});
  EXPECT_TRUE(loadDesignFile(path("link.json")).sketches.empty());
  EXPECT_TRUE(S_ISLNK(statusOf(path("link.json")).st_mode));

  fs::create_symlink(path("loop.json"), path("loop.json"));
  EXPECT_EQ(loadError(path("loop.json")), "cannot be read: Too many levels of symbolic links");
}

TEST_F(DesignFileStore, FailedSaveSaysWhyAndLeavesTheFileAsItWas) {
  // The folder went away during the session.
  EXPECT_EQ(saveError(path("gone/d.json")), "cannot be saved: no file can be made in " +
                                                path("gone") + ": No such file or directory");
  // The new file cannot be renamed over a folder; it is removed again.
  fs::create_directory(path("taken.json"));
  EXPECT_EQ(saveError(path("taken.json")), "cannot be saved: Is a directory");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(DesignFileStore, RefusesWhatIsNoDesignFileBeforeThePlay) {
  EXPECT_EQ(loadError(path("none/d.json")), "cannot be saved: there is no folder " + path("none"));
  EXPECT_EQ(loadError(folder_), "is a folder, not a file");
  ASSERT_EQ(mkfifo(path("pipe").c_str(), 0600), 0);
  EXPECT_EQ(loadError(path("pipe")), "is not a regular file");  // read, it would never end
  std::ofstream(path("bad.json")) << "{";
  EXPECT_EQ(loadError(path("bad.json")).rfind("not JSON: ", 0), 0u);
}

// A new design file of the root's: loading it only looks at the root, so nothing is written
// there. Root may make files in "/" and gets an empty design; another user is refused for want of
// leave in "/", never because the folder is missing.
TEST_F(DesignFileStore, NewFileDirectlyInTheRootCanBeSaved) {
  std::string name = "/vintrel_no_design_" + std::to_string(getpid());
  while (fs::exists(name)) name += "_";
  const std::string refused = loadError(name);
  if (geteuid() == 0) {
    EXPECT_EQ(refused, "");
  } else {
    EXPECT_EQ(refused, "cannot be saved: no file can be made in /: Permission denied");
  }
  EXPECT_FALSE(fs::exists(name));
}

}  // namespace
}  // namespace sorvane
