#include "tools/common/control_libraries.h"

#include <dlfcn.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <system_error>

#include "platform/com/class_registry.h"
#include "platform/com/library_loader.h"

namespace brennix::tools {
namespace {

#ifndef BRENNIX_INSTALL_LIBDIR
#define BRENNIX_INSTALL_LIBDIR "lib"
#endif
#ifndef BRENNIX_LIBRARY_ARCH
#define BRENNIX_LIBRARY_ARCH ""
#endif

using LibraryEntry = com::ControlLibrary* (*)();

std::filesystem::path programFolder() {
    std::error_code ec;
    auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path() : self.parent_path();
}

}  // namespace

std::vector<std::filesystem::path> controlLibraryFolders() {
    std::vector<std::filesystem::path> folders;
    for (const std::string& folder : com::controlPathFolders()) {
        folders.emplace_back(folder);
    }
    if (const auto bin = programFolder(); !bin.empty()) {
        const std::filesystem::path prefix = bin.parent_path();
        const std::filesystem::path libdir = BRENNIX_INSTALL_LIBDIR;
        // Installed on a multiarch system the libraries are in lib/<triplet>.
        if (libdir.is_relative() && libdir != "lib") {
            folders.push_back(prefix / libdir);
        }
        if (const std::string arch = BRENNIX_LIBRARY_ARCH; !arch.empty()) {
            folders.push_back(prefix / "lib" / arch);
        }
        folders.push_back(prefix / "lib");
        if (libdir.is_absolute()) {
            folders.push_back(libdir);
        }
        folders.push_back(bin);
    }
    return folders;
}

LibraryLoad loadControlLibraries(const std::vector<std::string>& names) {
    // Handles stay open for the life of the process: controls may live as long.
    static std::mutex mutex;
    static std::map<std::string, LoadedLibrary> opened;
    std::lock_guard lock(mutex);
    LibraryLoad result;
    const auto folders = controlLibraryFolders();
    for (const std::string& name : names) {
        if (auto it = opened.find(name); it != opened.end()) {
            result.loaded.push_back(it->second);
            continue;
        }
        bool found = false;
        for (const auto& folder : folders) {
            const auto file = folder / ("lib" + name + ".so");
            std::error_code ec;
            if (!std::filesystem::is_regular_file(file, ec)) {
                continue;
            }
            found = true;
            ::dlerror();
            void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
            if (handle == nullptr) {
                const char* why = ::dlerror();
                result.problems.push_back(file.string() + ": " + (why != nullptr ? why : "?"));
                break;
            }
            auto entry = reinterpret_cast<LibraryEntry>(::dlsym(handle, "BrennixControlLibrary"));
            com::ControlLibrary* library = entry != nullptr ? entry() : nullptr;
            if (library == nullptr) {
                result.problems.push_back(file.string() + ": not a control library");
                break;
            }
            if (auto status = library->registerServer(com::ClassRegistry::process()); !status) {
                result.problems.push_back(file.string() + ": " +
                                          std::string(com::errorText(status.error())));
                break;
            }
            LoadedLibrary loaded{name, file, library};
            opened.emplace(name, loaded);
            result.loaded.push_back(std::move(loaded));
            break;
        }
        if (!found) {
            result.missing.push_back(name);
        }
    }
    return result;
}

LibraryLoad loadSuiteLibraries() {
    return loadControlLibraries({std::begin(kSuiteLibraries), std::end(kSuiteLibraries)});
}

}  // namespace brennix::tools
