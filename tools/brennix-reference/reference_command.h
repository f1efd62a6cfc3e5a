#pragma once
// brennix-reference: writes the control reference into a folder, or checks
// that the folder holds exactly what the member tables produce.

#include <filesystem>
#include <map>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/pages/page_registry.h"
#include "tools/brennix-reference/reference_pages.h"

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

// Every page class of the suite and the pages each control lists, as a
// host registers them; a registration that fails is told on err.
bool registerSuitePages(com::pages::PageRegistry& registry, std::ostream& err);

// The pages the control (class identifier or programmatic identifier)
// lists in the registry, in sheet order, with their titles.
std::vector<DocumentedPage> listedPages(const com::pages::PageRegistry& registry,
                                        std::string_view control);

int runReference(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brennix::reference
