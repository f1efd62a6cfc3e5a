#pragma once
// A property page as a model: fields bound to property names, opened from a
// control's dispatch interface and applied back through it, so the control's
// change handlers and messages run. Hosts render it; no toolkit here.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/dispatch.h"
#include "platform/com/pages/page_field.h"

namespace brennix::com::pages {

// What apply did: refused (with the message to show, nothing written) or
// written, in which case status tells whether every put succeeded.
struct ApplyOutcome {
    bool refused = false;
    std::string message;
    Status status{};
    bool ok() const { return !refused && status.ok(); }
};

class PropertyPage {
  public:
    explicit PropertyPage(std::string title) : title_(std::move(title)) {}
    virtual ~PropertyPage() = default;
    PropertyPage(const PropertyPage&) = delete;
    PropertyPage& operator=(const PropertyPage&) = delete;

    const std::string& title() const { return title_; }
    std::vector<Field>& fields() { return fields_; }
    const std::vector<Field>& fields() const { return fields_; }

    // By bound property, else by label; nullptr when absent.
    Field* field(std::string_view name);
    const Field* field(std::string_view name) const;

    // Reads every bound field from the first control; a property the control
    // lacks leaves its field empty and disabled.
    void open(std::span<Dispatch* const> controls);
    void open(Dispatch& control);

    // The host's edit of a field; the page may react (refill a list).
    void setValue(std::string_view name, Variant value);

    // Every field in range, or nothing is written. Then only changed fields
    // are put, on every control, in field order.
    ApplyOutcome apply(std::span<Dispatch* const> controls);
    ApplyOutcome apply(Dispatch& control);

    bool dirty() const;

  protected:
    Field& add(Field field);
    virtual void fieldChanged(Field& /*field*/) {}
    virtual void opened() {}

  private:
    std::string title_;
    std::vector<Field> fields_;
};

// The platform's standard text for a value outside a field's range.
std::string rangeMessage(const NumericRange& range);

// Field builders for the page classes.
Field textField(std::string property, std::string label);
Field rangedField(std::string property, std::string label, double minimum, double maximum,
                  bool integer = true);
Field checkField(std::string property, std::string label);
Field listField(std::string property, std::string label, std::vector<std::string> entries,
                FieldKind kind = FieldKind::DropDown);
Field radioField(std::string property, std::string label, std::vector<std::string> buttons);
Field colorField(std::string property, std::string label);

}  // namespace brennix::com::pages
