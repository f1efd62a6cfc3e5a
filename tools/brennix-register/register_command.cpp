#include "tools/brennix-register/register_command.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "platform/com/class_error.h"
#include "platform/com/control_library.h"
#include "tools/common/command_line.h"
#include "tools/common/version.h"

namespace brennix::tools {
namespace {

constexpr const char* kUsage =
    "Usage: brennix-register [-u] [-s] LIBRARY...\n"
    "Registers the control classes of each LIBRARY (a shared library file) in the\n"
    "device store, so that hosts create them by programmatic identifier and the\n"
    "library is loaded when it is first needed.\n"
    "\n"
    "  -u, --unregister  remove the classes' keys from the store instead\n"
    "  -s, --silent      print nothing on success\n"
    "  -h, --help        show this text\n"
    "      --version     show the version\n"
    "\n"
    "The store is the file named by BRENNIX_REGISTRY, else\n"
    "$XDG_CONFIG_HOME/brennix/registry.reg or ~/.config/brennix/registry.reg.\n"
    "Exit status: 0 done, 1 no such file, 2 bad command line, 3 not loadable,\n"
    "4 no entry point, 5 the entry point failed.\n";

class Loaded {
  public:
    explicit Loaded(void* handle) : handle_(handle) {}
    ~Loaded() {
        if (handle_ != nullptr) {
            ::dlclose(handle_);
        }
    }
    Loaded(const Loaded&) = delete;
    Loaded& operator=(const Loaded&) = delete;
    void* get() const { return handle_; }

  private:
    void* handle_;
};

template <class F>
F symbol(void* handle, const char* name) {
    return reinterpret_cast<F>(::dlsym(handle, name));
}

}  // namespace

RegisterOutcome registerLibraryFile(const std::string& file, bool unregister) {
    std::error_code ec;
    const std::filesystem::path path = std::filesystem::absolute(file, ec);
    if (ec || !std::filesystem::exists(path, ec) || std::filesystem::is_directory(path, ec)) {
        return {kFileMissing, file + " does not exist or is not a file"};
    }
    const std::string shown = std::filesystem::weakly_canonical(path, ec).string();
    ::dlerror();
    Loaded library(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL));
    if (library.get() == nullptr) {
        const char* why = ::dlerror();
        return {kCannotLoad, shown + " cannot be loaded: " + (why != nullptr ? why : "unknown")};
    }
    const char* entryName = unregister ? "DllUnregisterServer" : "DllRegisterServer";
    auto entry = symbol<int (*)()>(library.get(), entryName);
    if (entry == nullptr) {
        return {kNoEntryPoint, shown + " has no " + std::string(entryName) + " entry point"};
    }
    const int code = entry();
    // The entry point also made the classes creatable here; they must not
    // outlive the library's code when it is let go below.
    std::string identifiers;
    if (auto of = symbol<com::ControlLibrary* (*)()>(library.get(), "BrennixControlLibrary")) {
        if (com::ControlLibrary* controls = of()) {
            for (const auto& control : controls->classes()) {
                identifiers += "\n  " + control.progId;
            }
            for (const auto& page : controls->pageClasses()) {
                identifiers += "\n  " + page.progId;
            }
            (void)controls->unregisterServer();
        }
    }
    if (code != 0) {
        std::string message =
            std::string(entryName) + " in " + shown + " failed with code " + std::to_string(code);
        if (code < 0 && code >= -255) {
            message += " (" + std::string(com::errorText(static_cast<com::Error>(-code))) + ")";
        }
        if (const std::string why = com::lastClassError(); !why.empty()) {
            message += ": " + why;
        }
        return {kEntryPointFailed, message};
    }
    return {
        kRegistered,
        std::string(entryName) + " in " + shown + " succeeded." +
            (identifiers.empty() ? "" : (unregister ? " Removed:" : " Registered:") + identifiers)};
}

int runRegisterCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    static constexpr OptionRule kOptions[] = {
        {"unregister", 'u'}, {"silent", 's'}, {"help", 'h'}, {"version"}};
    // The desktop utility's spellings, before the first "--".
    std::vector<std::string> spelled;
    bool optionsDone = false;
    for (const auto& arg : args) {
        optionsDone = optionsDone || arg == "--";
        spelled.push_back(optionsDone   ? arg
                          : arg == "/u" ? "-u"
                          : arg == "/s" ? "-s"
                          : arg == "/?" ? "-h"
                                        : arg);
    }
    ParsedArguments parsed = parseArguments(spelled, kOptions);
    bool unregister = false;
    bool silent = false;
    for (const auto& option : parsed.options) {
        if (option.name == "help") {
            out << kUsage;
            return kRegistered;
        }
        if (option.name == "version") {
            out << versionText("brennix-register");
            return kRegistered;
        }
        unregister = unregister || option.name == "unregister";
        silent = silent || option.name == "silent";
    }
    if (!parsed.ok()) {
        // Said as the tool always said it: unknown option -x.
        err << "brennix-register: "
            << (parsed.problem == ArgumentProblem::UnknownOption
                    ? "unknown option " + parsed.offending
                    : parsed.error)
            << "\n"
            << kUsage;
        return kBadCommandLine;
    }
    const std::vector<std::string>& files = parsed.positional;
    if (files.empty()) {
        err << "brennix-register: no library file given\n" << kUsage;
        return kBadCommandLine;
    }
    int exitCode = kRegistered;
    for (const auto& file : files) {
        RegisterOutcome outcome = registerLibraryFile(file, unregister);
        if (outcome.exitCode != kRegistered) {
            err << "brennix-register: " << outcome.message << "\n";
            if (exitCode == kRegistered) {
                exitCode = outcome.exitCode;
            }
        } else if (!silent) {
            out << outcome.message << "\n";
        }
    }
    return exitCode;
}

}  // namespace brennix::tools
