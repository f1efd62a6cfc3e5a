#pragma once
// The declarative member table of a class: built once with TableBuilder,
// read by dispatch, persistence, type information and property pages.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/member.h"

namespace brennix::com {

class MemberTable {
  public:
    MemberTable() = default;
    MemberTable(std::string className, std::vector<Member> members,
                std::vector<PersistEntry> persisted);

    const std::string& className() const { return className_; }
    std::span<const Member> members() const { return members_; }
    std::span<const PersistEntry> persisted() const { return persisted_; }
    const Member& member(std::size_t index) const { return members_[index]; }

    // Properties and methods by id or by name (case-insensitive); internal
    // values are not found.
    const Member* find(DispId id) const;
    const Member* find(std::string_view name) const;
    const Member* findEvent(DispId id) const;
    const Member* findEvent(std::string_view name) const;

    // The type information: published properties, methods and events in
    // table order.
    std::vector<const Member*> published() const;

    // Problems found while building (duplicate names, unknown persisted
    // names); empty for a sound table.
    const std::vector<std::string>& problems() const { return problems_; }

  private:
    void check();

    std::string className_;
    std::vector<Member> members_;
    std::vector<PersistEntry> persisted_;
    std::vector<std::string> problems_;
};

bool equalsIgnoringCase(std::string_view a, std::string_view b);

}  // namespace brennix::com
