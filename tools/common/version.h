#pragma once
// The version every tool reports, the project's version in the build.

#include <string>
#include <string_view>

namespace brennix::tools {

std::string_view projectVersion();

// "brennix-acquire 0.1.0" and a newline, what --version prints.
std::string versionText(std::string_view program);

}  // namespace brennix::tools
