#include "platform/com/result.h"

namespace brennix::com {

std::string_view errorText(Error error) {
    switch (error) {
        case Error::MemberNotFound:
            return "member not found";
        case Error::TypeMismatch:
            return "type mismatch";
        case Error::Overflow:
            return "overflow";
        case Error::BadArgCount:
            return "bad argument count";
        case Error::SetNotSupported:
            return "set not supported";
        case Error::BadIndex:
            return "index out of bounds";
        case Error::ArrayLocked:
            return "array is locked";
        case Error::NotLocked:
            return "array is not locked";
        case Error::OutOfMemory:
            return "out of memory";
        case Error::InvalidArgument:
            return "invalid argument";
        case Error::MalformedDocument:
            return "malformed document";
        case Error::UnsupportedVersion:
            return "unsupported property-set version";
        case Error::ClassNotRegistered:
            return "class not registered";
        case Error::AlreadyRegistered:
            return "already registered";
        case Error::NoConnection:
            return "no such connection";
        case Error::LibraryNotFound:
            return "library not found";
        case Error::LibraryLoadFailed:
            return "library cannot be loaded";
        case Error::NoEntryPoint:
            return "library has no control-library entry points";
        case Error::StoreFailure:
            return "device store cannot be read or written";
    }
    return "unknown error";
}

}  // namespace brennix::com
