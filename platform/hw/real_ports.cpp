#include "platform/hw/real_ports.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <utility>

namespace brennix::hw {
namespace {

bool isPortAccessDevice(std::string_view name) {
    constexpr std::string_view kDio = "\\\\.\\dio";
    if (name.size() != kDio.size()) {
        return false;
    }
    for (std::size_t i = 0; i < name.size(); ++i) {
        char a = name[i];
        char b = kDio[i];
        if (a >= 'A' && a <= 'Z') {
            a = static_cast<char>(a - 'A' + 'a');
        }
        if (a != b) {
            return false;
        }
    }
    return true;
}

// Holding it grants nothing beyond what the open port file already does.
class PortGrant final : public Device {
  public:
    bool control(std::uint32_t, const void*, std::uint32_t, void*, std::uint32_t,
                 std::uint32_t& bytesReturned) override {
        bytesReturned = 0;
        return false;
    }
};

}  // namespace

RealPortBackend::RealPortBackend(std::string path) : path_(std::move(path)) {
    fd_ = ::open(path_.c_str(), O_RDWR | O_CLOEXEC);
    if (fd_ < 0) {
        int reason = errno;
        error_ = "cannot open " + path_ + ": " + std::strerror(reason);
        if (reason == EPERM || reason == EACCES) {
            error_ += " (needs CAP_SYS_RAWIO and a kernel that is not locked down)";
        }
    }
}

RealPortBackend::~RealPortBackend() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

std::uint8_t RealPortBackend::readByte(PortAddress port) {
    std::uint8_t value = 0xFF;
    if (fd_ < 0 || ::pread(fd_, &value, 1, static_cast<off_t>(port)) != 1) {
        ++dropped_;
        return 0xFF;
    }
    return value;
}

void RealPortBackend::writeByte(PortAddress port, std::uint8_t value) {
    if (fd_ < 0 || ::pwrite(fd_, &value, 1, static_cast<off_t>(port)) != 1) {
        ++dropped_;
    }
}

std::unique_ptr<Device> RealPortBackend::openDevice(std::string_view name) {
    if (fd_ >= 0 && isPortAccessDevice(name)) {
        return std::make_unique<PortGrant>();
    }
    return nullptr;
}

}  // namespace brennix::hw
