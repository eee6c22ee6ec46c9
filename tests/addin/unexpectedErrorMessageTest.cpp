// The message shown when run fails.
#include "addin/unexpectedErrorMessage.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "fusionkit/NullObjectError.h"

namespace {

using vintrel::addin::unexpectedErrorMessage;

constexpr char kPrefix[] =
    "An unexpected condition was encountered. Please let us know so we can fix it! Take a "
    "screenshot of this message and contact us at support@vintrel.dev.\nError message:\n";

TEST(unexpectedErrorMessage, EndsWithTheErrorsOwnText) {
  EXPECT_EQ(unexpectedErrorMessage(std::runtime_error("disk full")),
            std::string(kPrefix) + "disk full");
  EXPECT_EQ(unexpectedErrorMessage(hv::f360::NullObjectError()),
            std::string(kPrefix) + "Unknown exception");
}

}  // namespace
