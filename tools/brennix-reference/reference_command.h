#pragma once
// brennix-reference: writes the control reference into a folder, or checks
// that the folder holds exactly what the member tables produce.

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace brennix::reference {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;  // stale pages, or the libraries could not be read
inline constexpr int kExitUsage = 2;

// What differs between the folder and the pages: one line per file.
std::vector<std::string> staleFiles(const std::filesystem::path& folder,
                                    const std::map<std::string, std::string>& pages);

// Writes the pages that changed and removes pages no table produces.
bool writePages(const std::filesystem::path& folder,
                const std::map<std::string, std::string>& pages, std::string& error);

int runReference(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brennix::reference
