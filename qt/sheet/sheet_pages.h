#pragma once
// The pages of a control's property sheet: the page classes the control
// lists, in its order, made from the page classes of the control libraries
// this host knows (which record what their controls list), then from the
// process's page registry. The platform's
// stock colour page is the host's own. A listed page that has no class yet
// is left out; a control that lists no page at all gets one made from its
// member table, so that every control can be edited.

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/control.h"
#include "platform/com/pages/page_registry.h"

namespace brennix::qt {

// The page classes of the chart, instrument and equipment libraries, once
// per process.
com::pages::PageRegistry& hostPageRegistry();

// Class identifiers of the pages the control lists, in sheet order.
// controlId: the programmatic identifier or type-library alias it was made by.
std::vector<std::string> listedPages(const com::Control& control, const QString& controlId);

std::vector<std::unique_ptr<com::pages::PropertyPage>> pagesFor(const com::Control& control,
                                                                const QString& controlId);

}  // namespace brennix::qt
