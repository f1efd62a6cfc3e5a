#pragma once
// The property-page classes a process can create, each under its own class
// identifier, programmatic identifier and title. Controls list pages by
// class identifier; a host creates them here.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/class_id.h"
#include "platform/com/pages/property_page.h"

namespace brennix::com::pages {

// The platform's stock pages, which every host supplies itself.
inline constexpr std::string_view kStockColorPageId = "{0BE35200-8F91-11CE-9DE3-00AA004BB851}";
inline constexpr std::string_view kStockFontPageId = "{0BE35201-8F91-11CE-9DE3-00AA004BB851}";

struct PageClass {
    std::string classId;  // "{...}"
    std::string progId;
    std::string title;
    std::function<std::unique_ptr<PropertyPage>()> create;
};

// The pages a control class lists, in sheet order, by class identifier.
struct ControlPages {
    std::string controlClassId;  // "{...}"
    std::string controlProgId;
    std::vector<std::string> pageIds;
};

class PageRegistry {
  public:
    PageRegistry() = default;
    PageRegistry(const PageRegistry&) = delete;
    PageRegistry& operator=(const PageRegistry&) = delete;

    static PageRegistry& process();

    // A malformed class identifier is InvalidArgument; an identifier or
    // programmatic identifier already held by another class is
    // AlreadyRegistered. The same class again is harmless.
    Status add(PageClass page);
    // By class identifier (braces optional) or programmatic identifier.
    const PageClass* find(std::string_view identifier) const;
    Result<std::unique_ptr<PropertyPage>> create(std::string_view identifier) const;
    const std::vector<PageClass>& pages() const { return pages_; }

    // Records what a control class lists; a later listing of the same class
    // replaces it. A malformed identifier is InvalidArgument.
    Status list(ControlPages listing);
    // By the control's class identifier or programmatic identifier; empty
    // for a class that lists nothing here.
    std::vector<std::string> pagesOf(std::string_view control) const;

  private:
    std::vector<PageClass> pages_;
    std::vector<ControlPages> listings_;
};

}  // namespace brennix::com::pages
