#include "platform/com/class_error.h"

namespace brennix::com {
namespace {

thread_local std::string tClassError;

}  // namespace

std::string lastClassError() {
    return tClassError;
}

Error classFailure(Error error, std::string text) {
    tClassError = std::move(text);
    return error;
}

void clearClassError() {
    tClassError.clear();
}

}  // namespace brennix::com
