// A command-event handler that runs a callback and keeps standard exceptions from reaching the
// host: they go to an error callback instead. The add-in's execute, destroy and preview handlers
// are instances; any add-in can reuse it.
#pragma once

#include <Core/CoreAll.h>

#include <exception>
#include <functional>

// hv::f360: helpers for any add-in of the Fusion 360 host, free of Vintrel's own choices.
namespace hv {
namespace f360 {

class CatchingCommandEventHandler : public adsk::core::CommandEventHandler {
 public:
  using Callback = std::function<void(const adsk::core::Ptr<adsk::core::CommandEventArgs>&)>;
  using ErrorCallback =
      std::function<void(const adsk::core::Ptr<adsk::core::CommandEventArgs>&, std::exception&)>;

  /// `callback` does the event's work; errors go to a callback that does nothing.
  explicit CatchingCommandEventHandler(Callback callback);
  ~CatchingCommandEventHandler() override;

  /// Replaces the error callback (tests and other add-ins that want to report errors).
  void setErrorCallback(ErrorCallback errorCallback);

  /// Calls the callback with `eventArgs`. A std::exception it raises is handed, with the same
  /// `eventArgs`, to the error callback and then returns normally; exceptions of other types
  /// leave unchanged.
  void notify(const adsk::core::Ptr<adsk::core::CommandEventArgs>& eventArgs) override;

 private:
  Callback callback_;
  ErrorCallback errorCallback_;
};

}  // namespace f360
}  // namespace hv
