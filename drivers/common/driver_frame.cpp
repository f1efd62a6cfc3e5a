#include "drivers/common/driver_frame.h"

#include <cstdio>
#include <string>

#include "outside/device_codes.h"
#include "platform/ui/message_box.h"

namespace brennix::drivers {
namespace {

void writeToStandardOutput(std::string_view text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

}  // namespace

std::int32_t DriverFrame::attach() {
    detach();
    portAccess_ = hw::openDevice(kPortAccessDeviceName);
    if (!portAccess_) {
        writeToStandardOutput("Couldn't access giveio device\n");
        report_ = kAttachNoPortAccess;
        return report_;
    }
    acquisition_ = hw::openDevice(policy_.acquisitionDevice);
    if (!acquisition_) {
        if (policy_.failureIsFatal) {
            ui::showMessage(policy_.failureText, "");
            report_ = kAttachFailed;
        } else {
            writeToStandardOutput(policy_.failureText);
            report_ = kAttachNoPortAccess;
        }
        return report_;
    }
    report_ = kAttachOk;
    return report_;
}

void DriverFrame::detach() {
    portAccess_.close();
    acquisition_.close();
}

}  // namespace brennix::drivers
