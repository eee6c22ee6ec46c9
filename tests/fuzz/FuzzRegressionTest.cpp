// Replays every seed input and every past finding of the fuzz targets, without libFuzzer: a
// violated invariant aborts the test process with its message, a sanitizer build reports what
// its sanitizers find. Files are listed when the tests are discovered, so a reproducer dropped
// into regressions/<target>/ becomes a test of its own at the next run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/fuzz/AddInUnderTest.h"
#include "tests/fuzz/fuzzDialogSession.h"
#include "tests/fuzz/fuzzFitFromTexts.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> inputFiles(const std::string& target) {
  std::vector<std::string> files;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path folder = fs::path(VINTREL_FUZZ_DIR) / kind / target;
    if (!fs::is_directory(folder)) continue;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
      if (entry.is_regular_file()) files.push_back(entry.path().string());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

std::vector<std::uint8_t> contents(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// "corpus/fitFromTexts/reversed-range" -> "corpus_reversed_range".
std::string testName(const ::testing::TestParamInfo<std::string>& info) {
  const fs::path path(info.param);
  std::string name =
      path.parent_path().parent_path().filename().string() + "_" + path.filename().string();
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class FitFromTexts : public ::testing::TestWithParam<std::string> {};
class DialogSession : public ::testing::TestWithParam<std::string> {};

TEST_P(FitFromTexts, KeepsItsPromises) {
  const std::vector<std::uint8_t> input = contents(GetParam());
  fuzzFitFromTexts(input.data(), input.size());
}

TEST_P(DialogSession, KeepsItsPromises) {
  const std::vector<std::uint8_t> input = contents(GetParam());
  // A fresh library for every input, which may also be reloaded here.
  AddInUnderTest addIn(VINTREL_ADDIN_PATH, true);
  fuzzDialogSession(input.data(), input.size(), addIn);
}

INSTANTIATE_TEST_SUITE_P(Inputs, FitFromTexts, ::testing::ValuesIn(inputFiles("fitFromTexts")),
                         testName);
INSTANTIATE_TEST_SUITE_P(Inputs, DialogSession, ::testing::ValuesIn(inputFiles("dialogSession")),
                         testName);

TEST(FuzzCorpus, EveryTargetHasSeeds) {
  EXPECT_FALSE(inputFiles("fitFromTexts").empty());
  EXPECT_FALSE(inputFiles("dialogSession").empty());
}

}  // namespace
