// Loads an add-in library as Fusion 360 does: by path, resolving its two C entry points.
#include "host/driver/HostSession.h"

#include <dlfcn.h>

#include <stdexcept>

namespace fsim {

namespace {

std::string lastDlError() {
  const char* text = dlerror();
  return text ? text : "unknown dlopen failure";
}

}  // namespace

AddInLibrary::AddInLibrary(const std::string& path) {
  dlerror();
  handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) throw std::runtime_error(lastDlError());
  run_ = reinterpret_cast<EntryPoint>(dlsym(handle_, "run"));
  if (run_) stop_ = reinterpret_cast<EntryPoint>(dlsym(handle_, "stop"));
  if (!run_ || !stop_) {
    std::string error = lastDlError();
    dlclose(handle_);
    handle_ = nullptr;
    throw std::runtime_error(error);
  }
}

AddInLibrary::~AddInLibrary() { unload(); }

bool AddInLibrary::run(const std::string& context) {
  if (!handle_) throw std::logic_error("add-in library is not loaded");
  return run_(context.c_str());
}

bool AddInLibrary::stop(const std::string& context) {
  if (!handle_) throw std::logic_error("add-in library is not loaded");
  return stop_(context.c_str());
}

void AddInLibrary::unload() {
  if (!handle_) return;
  dlclose(handle_);
  handle_ = nullptr;
  run_ = nullptr;
  stop_ = nullptr;
}

bool AddInLibrary::loaded() const { return handle_ != nullptr; }

}  // namespace fsim
