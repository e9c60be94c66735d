// The base class of every failure the platform raises; its message is shown to the user.
#pragma once

#include "vcl/Types.h"

#include <stdexcept>

class Exception : public std::runtime_error {
public:
    explicit Exception(const AnsiString& message) : std::runtime_error(message) {}
    AnsiString Message() const { return what(); }
};
