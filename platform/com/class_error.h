#pragma once
// Why the last registration, unregistration or on-demand load on this thread
// failed, in words a user can act on: the identifier, the key or the file.

#include <string>

#include "platform/com/result.h"

namespace brennix::com {

std::string lastClassError();

// Records `text` as the reason and returns `error`, for one-line failures.
Error classFailure(Error error, std::string text);
void clearClassError();

}  // namespace brennix::com
