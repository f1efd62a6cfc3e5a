#include "demos/common/olmi_driver.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <string>

namespace brennix::demos {
namespace {

constexpr const char* kLibraryName = "libolmi.so";
// The library's attach outcome (0: its acquisition device could not be
// opened, and the library must not be used).
constexpr const char* kAttachReportSymbol = "_ZN7brennix7drivers4olmi12attachReportEv";

std::string programFolder() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0) {
        return {};
    }
    std::string exe(path, static_cast<std::size_t>(n));
    const auto slash = exe.rfind('/');
    return slash == std::string::npos ? std::string() : exe.substr(0, slash);
}

}  // namespace

bool OlmiLibrary::load() {
    if (tried_) {
        return handle_ != nullptr;
    }
    tried_ = true;
    const char* chosen = std::getenv("BRENNIX_OLMI_LIBRARY");
    const std::string name = chosen != nullptr && *chosen != '\0' ? chosen : kLibraryName;
    // Never closed: the board stays initialised until the process ends.
    void* handle = ::dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        loadError_ = ::dlerror();
        if (name.find('/') == std::string::npos) {
            const std::string beside = programFolder() + "/../lib/" + name;
            handle = ::dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    if (handle == nullptr) {
        return false;
    }
    using Report = std::int32_t (*)();
    auto report = reinterpret_cast<Report>(::dlsym(handle, kAttachReportSymbol));
    if (report != nullptr && report() == 0) {
        loadError_ = name + ": the driver could not open its devices";
        return false;
    }
    loadError_.clear();
    handle_ = handle;
    return true;
}

template <class Function, class... Args>
std::int32_t OlmiLibrary::call(const char* name, Function*& slot, Args... args) {
    if (slot == nullptr) {
        if (!load()) {
            return kDriverUnavailable;
        }
        slot = reinterpret_cast<Function*>(::dlsym(handle_, name));
        if (slot == nullptr) {
            loadError_ = std::string("the driver has no function ") + name;
            return kDriverUnavailable;
        }
    }
    return slot(args...);
}

std::int32_t OlmiLibrary::Initial(std::int32_t card, std::int32_t base) {
    return call("W_Olmi_Initial", initial_, card, base);
}

std::int32_t OlmiLibrary::DI(std::int32_t port, std::uint8_t* value) {
    return call("W_Olmi_DI", di_, port, value);
}

std::int32_t OlmiLibrary::DO(std::int32_t port, std::int32_t value) {
    return call("W_Olmi_DO", do_, port, value);
}

std::int32_t OlmiLibrary::DA(std::int32_t channel, std::int32_t value) {
    return call("W_Olmi_DA", da_, channel, value);
}

std::int32_t OlmiLibrary::AD_Set_Channel(std::int32_t channel) {
    return call("W_Olmi_AD_Set_Channel", setChannel_, channel);
}

std::int32_t OlmiLibrary::AD_Set_Gain(std::int32_t gain) {
    return call("W_Olmi_AD_Set_Gain", setGain_, gain);
}

std::int32_t OlmiLibrary::AD_Set_Mode(std::int32_t mode) {
    return call("W_Olmi_AD_Set_Mode", setMode_, mode);
}

std::int32_t OlmiLibrary::AD_Aquire(std::int32_t* sample) {
    return call("W_Olmi_AD_Aquire", aquire_, sample);
}

std::int32_t OlmiLibrary::CLR_IRQ() {
    return call("W_Olmi_CLR_IRQ", clearIrq_);
}

}  // namespace brennix::demos
