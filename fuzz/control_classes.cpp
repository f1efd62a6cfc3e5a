#include "fuzz/control_classes.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <vector>

#include "platform/com/control_library.h"
#include "platform/com/message_box.h"

namespace brennix::fuzz {
namespace {

std::vector<std::string> controlLibraries() {
    std::vector<std::string> names;
    std::stringstream list(BRENNIX_FUZZ_CONTROL_LIBRARIES);
    for (std::string name; std::getline(list, name, ':');) {
        names.push_back(name);
    }
    return names;
}

com::ClassRegistry& registry() {
    static com::ClassRegistry classes;
    return classes;
}

std::vector<com::ClassRegistry::Registration> loadAll() {
    using Entry = com::ControlLibrary* (*)();
    for (const auto& name : controlLibraries()) {
        const std::filesystem::path file = std::filesystem::path(BRENNIX_FUZZ_LIBRARY_DIR) / name;
        // Kept loaded for the whole run: the fuzzer counts coverage in it.
        void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle == nullptr) {
            std::fprintf(stderr, "fuzz: %s\n", ::dlerror());
            std::abort();
        }
        auto entry = reinterpret_cast<Entry>(::dlsym(handle, "BrennixControlLibrary"));
        if (entry == nullptr) {
            continue;  // a shared library of those folders that holds no controls
        }
        if (!entry()->registerServer(registry()).ok()) {
            std::fprintf(stderr, "fuzz: %s does not register\n", file.c_str());
            std::abort();
        }
        std::fprintf(stderr, "fuzz: controls of %s\n", file.filename().c_str());
    }
    if (registry().classes().empty()) {
        std::fprintf(stderr, "fuzz: no control library in %s\n", BRENNIX_FUZZ_LIBRARY_DIR);
        std::abort();
    }
    return registry().classes();
}

}  // namespace

const std::vector<com::ClassRegistry::Registration>& controlClasses() {
    static const auto classes = loadAll();
    return classes;
}

std::shared_ptr<com::Control> createControl(const com::ClassRegistry::Registration& cls) {
    auto control = registry().create(cls.progId);
    if (!control) {
        std::fprintf(stderr, "fuzz: %s cannot be created\n", cls.progId.c_str());
        std::abort();
    }
    return *control;
}

void quietMessages() {
    com::installMessageHandler([](const com::Message&) {});
}

}  // namespace brennix::fuzz
