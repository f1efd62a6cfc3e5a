// brennix-acquire loads its working library itself: the board drivers it
// links report problems on standard output while they attach, and standard
// output carries the tool's data ("--csv -"). What they write while loading
// is caught and handed over, to be told on standard error.

#include <dlfcn.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using Entry = int (*)(int, char**, const char*);

#ifndef BRENNIX_INSTALL_LIBDIR
#define BRENNIX_INSTALL_LIBDIR "lib"
#endif
#ifndef BRENNIX_LIBRARY_ARCH
#define BRENNIX_LIBRARY_ARCH ""
#endif

constexpr const char* kLibrary = "libbrennix-acquire.so";

// The working library: beside the program's folder in lib/ (the build tree)
// or in the folder the libraries were installed to, which on multiarch
// systems is lib/<triplet>.
std::string libraryPath() {
    char self[PATH_MAX];
    ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    std::string folder = n > 0 ? std::string(self, static_cast<std::size_t>(n)) : "";
    folder = folder.substr(0, folder.rfind('/') + 1);
    const std::string libdir = BRENNIX_INSTALL_LIBDIR;
    const std::string arch = BRENNIX_LIBRARY_ARCH;
    const bool absolute = libdir.starts_with('/');
    std::vector<std::string> candidates;
    if (!absolute) {
        candidates.push_back(folder + "../" + libdir + "/");
    }
    if (!arch.empty()) {
        candidates.push_back(folder + "../lib/" + arch + "/");
    }
    candidates.push_back(folder + "../lib/");
    if (absolute) {
        candidates.push_back(libdir + "/");
    }
    for (const std::string& candidate : candidates) {
        const std::string file = candidate + kLibrary;
        if (::access(file.c_str(), F_OK) == 0) {
            return file;
        }
    }
    return folder + "../lib/" + kLibrary;
}

std::string readBack(std::FILE* file) {
    std::string text;
    if (file == nullptr || std::fseek(file, 0, SEEK_SET) != 0) {
        return text;
    }
    char chunk[512];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) {
        text.append(chunk, got);
    }
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string library = libraryPath();
    std::fflush(stdout);
    std::FILE* caught = std::tmpfile();
    const int saved = caught != nullptr ? ::dup(STDOUT_FILENO) : -1;
    if (saved >= 0) {
        ::dup2(::fileno(caught), STDOUT_FILENO);
    }
    void* handle = ::dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
    const char* why = handle == nullptr ? ::dlerror() : nullptr;
    std::fflush(stdout);
    if (saved >= 0) {
        ::dup2(saved, STDOUT_FILENO);
        ::close(saved);
    }
    const std::string loadOutput = readBack(caught);
    if (caught != nullptr) {
        std::fclose(caught);
    }
    auto entry = handle != nullptr
                     ? reinterpret_cast<Entry>(::dlsym(handle, "brennix_acquire_main"))
                     : nullptr;
    if (entry == nullptr) {
        std::fprintf(stderr, "brennix-acquire: cannot load %s: %s\n%s", library.c_str(),
                     why != nullptr ? why : "it has no brennix_acquire_main", loadOutput.c_str());
        return 1;
    }
    return entry(argc, argv, loadOutput.c_str());
}
