#include <dlfcn.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>

#include "platform/hw/backend.h"
#include "platform/hw/real_ports.h"

namespace brennix::hw {
namespace {

// What is left when the simulator cannot be had: an undecoded bus that reads
// 0xFF and opens no device, so drivers report their attach failures.
class UnavailableBus final : public Backend {
  public:
    std::string_view name() const override { return "unavailable"; }
    std::uint8_t readByte(PortAddress) override { return 0xFF; }
    void writeByte(PortAddress, std::uint8_t) override {}
    std::unique_ptr<Device> openDevice(std::string_view) override { return nullptr; }
    bool portsAccessible() const override { return false; }
};

using MakeBackend = void (*)(std::shared_ptr<Backend>*);

// The directory this library was loaded from, to find the simulator beside it
// when the search path does not.
std::string ownDirectory() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ownDirectory), &info) == 0 || info.dli_fname == nullptr) {
        return {};
    }
    std::string path = info.dli_fname;
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
}

std::shared_ptr<Backend> loadSimulator() {
    const char* chosen = std::getenv("BRENNIX_SIM_LIBRARY");
    std::string library = chosen && *chosen ? chosen : "libbrennix_sim.so";
    // Never closed: the backend's code must stay mapped until exit.
    void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    std::string firstError = handle ? "" : dlerror();
    if (!handle && library.find('/') == std::string::npos) {
        std::string beside = ownDirectory() + library;
        handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    if (!handle) {
        std::fprintf(stderr,
                     "brennix: cannot load the board simulator (%s); no boards and no devices "
                     "are available\n",
                     firstError.c_str());
        return std::make_shared<UnavailableBus>();
    }
    auto make = reinterpret_cast<MakeBackend>(dlsym(handle, "brennix_sim_make_backend"));
    std::shared_ptr<Backend> made;
    if (make) {
        make(&made);
    }
    if (!made) {
        std::fprintf(stderr,
                     "brennix: %s has no usable brennix_sim_make_backend; no boards and no "
                     "devices are available\n",
                     library.c_str());
        return std::make_shared<UnavailableBus>();
    }
    return made;
}

}  // namespace

std::shared_ptr<Backend> makeDefaultBackend() {
    const char* ports = std::getenv("BRENNIX_PORTS");
    std::string_view choice = ports ? ports : "";
    if (choice == "real") {
        auto real = std::make_shared<RealPortBackend>();
        if (!real->portsAccessible()) {
            std::fprintf(stderr, "brennix: real port access refused: %s\n",
                         real->grantError().c_str());
        }
        return real;
    }
    if (!choice.empty() && choice != "sim" && choice != "simulator") {
        std::fprintf(stderr,
                     "brennix: BRENNIX_PORTS=%s is not 'real' or 'simulator'; using the "
                     "simulator\n",
                     ports);
    }
    return loadSimulator();
}

}  // namespace brennix::hw
