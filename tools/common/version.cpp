#include "tools/common/version.h"

#include "brennix/version.h"

namespace brennix::tools {

std::string_view projectVersion() {
    return BRENNIX_VERSION_STRING;
}

std::string versionText(std::string_view program) {
    return std::string(program) + " " + std::string(projectVersion()) + "\n";
}

}  // namespace brennix::tools
