#pragma once
// The control classes of every display control library in the build, for
// the fuzz targets that drive controls.

#include <memory>
#include <string>
#include <vector>

#include "platform/com/class_registry.h"
#include "platform/com/control.h"

namespace brennix::fuzz {

// Loads, once, every control library built from the display control
// folders, and registers their classes in a registry of its own
// (the device store is not touched). Aborts when it finds none: a fuzz run
// over no control would pass without testing anything.
const std::vector<com::ClassRegistry::Registration>& controlClasses();

std::shared_ptr<com::Control> createControl(const com::ClassRegistry::Registration& cls);

// Message boxes are dropped from here on.
void quietMessages();

}  // namespace brennix::fuzz
