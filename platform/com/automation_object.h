#pragma once
// An object whose dispatch interface is derived from its member table: no
// hand-written switch over ids. Controls and font objects are such objects.

#include <span>
#include <string_view>

#include "platform/com/dispatch.h"
#include "platform/com/member_table.h"

namespace brennix::com {

template <class C>
class TableBuilder;

class AutomationObject : public Dispatch {
  public:
    virtual const MemberTable& members() const = 0;

    Result<DispId> idOfName(std::string_view name) const final;
    Result<Variant> invoke(DispId id, InvokeKind kind, std::span<Variant> args) final;

  protected:
    template <class C>
    friend class TableBuilder;
    friend class PropertyExchange;

    // After a property set that was not refused (repaint, modified flag).
    virtual void propertyChanged(const Member& /*member*/) {}
    // The fixed message of a failed range test.
    virtual void showPropertyMessage(std::string_view text);
    // A value refused by its limits; shows the message by default.
    virtual void refuseProperty(std::string_view text) { showPropertyMessage(text); }
    // After a persisted set (or the defaults) was loaded.
    virtual void propertiesLoaded() {}
};

}  // namespace brennix::com
