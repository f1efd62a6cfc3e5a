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
#include "platform/gfx/bitmap.h"

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

    // The host's click on a Button field (by label); the page may open a
    // chooser (tree_chooser.h) and change its fields. Nothing for another name.
    void press(std::string_view name);

    // Every field in range, or nothing is written. Then only changed fields
    // are put, on every control, in field order.
    ApplyOutcome apply(std::span<Dispatch* const> controls);
    ApplyOutcome apply(Dispatch& control);

    bool dirty() const;

  protected:
    Field& add(Field field);
    // For pages whose fields depend on the control they open on.
    void clearFields() { fields_.clear(); }
    // Before the bound fields are read.
    virtual void opening(std::span<Dispatch* const> /*controls*/) {}
    virtual void fieldChanged(Field& /*field*/) {}
    virtual void opened() {}
    virtual void buttonPressed(Field& /*button*/) {}
    // How a bound field is read from and written to one control; a page
    // whose fields live on an object the control holds (a font) routes them.
    virtual Result<Variant> readProperty(Dispatch& control, const Field& field);
    virtual Status writeProperty(Dispatch& control, const Field& field, const Variant& value);

  private:
    std::string title_;
    std::vector<Field> fields_;
};

// The platform's standard text for a value outside a field's range.
std::string rangeMessage(const NumericRange& range);

// Entry n of a picture radio group drawn on a fresh bitmap of that size
// (white where the picture leaves it); empty without a picture.
gfx::Bitmap renderEntryPicture(const Field& field, std::size_t entry, gfx::Size size);

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
