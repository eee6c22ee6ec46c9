#include "tests/fuzz/AddInUnderTest.h"

#include <utility>

AddInUnderTest::AddInUnderTest(std::string path, bool reloadable)
    : path_(std::move(path)),
      reloadable_(reloadable),
      library_(std::make_unique<fsim::AddInLibrary>(path_)) {}

void AddInUnderTest::reload() {
  if (!reloadable_) return;
  library_->unload();
  library_ = std::make_unique<fsim::AddInLibrary>(path_);
}
