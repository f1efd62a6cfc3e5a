#pragma once
// The control libraries a registry loaded on demand: found through the class
// keys of the store, opened, and their classes registered in that registry.
// A library is closed only by freeUnused, and only while it holds no object,
// class object or server lock; whatever is still loaded when the loader goes
// stays loaded, as unmapping code that live objects may still run is worse
// than keeping it.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/result.h"

namespace brennix::com {

class ClassRegistry;
class ControlLibrary;

class LibraryLoader {
  public:
    LibraryLoader() = default;
    LibraryLoader(const LibraryLoader&) = delete;
    LibraryLoader& operator=(const LibraryLoader&) = delete;
    ~LibraryLoader();

    // Loads the library the store names for `identifier` and registers its
    // classes in `registry`. On failure lastClassError() names the key or the
    // file and what is wrong with it.
    Status load(ClassRegistry& registry, std::string_view identifier);

    // Closes the libraries that can unload now, after taking their classes
    // out of `registry`.
    std::size_t freeUnused(ClassRegistry& registry);
    std::size_t loadedCount() const { return loaded_.size(); }

  private:
    struct Loaded {
        std::string file;
        void* handle = nullptr;
        ControlLibrary* library = nullptr;
        int (*canUnloadNow)() = nullptr;
    };
    std::vector<Loaded> loaded_;
};

}  // namespace brennix::com
