#pragma once
// brennix-register: registers or unregisters control libraries by file, as
// the desktop's registration utility does, by calling the library's own
// DllRegisterServer or DllUnregisterServer.

#include <ostream>
#include <string>
#include <vector>

namespace brennix::tools {

// A wrong command line is 2, as with every tool of the suite.
enum RegisterExit : int {
    kRegistered = 0,
    kFileMissing = 1,
    kBadCommandLine = 2,
    kCannotLoad = 3,
    kNoEntryPoint = 4,
    kEntryPointFailed = 5,
};

struct RegisterOutcome {
    int exitCode = kRegistered;
    std::string message;  // what to tell the user, success or failure
};

// Loads the file, runs its entry point and lets it go again; this process
// keeps none of its classes.
RegisterOutcome registerLibraryFile(const std::string& file, bool unregister);

// args without the program name. Returns the exit code: the first failure's.
int runRegisterCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace brennix::tools
