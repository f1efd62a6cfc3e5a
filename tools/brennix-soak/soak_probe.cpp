#include "tools/brennix-soak/soak_probe.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>

namespace brennix::soak {

std::size_t residentKiB() {
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0;
    std::size_t resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::size_t>(::sysconf(_SC_PAGESIZE)) / 1024;
}

std::size_t openDescriptors() {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator("/proc/self/fd")) {
        ++count;
    }
    return count - 1;  // the listing's own
}

}  // namespace brennix::soak
