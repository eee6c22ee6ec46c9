#include "fusionkit/CatchingCommandEventHandler.h"

#include <utility>

using namespace adsk::core;

namespace hv {
namespace f360 {

CatchingCommandEventHandler::CatchingCommandEventHandler(Callback callback)
    : callback_(std::move(callback)),
      errorCallback_([](const Ptr<CommandEventArgs>&, std::exception&) {}) {}

CatchingCommandEventHandler::~CatchingCommandEventHandler() = default;

void CatchingCommandEventHandler::setErrorCallback(ErrorCallback errorCallback) {
  errorCallback_ = std::move(errorCallback);
}

void CatchingCommandEventHandler::notify(const Ptr<CommandEventArgs>& eventArgs) {
  try {
    callback_(eventArgs);
  } catch (std::exception& error) {
    errorCallback_(eventArgs, error);
  }
}

}  // namespace f360
}  // namespace hv
