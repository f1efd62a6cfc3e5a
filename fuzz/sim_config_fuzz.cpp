// The simulator's configuration reader: any text is read or refused with a
// reason.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "simulator/config.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto result = brennix::sim::parseConfig(text);
    if (!result.config && result.error.empty()) {
        std::fprintf(stderr, "sim_config_fuzz: refused without a reason\n");
        std::abort();
    }
    return 0;
}
