// analog_input_block [COUNT]: an interrupt-paced block of samples from the
// analog-input control on the simulated Vexa board, printed one per line.
//
// The device store is a file of its own here ($BRENNIX_REGISTRY, set to a
// fresh file when unset), holding device 1: a Vexa board at 0x300, IRQ 7.

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "daq/orsino/orsino_library.h"
#include "platform/com/class_registry.h"
#include "platform/com/event_sink.h"
#include "platform/com/headless_site.h"
#include "platform/com/safe_array.h"
#include "platform/winreg/key.h"

namespace com = brennix::com;
namespace winreg = brennix::winreg;

namespace {

constexpr com::DispId kOnEventRaw = 1;

bool storeDevice() {
    winreg::Key key;
    if (winreg::Key::create(winreg::HKEY_CURRENT_USER, "Software\\Brennix Device\\001@Brax-VexaL",
                            winreg::KEY_ALL_ACCESS, key) != winreg::ERROR_SUCCESS) {
        return false;
    }
    const std::pair<const char*, winreg::DWORD> values[] = {
        {"BaseAddress1", 0x300}, {"BaseAddress2", 0}, {"IRQ1", 7}, {"IRQ2", 0}, {"DMA", 1}};
    for (const auto& [name, value] : values) {
        if (key.setDword(name, value) != winreg::ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    const int count = argc > 1 ? std::atoi(argv[1]) : 20;
    if (count < 1 || count > 10000) {
        std::fprintf(stderr, "usage: analog_input_block [COUNT, 1 to 10000]\n");
        return 2;
    }
    if (std::getenv("BRENNIX_REGISTRY") == nullptr) {
        auto file = std::filesystem::temp_directory_path() / "analog_input_block.reg";
        std::filesystem::remove(file);
        ::setenv("BRENNIX_REGISTRY", file.c_str(), 1);
    }
    if (!storeDevice()) {
        std::fprintf(stderr, "analog_input_block: the device store cannot be written: %s\n",
                     winreg::lastStoreError().c_str());
        return 1;
    }

    if (!brennix::daq::orsino::library().registerServer().ok()) {
        return 1;
    }
    auto created = com::ClassRegistry::process().create("ORSINO.ORSINOCtrl.1");
    if (!created.ok()) {
        std::fprintf(stderr, "analog_input_block: %s\n",
                     std::string(com::errorText(created.error())).c_str());
        return 1;
    }
    auto control = *created;
    com::HeadlessSite site;
    // NumberOfSamples may be set only while the form is designed.
    site.ambientProperties().userMode = false;
    site.attach(*control);

    std::vector<std::int32_t> samples;
    control->advise(
        std::make_shared<com::FunctionSink>([&](com::DispId id, std::span<com::Variant> args) {
            if (id != kOnEventRaw || args.size() < 2 || args[1].array() == nullptr) {
                return;
            }
            // The array is the control's only while the event lasts.
            const com::SafeArray& array = *args[1].array();
            for (auto i = array.lowerBound(); i <= array.upperBound(); ++i) {
                samples.push_back(array.get(i).ok() ? array.get(i)->toInt32().valueOr(0) : 0);
            }
        }));

    const bool configured = control->put("DeviceNumber", std::int32_t{1}).ok() &&
                            control->put("TriggerMode", std::int16_t{2}).ok() &&   // timer
                            control->put("TransferMode", std::int16_t{1}).ok() &&  // interrupt
                            control->put("StartChannel", std::int16_t{0}).ok() &&
                            control->put("EventEnabled", true).ok() &&
                            control->put("NumberOfSamples", std::int32_t{count}).ok() &&
                            control->put("SampleRate", 1000.0).ok() &&
                            control->call("OpenDevice").ok();
    auto started = configured ? control->call("AcquireStart")
                              : com::Result<com::Variant>(com::Error::InvalidArgument);
    if (!started.ok() || !started->toBool().valueOr(false)) {
        auto code = control->get("ErrorCode");
        std::fprintf(stderr, "analog_input_block: the run failed (ErrorCode %d)\n",
                     code.ok() ? code->toInt32().valueOr(-1) : -1);
        return 1;
    }
    control->setSite(nullptr);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        std::printf("%zu %d\n", i, samples[i]);
    }
    return static_cast<int>(samples.size()) == count ? 0 : 1;
}
