#include "platform/com/server_registration.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "platform/com/class_error.h"
#include "platform/com/class_keys.h"
#include "platform/com/class_registry.h"
#include "platform/com/control_library.h"

namespace brennix::com {
namespace {

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::error_code ec;
    return std::filesystem::equivalent(a, b, ec);
}

// A versioned library (libx.so.0.1.0) goes by the unversioned link beside
// it when that leads to the same file, so that a stored path outlives an
// upgrade.
std::filesystem::path unversioned(const std::filesystem::path& file) {
    const std::string name = file.filename().string();
    const auto at = name.find(".so.");
    if (at == std::string::npos) {
        return file;
    }
    auto link = file.parent_path() / name.substr(0, at + 3);
    return sameFile(link, file) ? link : file;
}

}  // namespace

std::optional<std::string> libraryFileOf(const void* address) {
    Dl_info info{};
    if (address == nullptr || ::dladdr(address, &info) == 0 || info.dli_fname == nullptr ||
        info.dli_fname[0] == '\0') {
        return std::nullopt;
    }
    std::error_code ec;
    auto file = std::filesystem::canonical(info.dli_fname, ec);
    if (ec || sameFile(file, "/proc/self/exe")) {
        return std::nullopt;
    }
    return unversioned(file).string();
}

Status registerLibraryServer(ControlLibrary& library, const void* addressInLibrary) {
    clearClassError();
    if (auto status = library.registerServer(); !status) {
        return classFailure(status.error(), "the classes of " + library.name() +
                                                " could not be registered: " +
                                                std::string(errorText(status.error())));
    }
    auto file = libraryFileOf(addressInLibrary);
    if (!file) {
        return ok();
    }
    if (auto written = writeClassKeys(library, *file); !written) {
        const std::string why = lastClassError();
        (void)library.unregisterServer();
        return classFailure(written.error(), why);
    }
    return ok();
}

Status unregisterLibraryServer(ControlLibrary& library, const void* addressInLibrary) {
    clearClassError();
    (void)library.unregisterServer();
    if (!libraryFileOf(addressInLibrary)) {
        return ok();
    }
    return removeClassKeys(library);
}

}  // namespace brennix::com
