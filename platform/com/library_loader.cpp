#include "platform/com/library_loader.h"

#include <dlfcn.h>
#include <link.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/com/class_error.h"
#include "platform/com/class_keys.h"
#include "platform/com/class_registry.h"
#include "platform/com/control_library.h"
#include "platform/com/server_registration.h"

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

// "TRENDWICK.ChartCtrl.1" and "TRENDWICKLib.Chart" are both of the library
// file libtrendwick.so; nothing for a class identifier or another shape.
std::optional<std::string> libraryFileName(std::string_view identifier) {
    const auto dot = identifier.find('.');
    if (dot == std::string_view::npos || dot == 0) {
        return std::nullopt;
    }
    std::string name(identifier.substr(0, dot));
    if (name.size() > 3 && name.ends_with("Lib")) {
        name.resize(name.size() - 3);
    }
    for (char& c : name) {
        if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '_') {
            return std::nullopt;
        }
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return "lib" + name + ".so";
}

}  // namespace

std::vector<std::string> controlPathFolders() {
    std::vector<std::string> folders;
    if (const char* path = std::getenv("BRENNIX_CONTROL_PATH"); path != nullptr) {
        std::string_view rest(path);
        while (!rest.empty()) {
            const auto colon = rest.find(':');
            if (colon != 0) {
                folders.emplace_back(rest.substr(0, colon));
            }
            rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
        }
    }
    return folders;
}

std::vector<std::string> librarySearchFolders() {
    std::vector<std::string> folders;
    // A relative folder would change meaning with the working directory.
    for (std::string& folder : controlPathFolders()) {
        if (std::filesystem::path(folder).is_absolute()) {
            folders.push_back(std::move(folder));
        }
    }
    static const int anchor = 0;
    if (auto own = libraryFileOf(&anchor)) {
        folders.push_back(std::filesystem::path(*own).parent_path().string());
    }
    return folders;
}

std::optional<std::string> searchLibraryFile(std::string_view identifier) {
    auto name = libraryFileName(identifier);
    if (!name) {
        return std::nullopt;
    }
    // A library the program links is already here, wherever it lies.
    if (void* handle = ::dlopen(name->c_str(), RTLD_NOW | RTLD_NOLOAD)) {
        OpenedFile linked(handle);
        struct link_map* map = nullptr;
        if (::dlinfo(handle, RTLD_DI_LINKMAP, &map) == 0 && map != nullptr &&
            map->l_name != nullptr && map->l_name[0] == '/') {
            return std::string(map->l_name);
        }
    }
    for (const auto& folder : librarySearchFolders()) {
        std::error_code ec;
        const auto file = std::filesystem::path(folder) / *name;
        if (std::filesystem::is_regular_file(file, ec)) {
            return file.string();
        }
    }
    return std::nullopt;
}

LibraryLoader::~LibraryLoader() {
    // The handles are deliberately kept: see the header.
}

Status LibraryLoader::load(ClassRegistry& registry, std::string_view identifier) {
    auto stored = findStoredServer(identifier);
    if (!stored) {
        // Not in the store: an installed library is found by its name.
        if (stored.error() == Error::ClassNotRegistered) {
            const std::string why = lastClassError();
            if (auto file = searchLibraryFile(identifier)) {
                return loadFile(registry, identifier, *file, std::nullopt);
            }
            (void)classFailure(Error::ClassNotRegistered, why);
        }
        return stored.error();
    }
    return loadFile(registry, identifier, stored->libraryFile, stored->classId);
}

Status LibraryLoader::loadFile(ClassRegistry& registry, std::string_view identifier,
                               const std::string& file, const std::optional<ClassId>& expected) {
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
    if (expected && (!found || found->classId != *expected)) {
        return classFailure(Error::ClassNotRegistered,
                            "the library file " + file + " does not hold the class " +
                                expected->toString() + " that the store names for " + name);
    }
    if (!found) {
        return classFailure(Error::ClassNotRegistered,
                            "the library file " + file + " does not hold " + name);
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
