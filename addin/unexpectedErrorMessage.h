// The text the user sees in a message box when run fails: an apology, the project's support
// address and the error's own text. Host-free so it is tested on its own.
#pragma once

#include <exception>
#include <string>

namespace vintrel::addin {

/// The support contact named in the message.
constexpr char kSupportAddress[] = "support@vintrel.dev";

/// "An unexpected condition was encountered. Please let us know so we can fix it! Take a
/// screenshot of this message and contact us at <kSupportAddress>.\nError message:\n<what()>".
std::string unexpectedErrorMessage(const std::exception& error);

}  // namespace vintrel::addin
