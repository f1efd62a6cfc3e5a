#include "tools/common/version.h"

namespace brennix::tools {

std::string_view projectVersion() {
    return BRENNIX_VERSION;
}

std::string versionText(std::string_view program) {
    return std::string(program) + " " + std::string(projectVersion()) + "\n";
}

}  // namespace brennix::tools
