// Loading a driver library attaches it to the installed backend; unloading
// detaches. This binary does not link the drivers, so each load is fresh.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/com/message_box.h"
#include "platform/hw/backend.h"
#include "tests/drivers/common/fake_bus.h"

namespace brennix::drivers::testing {
namespace {

using ::testing::internal::CaptureStdout;
using ::testing::internal::GetCapturedStdout;

struct LoadedLibrary {
    explicit LoadedLibrary(const char* path) : handle(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
    ~LoadedLibrary() {
        if (handle != nullptr) {
            dlclose(handle);
        }
    }
    LoadedLibrary(const LoadedLibrary&) = delete;
    LoadedLibrary& operator=(const LoadedLibrary&) = delete;

    std::int32_t attachReport(const char* symbol) const {
        auto report = reinterpret_cast<std::int32_t (*)()>(dlsym(handle, symbol));
        return report != nullptr ? report() : 99;
    }

    void* handle;
};

TEST(DriverLoad, VexaAttachesWhenLoadedAndDetachesWhenUnloaded) {
    auto bus = std::make_shared<FakeBus>();
    hw::ScopedBackend scope(bus);
    {
        LoadedLibrary vexa(BRENNIX_VEXA_LIBRARY);
        ASSERT_NE(vexa.handle, nullptr) << dlerror();
        EXPECT_EQ(bus->openDevices(), 2U);
        EXPECT_EQ(vexa.attachReport("_ZN7brennix7drivers4vexa12attachReportEv"), 1);
    }
    EXPECT_EQ(bus->openDevices(), 0U);
}

TEST(DriverLoad, VexaWithoutDevicesStillLoadsAndReportsMinusOne) {
    auto bus = std::make_shared<FakeBus>();
    bus->setAvailable("\\\\.\\dio", false);
    hw::ScopedBackend scope(bus);
    CaptureStdout();
    LoadedLibrary vexa(BRENNIX_VEXA_LIBRARY);
    EXPECT_EQ(GetCapturedStdout(), "Couldn't access giveio device\n");
    ASSERT_NE(vexa.handle, nullptr);
    EXPECT_EQ(vexa.attachReport("_ZN7brennix7drivers4vexa12attachReportEv"), -1);
}

struct Driver {
    const char* path;
    const char* attachReport;
    const char* device;
    const char* failureText;
};

const Driver kFatalOnMissingDevice[] = {
    {BRENNIX_OLMI_LIBRARY, "_ZN7brennix7drivers4olmi12attachReportEv", "\\\\.\\BraxVexa",
     "Couldn't open BraxVexa interrupt device\n"},
    {BRENNIX_SENU_LIBRARY, "_ZN7brennix7drivers4senu12attachReportEv", "\\\\.\\BraxVexa",
     "Couldn't open BraxVexa interrupt device\n"},
    {BRENNIX_DORV_LIBRARY, "_ZN7brennix7drivers4dorv12attachReportEv", "\\\\.\\Braxon",
     "Couldn't open Braxon interrupt device\n"},
};

TEST(DriverLoad, EveryOtherBoardAttachesWhenLoadedAndDetachesWhenUnloaded) {
    for (const Driver& driver : kFatalOnMissingDevice) {
        auto bus = std::make_shared<FakeBus>();
        hw::ScopedBackend scope(bus);
        {
            LoadedLibrary library(driver.path);
            ASSERT_NE(library.handle, nullptr) << dlerror();
            EXPECT_EQ(bus->openDevices(), 2U) << driver.path;
            EXPECT_EQ(library.attachReport(driver.attachReport), 1) << driver.path;
        }
        EXPECT_EQ(bus->openDevices(), 0U) << driver.path;
    }
}

// The library stays mapped, but its report tells a host not to use it.
TEST(DriverLoad, WithoutTheirAcquisitionDeviceTheOtherBoardsReportFailure) {
    for (const Driver& driver : kFatalOnMissingDevice) {
        auto bus = std::make_shared<FakeBus>();
        bus->setAvailable(driver.device, false);
        hw::ScopedBackend scope(bus);
        com::MessageRecorder messages;
        LoadedLibrary library(driver.path);
        ASSERT_NE(library.handle, nullptr);
        EXPECT_EQ(library.attachReport(driver.attachReport), 0) << driver.path;
        ASSERT_EQ(messages.messages().size(), 1U) << driver.path;
        EXPECT_EQ(messages.messages()[0].text, driver.failureText);
        EXPECT_EQ(messages.messages()[0].caption, "");
    }
}

}  // namespace
}  // namespace brennix::drivers::testing
