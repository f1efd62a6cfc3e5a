#include "platform/com/pages/page_registry.h"

#include <cctype>

namespace brennix::com::pages {
namespace {

bool iequals(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

}  // namespace

PageRegistry& PageRegistry::process() {
    static PageRegistry registry;
    return registry;
}

Status PageRegistry::add(PageClass page) {
    auto id = ClassId::parse(page.classId);
    if (!id || !page.create)
        return Error::InvalidArgument;
    for (const PageClass& held : pages_) {
        const bool sameId = *ClassId::parse(held.classId) == *id;
        const bool sameProgId = iequals(held.progId, page.progId);
        if (sameId && sameProgId)
            return ok();
        if (sameId || sameProgId)
            return Error::AlreadyRegistered;
    }
    page.classId = id->toString();
    pages_.push_back(std::move(page));
    return ok();
}

const PageClass* PageRegistry::find(std::string_view identifier) const {
    auto id = ClassId::parse(identifier);
    for (const PageClass& held : pages_) {
        if (id ? *ClassId::parse(held.classId) == *id : iequals(held.progId, identifier)) {
            return &held;
        }
    }
    return nullptr;
}

Result<std::unique_ptr<PropertyPage>> PageRegistry::create(std::string_view identifier) const {
    const PageClass* page = find(identifier);
    if (page == nullptr)
        return Error::ClassNotRegistered;
    return page->create();
}

Status PageRegistry::list(ControlPages listing) {
    auto id = ClassId::parse(listing.controlClassId);
    if (!id)
        return Error::InvalidArgument;
    for (std::string& page : listing.pageIds) {
        auto pageId = ClassId::parse(page);
        if (!pageId)
            return Error::InvalidArgument;
        page = pageId->toString();
    }
    listing.controlClassId = id->toString();
    for (ControlPages& held : listings_) {
        if (held.controlClassId == listing.controlClassId) {
            held = std::move(listing);
            return ok();
        }
    }
    listings_.push_back(std::move(listing));
    return ok();
}

std::vector<std::string> PageRegistry::pagesOf(std::string_view control) const {
    auto id = ClassId::parse(control);
    for (const ControlPages& held : listings_) {
        if (id ? *ClassId::parse(held.controlClassId) == *id
               : iequals(held.controlProgId, control)) {
            return held.pageIds;
        }
    }
    return {};
}

}  // namespace brennix::com::pages
