#pragma once
// The page classes of the instrument library and the pages each control
// lists, in sheet order (the platform's stock colour and font pages
// included by their identifiers).

#include <string>
#include <string_view>
#include <vector>

#include "platform/com/pages/page_registry.h"

namespace brennix::instruments {

std::vector<com::pages::PageClass> panelmoorPageClasses();
com::Status registerPanelmoorPages(com::pages::PageRegistry& registry);

// Class identifiers of the pages a control lists; empty for another name.
std::vector<std::string> pagesOf(std::string_view controlName);

}  // namespace brennix::instruments
