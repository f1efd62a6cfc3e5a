#pragma once
// Outcomes of the hosting layer: an error code instead of an exception, so
// nothing is thrown across a control boundary.

#include <cstdint>
#include <string_view>
#include <utility>
#include <variant>

namespace brennix::com {

enum class Error : std::uint8_t {
    MemberNotFound = 1,  // no member of that name or id, or the wrong kind of access
    TypeMismatch,        // a value that cannot be converted to the type asked for
    Overflow,            // a number outside the range of the type asked for
    BadArgCount,         // a method or event given the wrong number of arguments
    SetNotSupported,     // a put on a read-only property
    BadIndex,            // an array index outside its bounds
    ArrayLocked,         // the array's data is accessed and cannot change shape
    NotLocked,           // an unaccess without a matching access
    OutOfMemory,         // a size no allocation can satisfy
    InvalidArgument,     // an argument the call does not accept
    MalformedDocument,   // a persisted document that cannot be read
    UnsupportedVersion,  // a persisted document of another property-set version
    ClassNotRegistered,  // no class under that identifier
    AlreadyRegistered,   // a class identifier or programmatic identifier taken
    NoConnection,        // an event-sink cookie that is not connected
    LibraryNotFound,     // the library file a class is registered with is not there
    LibraryLoadFailed,   // the library file is there but cannot be loaded
    NoEntryPoint,        // a library without the control-library entry points
    StoreFailure,        // the device store could not be read or written
};

// Short English text for logs and test messages.
std::string_view errorText(Error error);

// A numeric code for C entry points: 0 is success, errors are negative.
constexpr int errorCode(Error error) {
    return -static_cast<int>(error);
}

template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::move(value)) {}  // NOLINT: implicit by design
    Result(Error error) : state_(error) {}         // NOLINT: implicit by design

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }

    // Only after ok(): the caller checks first.
    T& value() & { return std::get<T>(state_); }
    const T& value() const& { return std::get<T>(state_); }
    T&& value() && { return std::get<T>(std::move(state_)); }
    T& operator*() & { return value(); }
    const T& operator*() const& { return value(); }
    T* operator->() { return &value(); }
    const T* operator->() const { return &value(); }

    // Only after !ok().
    Error error() const { return std::get<Error>(state_); }

    T valueOr(T fallback) const { return ok() ? value() : std::move(fallback); }

  private:
    std::variant<T, Error> state_;
};

// The outcome of a call that returns nothing.
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(Error error) : error_(error), failed_(true) {}  // NOLINT: implicit by design

    bool ok() const { return !failed_; }
    explicit operator bool() const { return ok(); }
    Error error() const { return error_; }
    int code() const { return failed_ ? errorCode(error_) : 0; }

    bool operator==(const Status&) const = default;

  private:
    Error error_ = Error::MemberNotFound;
    bool failed_ = false;
};

inline Status ok() {
    return {};
}

}  // namespace brennix::com
