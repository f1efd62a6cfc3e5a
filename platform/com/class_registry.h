#pragma once
// The classes a process can create, by programmatic identifier (compared
// without regard to case) or by class identifier, filled by the libraries'
// registration entry points.
//
// Loading a library on demand is a seam: a resolver, when installed, is asked
// to load and register the library for an identifier nobody has registered.

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/class_id.h"
#include "platform/com/control.h"

namespace brennix::com {

class ControlLibrary;
class LibraryLoader;

class ClassRegistry {
  public:
    struct Registration {
        ClassId classId;
        std::string progId;
        std::string typeName;
        ControlLibrary* library = nullptr;
        std::string typeLibraryAlias{};  // "TRENDWICKLib.Chart", found like the progId
    };
    using LibraryResolver = std::function<Status(std::string_view identifier)>;

    ClassRegistry() = default;
    ClassRegistry(const ClassRegistry&) = delete;
    ClassRegistry& operator=(const ClassRegistry&) = delete;

    // The registry every library's entry points use.
    static ClassRegistry& process();

    Status add(Registration registration);
    Status remove(const ClassId& classId);

    // identifier: a programmatic identifier, a type-library alias or a class
    // identifier in braces.
    std::optional<Registration> find(std::string_view identifier) const;
    Result<ClassId> classIdOf(std::string_view progId) const;
    const std::vector<Registration>& classes() const { return classes_; }

    // A new control of the class, with its defaults loaded.
    Result<std::shared_ptr<Control>> create(std::string_view identifier);

    void setLibraryResolver(LibraryResolver resolver) { resolver_ = std::move(resolver); }

    // Loads libraries on demand from the class keys in the device store: an
    // identifier nobody registered is looked up there, the library named
    // there is loaded and its classes registered here. An identifier the
    // store does not know is looked for in the libraries the program links
    // and on the search folders (librarySearchFolders() in library_loader.h).
    // The process registry does this from the start. lastClassError()
    // tells why a load failed.
    void useStoreLibraries();
    // Unloads the libraries loaded on demand that hold no object, class
    // object or server lock; their classes leave this registry. Returns how
    // many were unloaded. Libraries still in use stay, also when the
    // registry goes.
    std::size_t freeUnusedLibraries();
    std::size_t loadedLibraryCount() const;

  private:
    std::vector<Registration> classes_;
    LibraryResolver resolver_;
    std::shared_ptr<LibraryLoader> loader_;
};

}  // namespace brennix::com
