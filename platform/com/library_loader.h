#pragma once
// The control libraries a registry loaded on demand: found through the class
// keys of the store, opened, and their classes registered in that registry.
// A library is closed only by freeUnused, and only while it holds no object,
// class object or server lock; whatever is still loaded when the loader goes
// stays loaded, as unmapping code that live objects may still run is worse
// than keeping it.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/class_id.h"
#include "platform/com/result.h"

namespace brennix::com {

class ClassRegistry;
class ControlLibrary;

// The folders of $BRENNIX_CONTROL_PATH as written (separated by ':', empty
// ones left out).
std::vector<std::string> controlPathFolders();
// Where a library the store does not name is looked for: the folders of
// $BRENNIX_CONTROL_PATH (absolute, separated by ':'), then the folder of the
// hosting library itself, so that libraries installed together find each
// other without being registered.
std::vector<std::string> librarySearchFolders();
// The file on those folders that holds the classes of `identifier`: its
// first part in lower case names it ("TRENDWICK.ChartCtrl.1" and
// "TRENDWICKLib.Chart": libtrendwick.so). Nothing for a class identifier.
std::optional<std::string> searchLibraryFile(std::string_view identifier);

class LibraryLoader {
  public:
    LibraryLoader() = default;
    LibraryLoader(const LibraryLoader&) = delete;
    LibraryLoader& operator=(const LibraryLoader&) = delete;
    ~LibraryLoader();

    // Loads the library the store names for `identifier`, else the one the
    // search folders hold for it, and registers its classes in `registry`.
    // On failure lastClassError() names the key or the file and what is
    // wrong with it.
    Status load(ClassRegistry& registry, std::string_view identifier);

    // Closes the libraries that can unload now, after taking their classes
    // out of `registry`.
    std::size_t freeUnused(ClassRegistry& registry);
    std::size_t loadedCount() const { return loaded_.size(); }

  private:
    // `expected`: the class the store names, which the file must hold.
    Status loadFile(ClassRegistry& registry, std::string_view identifier, const std::string& file,
                    const std::optional<ClassId>& expected);

    struct Loaded {
        std::string file;
        void* handle = nullptr;
        ControlLibrary* library = nullptr;
        int (*canUnloadNow)() = nullptr;
    };
    std::vector<Loaded> loaded_;
};

}  // namespace brennix::com
