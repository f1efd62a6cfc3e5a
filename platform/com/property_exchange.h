#pragma once
// Persistence of an object's property set, derived from its member table:
// named, typed values under the property-set version stamp 1.0, in a
// readable JSON document:
//
//   { "class": "Knob", "version": "1.0",
//     "properties": { "Value": { "type": "double", "value": 2.5 }, ... } }
//
// Loading takes each persisted value in table order; a missing value loads
// its default; no change handler or range test runs. A document that cannot
// be read (syntax, version, a value of the wrong type or range) is an error
// and changes nothing. Values the table does not know are ignored.

#include <string>
#include <string_view>

#include "platform/com/automation_object.h"
#include "platform/com/result.h"

namespace brennix::com {

class PropertyExchange {
  public:
    static constexpr std::string_view kVersion = "1.0";

    static std::string save(const AutomationObject& object);
    static Status load(AutomationObject& object, std::string_view document);
    // The default set: what a new object and a reset get.
    static void loadDefaults(AutomationObject& object);
};

}  // namespace brennix::com
