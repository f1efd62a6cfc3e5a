#pragma once
// One field of a property page: what kind of dialog control it is, the
// property it is bound to by name, and the value it holds while the page is
// open.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/com/variant.h"
#include "platform/gfx/canvas.h"

namespace brennix::com::pages {

enum class FieldKind : std::uint8_t {
    TextEdit,  // free text or a number, optionally with an accepted range
    DropDown,  // entry index is the value
    ListBox,   // entry index is the value
    CheckBox,
    RadioGroup,  // index of the chosen button is the value
    ColorField,  // colour as a 32-bit value, with a chooser button
    DateTime,
    HiddenEdit,  // bound but not shown
    Button,      // no value
    Tree,        // a chooser; the value is the chosen item's text
};

struct NumericRange {
    double minimum = 0;
    double maximum = 0;
    bool integer = true;
};

struct Field {
    FieldKind kind = FieldKind::TextEdit;
    std::string property;  // empty: not bound (a sample value, a button)
    std::string label;
    std::optional<NumericRange> range;
    // Lists and radio groups, in index order. A value that is no entry's
    // index shows no selection and stays as it is unless the user picks one.
    std::vector<std::string> entries;
    bool hidden = false;
    bool enabled = true;
    // Shown disabled because the page fixed its value; unlike a disabled
    // field it is still applied.
    bool locked = false;

    Variant value;     // what the field shows now
    Variant original;  // what opening read; a field equal to it is not written

    // A radio group whose buttons show pictures: draws entry n into the
    // rectangle. Empty for text buttons.
    std::function<void(gfx::Canvas&, const gfx::Rect&, std::size_t)> entryPicture{};
    // DateTime: the picker's display format ("hh':'mm':'ss"); its value is
    // text "YYYY-MM-DD hh:mm:ss".
    std::string displayFormat{};

    bool bound() const { return !property.empty(); }
    // Numbers compare by value, whatever integer or real type carries them.
    bool changed() const;
};

}  // namespace brennix::com::pages
