// The catching wrapper of command events: standard exceptions go to the error callback, others
// leave unchanged.
#include "fusionkit/CatchingCommandEventHandler.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

using adsk::core::CommandEventArgs;
using adsk::core::Ptr;
using hv::f360::CatchingCommandEventHandler;

namespace {

class TaggedError : public std::runtime_error {
 public:
  explicit TaggedError(int tag) : std::runtime_error("tagged"), tag(tag) {}
  int tag;
};

TEST(CatchingCommandEventHandler, HandsAStandardExceptionToTheErrorCallback) {
  CatchingCommandEventHandler handler([](const Ptr<CommandEventArgs>&) { throw TaggedError(7); });
  int received = 0;
  handler.setErrorCallback([&](const Ptr<CommandEventArgs>& eventArgs, std::exception& error) {
    EXPECT_FALSE(eventArgs);
    // The very object thrown, not a sliced copy.
    auto* tagged = dynamic_cast<TaggedError*>(&error);
    ASSERT_NE(tagged, nullptr);
    received = tagged->tag;
  });
  EXPECT_NO_THROW(handler.notify(Ptr<CommandEventArgs>()));
  EXPECT_EQ(received, 7);
}

TEST(CatchingCommandEventHandler, SwallowsStandardExceptionsByDefault) {
  CatchingCommandEventHandler handler(
      [](const Ptr<CommandEventArgs>&) { throw std::runtime_error("ignored"); });
  EXPECT_NO_THROW(handler.notify(Ptr<CommandEventArgs>()));
}

TEST(CatchingCommandEventHandler, LetsOtherExceptionsLeaveUnchanged) {
  CatchingCommandEventHandler handler([](const Ptr<CommandEventArgs>&) { throw 42; });
  bool errorCallbackCalled = false;
  handler.setErrorCallback(
      [&](const Ptr<CommandEventArgs>&, std::exception&) { errorCallbackCalled = true; });
  EXPECT_THROW(handler.notify(Ptr<CommandEventArgs>()), int);
  EXPECT_FALSE(errorCallbackCalled);
}

}  // namespace
