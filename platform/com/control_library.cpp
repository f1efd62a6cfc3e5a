#include "platform/com/control_library.h"

#include "platform/com/class_registry.h"

namespace brennix::com {

LibraryLock::LibraryLock(ControlLibrary& library) : library_(&library) {
    ++library_->locks_;
}

LibraryLock::LibraryLock(const LibraryLock& other) : library_(other.library_) {
    ++library_->locks_;
}

LibraryLock::~LibraryLock() {
    --library_->locks_;
}

ClassFactory::ClassFactory(ControlLibrary& library, const ClassEntry& entry)
    : library_(library), entry_(entry), alive_(library) {}

Result<std::shared_ptr<Control>> ClassFactory::createInstance() {
    if (!entry_.create) {
        return Error::ClassNotRegistered;
    }
    std::shared_ptr<Control> control;
    try {
        control = entry_.create();
    } catch (const std::bad_alloc&) {
        return Error::OutOfMemory;
    }
    if (control == nullptr) {
        return Error::OutOfMemory;
    }
    // The control shares ownership with a lock on its library.
    struct Held {
        LibraryLock lock;
        std::shared_ptr<Control> control;
    };
    auto held = std::make_shared<Held>(Held{LibraryLock(library_), std::move(control)});
    Control* raw = held->control.get();
    return std::shared_ptr<Control>(std::move(held), raw);
}

void ClassFactory::lockServer(bool lock) {
    // An unlock without a lock is ignored rather than hiding a live object.
    if (lock) {
        ++library_.serverLocks_;
    } else if (library_.serverLocks_ > 0) {
        --library_.serverLocks_;
    }
}

ClassEntry ClassEntry::withInterfaces(std::string dispatch, std::string events,
                                      std::string dispatchIid, std::string eventsIid) && {
    dispatchName = std::move(dispatch);
    eventsName = std::move(events);
    dispatchId = std::move(dispatchIid);
    eventsId = std::move(eventsIid);
    return std::move(*this);
}

ClassEntry ClassEntry::inTypeLibrary(std::string name) && {
    typeLibrary = std::move(name);
    return std::move(*this);
}

ClassEntry ClassEntry::withMiscStatus(std::uint32_t flags) && {
    miscStatus = flags;
    return std::move(*this);
}

std::string ClassEntry::coclassName() const {
    constexpr std::string_view kPrefix = "_D";
    std::string_view name = dispatchName;
    if (name.substr(0, kPrefix.size()) == kPrefix) {
        name.remove_prefix(kPrefix.size());
    }
    return std::string(name);
}

std::string ClassEntry::typeLibraryAlias() const {
    std::string coclass = coclassName();
    if (typeLibrary.empty() || coclass.empty()) {
        return {};
    }
    return typeLibrary + "." + coclass;
}

ControlLibrary::ControlLibrary(std::string name, std::vector<ClassEntry> classes)
    : name_(std::move(name)), classes_(std::move(classes)) {}

ControlLibrary::ControlLibrary(std::string name, TypeLibraryInfo typeLibrary,
                               std::vector<ClassEntry> classes,
                               std::vector<PageClassEntry> pageClasses)
    : name_(std::move(name)),
      typeLibrary_(std::move(typeLibrary)),
      classes_(std::move(classes)),
      pageClasses_(std::move(pageClasses)) {
    for (auto& entry : classes_) {
        if (entry.typeLibrary.empty()) {
            entry.typeLibrary = typeLibrary_.name;
        }
    }
}

Status ControlLibrary::registerServer() {
    return registerServer(ClassRegistry::process());
}

Status ControlLibrary::unregisterServer() {
    return unregisterServer(ClassRegistry::process());
}

Status ControlLibrary::registerServer(ClassRegistry& registry) {
    std::vector<ClassRegistry::Registration> pending;
    for (const auto& entry : classes_) {
        auto id = ClassId::parse(entry.classId);
        if (!id || entry.progId.empty()) {
            return Error::InvalidArgument;
        }
        const std::string alias = entry.typeLibraryAlias();
        for (const auto& identifier : {entry.classId, entry.progId, alias}) {
            if (identifier.empty()) {
                continue;
            }
            auto existing = registry.find(identifier);
            if (existing && existing->library != this) {
                return Error::AlreadyRegistered;
            }
        }
        pending.push_back({*id, entry.progId, entry.typeName, this, alias});
    }
    for (auto& registration : pending) {
        if (!registry.find(registration.classId.toString())) {
            auto status = registry.add(std::move(registration));
            if (!status) {
                return status;
            }
        }
    }
    return ok();
}

Status ControlLibrary::unregisterServer(ClassRegistry& registry) {
    for (const auto& entry : classes_) {
        auto id = ClassId::parse(entry.classId);
        if (!id) {
            continue;
        }
        auto existing = registry.find(id->toString());
        if (existing && existing->library == this) {
            (void)registry.remove(*id);
        }
    }
    return ok();
}

Result<std::shared_ptr<ClassFactory>> ControlLibrary::getClassObject(const ClassId& classId) {
    for (const auto& entry : classes_) {
        auto id = ClassId::parse(entry.classId);
        if (id && *id == classId) {
            return std::make_shared<ClassFactory>(*this, entry);
        }
    }
    return Error::ClassNotRegistered;
}

}  // namespace brennix::com
