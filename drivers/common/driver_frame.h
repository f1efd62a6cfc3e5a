#pragma once
// What every driver library does when a process loads and unloads it: open
// the port-access device and its acquisition device, and report the outcome.

#include <cstdint>
#include <string_view>

#include "platform/hw/device.h"

namespace brennix::drivers {

// Attach outcomes. Failed means the library must not be used (a host refuses
// to create the controls that link it); NoPortAccess leaves it usable.
inline constexpr std::int32_t kAttachOk = 1;
inline constexpr std::int32_t kAttachFailed = 0;
inline constexpr std::int32_t kAttachNoPortAccess = -1;

// How a board's library reacts when its acquisition device cannot be opened.
struct AttachPolicy {
    std::string_view acquisitionDevice;
    std::string_view failureText;
    // true: message box with an empty caption and report 0; false: the text
    // goes to standard output and the report is -1.
    bool failureIsFatal;
};

class DriverFrame {
  public:
    explicit DriverFrame(AttachPolicy policy) : policy_(policy) {}

    std::int32_t attach();
    void detach();

    // The last attach's report, or 1 before any attach.
    std::int32_t attachReport() const { return report_; }
    hw::DeviceHandle& acquisitionDevice() { return acquisition_; }
    bool hasPortAccess() const { return portAccess_.isOpen(); }

  private:
    AttachPolicy policy_;
    hw::DeviceHandle portAccess_;
    hw::DeviceHandle acquisition_;
    std::int32_t report_ = kAttachOk;
};

// Runs an exported operation so that no exception leaves the library; an
// escaping failure is reported as a card that could not be driven (1).
template <class Operation>
std::int32_t guarded(Operation&& operation) noexcept {
    try {
        return operation();
    } catch (...) {
        return 1;
    }
}

}  // namespace brennix::drivers
