#include "platform/com/library_loader.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "platform/com/class_error.h"
#include "platform/com/class_keys.h"
#include "platform/com/class_registry.h"
#include "platform/com/control_library.h"

namespace brennix::com {
namespace {

using LibraryEntry = ControlLibrary* (*)();
using UnloadEntry = int (*)();

// Owns a handle from dlopen until it is handed over.
class OpenedFile {
  public:
    explicit OpenedFile(void* handle) : handle_(handle) {}
    ~OpenedFile() {
        if (handle_ != nullptr) {
            ::dlclose(handle_);
        }
    }
    OpenedFile(const OpenedFile&) = delete;
    OpenedFile& operator=(const OpenedFile&) = delete;

    void* get() const { return handle_; }
    void* release() {
        void* h = handle_;
        handle_ = nullptr;
        return h;
    }

  private:
    void* handle_;
};

template <class F>
F entryPoint(void* handle, const char* name) {
    ::dlerror();
    void* symbol = ::dlsym(handle, name);
    return reinterpret_cast<F>(symbol);
}

std::string loadError() {
    const char* text = ::dlerror();
    return text != nullptr ? text : "unknown loader error";
}

}  // namespace

LibraryLoader::~LibraryLoader() {
    // The handles are deliberately kept: see the header.
}

Status LibraryLoader::load(ClassRegistry& registry, std::string_view identifier) {
    auto stored = findStoredServer(identifier);
    if (!stored) {
        return stored.error();
    }
    const std::string& file = stored->libraryFile;
    const std::string name(identifier);
    std::error_code ec;
    const std::filesystem::path path(file);
    if (!path.is_absolute()) {
        return classFailure(Error::LibraryNotFound, name +
                                                        " is registered with the library file \"" +
                                                        file + "\", which is not an absolute path");
    }
    const auto status = std::filesystem::status(path, ec);
    if (ec || !std::filesystem::exists(status)) {
        return classFailure(Error::LibraryNotFound, name + " is registered with the library file " +
                                                        file + ", which does not exist");
    }
    if (std::filesystem::is_directory(status)) {
        return classFailure(Error::LibraryNotFound, name + " is registered with " + file +
                                                        ", which is a folder, not a library file");
    }

    Loaded* entry = nullptr;
    for (auto& loaded : loaded_) {
        if (std::filesystem::equivalent(loaded.file, path, ec)) {
            entry = &loaded;
            break;
        }
    }
    if (entry == nullptr) {
        ::dlerror();
        OpenedFile opened(::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL));
        if (opened.get() == nullptr) {
            return classFailure(
                Error::LibraryLoadFailed,
                "the library file " + file + " of " + name + " cannot be loaded: " + loadError());
        }
        auto libraryOf = entryPoint<LibraryEntry>(opened.get(), "BrennixControlLibrary");
        auto unloadable = entryPoint<UnloadEntry>(opened.get(), "DllCanUnloadNow");
        ControlLibrary* library = libraryOf != nullptr ? libraryOf() : nullptr;
        if (library == nullptr) {
            return classFailure(Error::NoEntryPoint, "the library file " + file + " of " + name +
                                                         " is not a control library: it has no "
                                                         "BrennixControlLibrary entry point");
        }
        loaded_.push_back({file, opened.release(), library, unloadable});
        entry = &loaded_.back();
    }

    if (auto registered = entry->library->registerServer(registry); !registered) {
        return classFailure(registered.error(), "the classes of " + file +
                                                    " could not be registered: " +
                                                    std::string(errorText(registered.error())));
    }
    auto found = registry.find(identifier);
    if (!found || found->classId != stored->classId) {
        return classFailure(Error::ClassNotRegistered,
                            "the library file " + file + " does not hold the class " +
                                stored->classId.toString() + " that the store names for " + name);
    }
    return ok();
}

std::size_t LibraryLoader::freeUnused(ClassRegistry& registry) {
    std::size_t closed = 0;
    for (auto it = loaded_.begin(); it != loaded_.end();) {
        const bool idle =
            it->canUnloadNow != nullptr ? it->canUnloadNow() == 0 : it->library->canUnloadNow();
        if (!idle) {
            ++it;
            continue;
        }
        (void)it->library->unregisterServer(registry);
        ::dlclose(it->handle);
        it = loaded_.erase(it);
        ++closed;
    }
    return closed;
}

}  // namespace brennix::com
