#include "platform/com/class_registry.h"

#include "platform/com/control_library.h"
#include "platform/com/library_loader.h"

namespace brennix::com {

ClassRegistry& ClassRegistry::process() {
    static ClassRegistry registry;
    static const bool loadsOnDemand = (registry.useStoreLibraries(), true);
    (void)loadsOnDemand;
    return registry;
}

void ClassRegistry::useStoreLibraries() {
    if (!loader_) {
        loader_ = std::make_shared<LibraryLoader>();
    }
    resolver_ = [this, loader = loader_](std::string_view identifier) {
        return loader->load(*this, identifier);
    };
}

std::size_t ClassRegistry::freeUnusedLibraries() {
    return loader_ ? loader_->freeUnused(*this) : 0;
}

std::size_t ClassRegistry::loadedLibraryCount() const {
    return loader_ ? loader_->loadedCount() : 0;
}

Status ClassRegistry::add(Registration registration) {
    if (registration.library == nullptr || registration.progId.empty()) {
        return Error::InvalidArgument;
    }
    if (find(registration.classId.toString()) || find(registration.progId) ||
        (!registration.typeLibraryAlias.empty() && find(registration.typeLibraryAlias))) {
        return Error::AlreadyRegistered;
    }
    classes_.push_back(std::move(registration));
    return ok();
}

Status ClassRegistry::remove(const ClassId& classId) {
    auto removed = std::erase_if(classes_, [&](const auto& r) { return r.classId == classId; });
    return removed > 0 ? ok() : Status(Error::ClassNotRegistered);
}

std::optional<ClassRegistry::Registration> ClassRegistry::find(std::string_view identifier) const {
    if (!identifier.empty() && identifier.front() == '{') {
        auto id = ClassId::parse(identifier);
        if (!id) {
            return std::nullopt;
        }
        for (const auto& r : classes_) {
            if (r.classId == *id) {
                return r;
            }
        }
        return std::nullopt;
    }
    for (const auto& r : classes_) {
        if (equalsIgnoringCase(r.progId, identifier) ||
            (!r.typeLibraryAlias.empty() && equalsIgnoringCase(r.typeLibraryAlias, identifier))) {
            return r;
        }
    }
    return std::nullopt;
}

Result<ClassId> ClassRegistry::classIdOf(std::string_view progId) const {
    auto r = find(progId);
    if (!r) {
        return Error::ClassNotRegistered;
    }
    return r->classId;
}

Result<std::shared_ptr<Control>> ClassRegistry::create(std::string_view identifier) {
    auto registration = find(identifier);
    if (!registration && resolver_) {
        auto loaded = resolver_(identifier);
        if (!loaded) {
            return loaded.error();
        }
        registration = find(identifier);
    }
    if (!registration) {
        return Error::ClassNotRegistered;
    }
    auto factory = registration->library->getClassObject(registration->classId);
    if (!factory) {
        return factory.error();
    }
    return (*factory)->createInstance();
}

}  // namespace brennix::com
