#include "addin/unexpectedErrorMessage.h"

namespace vintrel::addin {

std::string unexpectedErrorMessage(const std::exception& error) {
  return std::string(
             "An unexpected condition was encountered. Please let us know so we can fix it! "
             "Take a screenshot of this message and contact us at ") +
         kSupportAddress + ".\nError message:\n" + error.what();
}

}  // namespace vintrel::addin
