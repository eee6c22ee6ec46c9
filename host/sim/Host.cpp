// Session lifetime: one host at a time, and everything invalid once it ends.
#include "host/sim/Host.h"

#include <stdexcept>

#include "host/sim/SimApplication.h"
#include "host/sim/SimCommand.h"

namespace fsim {

namespace {

Host* currentHost = nullptr;

// The error code Fusion reports for a failed call; its real value is not documented to us.
constexpr int kOperationFailedError = 1;

}  // namespace

Host::Host() {
  if (currentHost) throw std::logic_error("a host session already exists");
  currentHost = this;
  try {
    application = SimApplication::create();
  } catch (...) {
    currentHost = nullptr;
    throw;
  }
}

Host::~Host() {
  if (openCommand) openCommand->markDeleted();
  openCommand.reset();
  SimObject::forEachObject([](SimObject& object) { object.markDeleted(); });
  application.reset();
  currentHost = nullptr;
}

Host* Host::current() { return currentHost; }

void Host::recordFailure(const char* operation) {
  lastError = kOperationFailedError;
  lastErrorDescription = std::string(operation) + " failed";
}

void Host::recordFailure(const char* operation, const std::string& reason) {
  recordFailure(operation);
  lastErrorDescription += ": " + reason;
}

bool operationFails(const char* operation) {
  Host* host = Host::current();
  if (!host || !host->faults.countCall(operation)) return false;
  host->recordFailure(operation);
  return true;
}

}  // namespace fsim
