#pragma once

// What went wrong in a call: the status the C API returns, and the message wss_last_error() gives.

#include "wss/wss.h"

#include <string>

namespace wsslib {

struct Failure
{
    wss_status status = WSS_OK;
    std::string message;

    explicit operator bool() const { return status != WSS_OK; }
};

} // namespace wsslib
