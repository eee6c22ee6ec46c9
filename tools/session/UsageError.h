// The error of a request sorvane cannot play as given: the command line throws it for what it
// cannot read, the session for a parameter change of the wrong kind of unit. main reports it with
// its own exit status.
#pragma once

#include <stdexcept>

namespace sorvane {

/// A request that cannot be played as given; what() is one short sentence.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace sorvane
