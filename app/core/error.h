#pragma once

#include <stdexcept>
#include <string>

namespace kestrum {

// The one error type of the program: a message text meant for the user.
// Failures of system services carry the system's error code in decimal
// directly after the text ("Error while creating convert process!2").
class Error : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace kestrum
