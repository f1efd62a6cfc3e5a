#pragma once
// The suite's control libraries for tools without a desktop host: found by
// file, loaded for the life of the process and their classes registered in
// the process registry, so that controls are created by identifier.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/control_library.h"

namespace brennix::tools {

// The control libraries of the suite, in the order their classes are shown.
inline constexpr std::string_view kSuiteLibraries[] = {"trendwick", "panelmoor", "plantwerk",
                                                       "orsino",    "pellam",    "quillet",
                                                       "rastow",    "sarnet",    "tolvan"};

// $BRENNIX_CONTROL_PATH (folders separated by ':'), then the library folder
// beside the program's bin folder (the install's, lib/<triplet> or lib),
// then the program's own folder.
std::vector<std::filesystem::path> controlLibraryFolders();

struct LoadedLibrary {
    std::string name;  // "trendwick"
    std::filesystem::path file;
    com::ControlLibrary* library = nullptr;
};

struct LibraryLoad {
    std::vector<LoadedLibrary> loaded;  // in the order asked for
    std::vector<std::string> missing;   // names found in no folder
    std::vector<std::string> problems;  // files found that could not be used, with why
};

// Loads lib<name>.so from the first folder that has it and registers its
// classes in the process registry. A library already loaded is not loaded
// again.
LibraryLoad loadControlLibraries(const std::vector<std::string>& names);
LibraryLoad loadSuiteLibraries();

}  // namespace brennix::tools
