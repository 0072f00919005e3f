#pragma once

#include <stdexcept>
#include <string>

// Raised when a text does not convert to the number asked for. The property
// panels catch it and show its message; uncaught, it reaches the exception log
// under this class name.
class EConvertError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};
