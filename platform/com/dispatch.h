#pragma once
// The late-bound interface every control and automation object offers:
// names map to dispatch ids, ids are invoked as get, put or method call.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/com/result.h"
#include "platform/com/variant.h"

namespace brennix::com {

using DispId = std::int32_t;

enum class InvokeKind : std::uint8_t { Get, Put, Call };

class Dispatch {
  public:
    virtual ~Dispatch() = default;

    // Case-insensitive; MemberNotFound for an unknown name.
    virtual Result<DispId> idOfName(std::string_view name) const = 0;

    // A put takes exactly one argument. Arguments may be written back by the
    // callee (by-reference parameters).
    virtual Result<Variant> invoke(DispId id, InvokeKind kind, std::span<Variant> args) = 0;

    Result<Variant> get(DispId id);
    Result<Variant> get(std::string_view name);
    Status put(DispId id, Variant value);
    Status put(std::string_view name, Variant value);
    Result<Variant> call(DispId id, std::vector<Variant> args = {});
    Result<Variant> call(std::string_view name, std::vector<Variant> args = {});
};

}  // namespace brennix::com
