#pragma once
// One entry of a class's member table: a property, a method or an event,
// with what dispatch, type information, persistence and property pages need.

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "platform/com/dispatch.h"

namespace brennix::com {

class AutomationObject;

enum class MemberKind : std::uint8_t { Property, Method, Event };

// Int16 with an enumeration is an enumerated property. Color is a 32-bit
// colour value; Void is the return type of a method without result.
enum class PropType : std::uint8_t {
    Int16,
    Int32,
    Double,
    Bool,
    String,
    Color,
    Font,
    Variant,
    Void
};

std::string_view propTypeName(PropType type);

// Published members are listed in the type information; unlisted ones are
// reachable by name and id only; internal ones are persisted values that no
// interface exposes.
enum class Visibility : std::uint8_t { Published, Unlisted, Internal };

struct EnumValue {
    std::int16_t value = 0;
    std::string name;
    std::string label;  // what the type information and the property pages show
};

struct Enumeration {
    std::string name;
    std::vector<EnumValue> values;

    const EnumValue* find(std::int16_t value) const;
};

// The values a property takes, as its table tests them. Reset: the value
// is stored, then a value outside shows the message and takes `reset`.
// Refused: a value outside shows the message and nothing changes. An end
// left empty is open.
struct ValueRange {
    enum class Outside : std::uint8_t { Reset, Refused };
    std::optional<double> low;
    std::optional<double> high;
    Outside outside = Outside::Reset;
    std::optional<double> reset;
    std::string message;
};

struct Param {
    std::string name;
    PropType type = PropType::Variant;
    bool byRef = false;  // the callee may write the argument back
};

using ValueFn = std::function<Variant(const AutomationObject&)>;
using StoreFn = std::function<Status(AutomationObject&, const Variant&)>;
using CallFn = std::function<Result<Variant>(AutomationObject&, std::span<Variant>)>;

struct Member {
    DispId id = 0;
    std::string name;
    MemberKind kind = MemberKind::Property;
    PropType type = PropType::Void;  // of a property, or a method's result
    std::vector<Param> params;       // of a method or an event
    std::shared_ptr<const Enumeration> enumeration;
    // What each value of a coded property means, where the type information
    // has no enumeration for it (the reference and hosts read it).
    std::shared_ptr<const Enumeration> codes;
    std::optional<ValueRange> range;
    bool readOnly = false;
    Visibility visibility = Visibility::Published;

    ValueFn get;           // the current value, in the property's type
    StoreFn store;         // converts and assigns, nothing else (loading)
    StoreFn put;           // the whole property change pattern (dispatch)
    ValueFn defaultValue;  // evaluated when defaults are loaded
    CallFn call;           // a method
};

// One value of the persisted set, in order.
struct PersistEntry {
    std::string name;
    std::size_t member = 0;  // index into the table's members
    ValueFn defaultValue;
};

}  // namespace brennix::com
