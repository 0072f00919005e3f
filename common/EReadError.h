#pragma once

#include <stdexcept>

// Raised when a file cannot be read as it should: it ends early, a count or
// length does not fit what remains, or a value makes no sense. The message
// names the place (byte offset or field).
class EReadError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
