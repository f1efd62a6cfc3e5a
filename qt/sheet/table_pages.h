#pragma once
// Pages made from a control's member table rather than from a page class:
// the platform's stock colour page, which a host supplies itself, and the
// page of a control that lists none.

#include <string>

#include "platform/com/member_table.h"
#include "platform/com/pages/property_page.h"

namespace brennix::qt {

// A colour field for every colour property the control publishes.
class StockColorPage final : public com::pages::PropertyPage {
  public:
    explicit StockColorPage(const com::MemberTable& members);
};

// A field for every published property that can be written and typed into
// a field: enumerations whose values count from 0 as drop-downs, booleans as
// check boxes, colours as colour fields, numbers and texts as edits (16-bit
// numbers with their range).
class MemberTablePage final : public com::pages::PropertyPage {
  public:
    MemberTablePage(std::string title, const com::MemberTable& members);
};

}  // namespace brennix::qt
