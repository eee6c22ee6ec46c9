// The add-in library as the dialog fuzz target drives it. The libFuzzer program keeps one library
// loaded for the whole run: libFuzzer cannot follow the coverage of a module that is unloaded.
// The regression test loads it afresh for every input and may also unload and reload it.
#pragma once

#include <memory>
#include <string>

#include "host/driver/HostSession.h"

class AddInUnderTest {
 public:
  /// Loads the library at `path` (throws std::runtime_error as fsim::AddInLibrary does).
  /// `reloadable` false makes reload() keep the loaded library.
  AddInUnderTest(std::string path, bool reloadable);

  fsim::AddInLibrary& library() { return *library_; }
  /// Unloads the library and loads it anew, when reloadable; the caller has stopped it before.
  void reload();

 private:
  std::string path_;
  bool reloadable_;
  std::unique_ptr<fsim::AddInLibrary> library_;
};
