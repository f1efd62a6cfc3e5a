#include "tools/common/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace brennix::tools {
namespace {

namespace fs = std::filesystem;

enum class Kind { StandardOutput, InPlace, Replace };

Kind kindOf(const std::string& path) {
    if (path == kStandardOutput) {
        return Kind::StandardOutput;
    }
    if (path.rfind("/dev/", 0) == 0 || path.rfind("/proc/", 0) == 0) {
        return Kind::InPlace;
    }
    std::error_code ec;
    fs::file_status status = fs::status(path, ec);
    if (fs::exists(status) && !fs::is_regular_file(status)) {
        return Kind::InPlace;
    }
    return Kind::Replace;
}

// A symbolic link keeps pointing where it did; the file it names (which may
// not exist yet) is replaced.
fs::path targetOf(const std::string& path) {
    fs::path target = path;
    std::error_code ec;
    for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, ec)); ++hops) {
        fs::path next = fs::read_symlink(target, ec);
        if (ec) {
            break;
        }
        target = next.is_absolute() ? next : target.parent_path() / next;
    }
    return target;
}

std::string systemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

bool flushToDisk(const std::string& file, std::string& error) {
    int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        error = systemError("cannot flush", file);
        if (fd >= 0) {
            ::close(fd);
        }
        return false;
    }
    ::close(fd);
    return true;
}

// A file of its own beside the target, readable as the target would be.
class TemporaryFile {
  public:
    explicit TemporaryFile(const fs::path& beside) {
        fs::path folder = beside.parent_path();
        std::string pattern = ((folder.empty() ? fs::path(".") : folder) /
                               ("." + beside.filename().string() + ".XXXXXX"))
                                  .string();
        int fd = ::mkstemp(pattern.data());
        if (fd < 0) {
            return;
        }
        mode_t mask = ::umask(0);
        ::umask(mask);
        (void)::fchmod(fd, 0666 & ~mask);
        ::close(fd);
        path_ = pattern;
    }
    ~TemporaryFile() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    bool created() const { return !path_.empty(); }
    const std::string& path() const { return path_; }

    // Gives the content the target's name; the temporary name is gone then.
    bool replace(const fs::path& target, std::string& error) {
        if (!flushToDisk(path_, error)) {
            return false;
        }
        if (::rename(path_.c_str(), target.c_str()) != 0) {
            error = systemError("cannot write", target.string());
            return false;
        }
        path_.clear();
        return true;
    }

  private:
    std::string path_;
};

bool fillStream(const std::string& file, const std::function<void(std::ostream&)>& fill,
                std::string& error) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    if (!stream) {
        error = systemError("cannot write", file);
        return false;
    }
    fill(stream);
    stream.close();
    if (!stream) {
        error = "writing " + file + " failed";
        return false;
    }
    return true;
}

bool copyInto(std::ostream& out, const std::string& file, std::string& error) {
    std::ifstream in(file, std::ios::binary);
    out << in.rdbuf();
    out.flush();
    if (!in || !out) {
        error = "writing to standard output failed";
        return false;
    }
    return true;
}

}  // namespace

std::string outputProblem(const std::string& path) {
    std::error_code ec;
    if (path != kStandardOutput && fs::is_directory(path, ec)) {
        return path + " is a folder";
    }
    if (kindOf(path) != Kind::Replace) {
        return {};
    }
    const fs::path target = targetOf(path);
    fs::path folder = target.parent_path();
    if (!folder.empty() && !fs::is_directory(folder, ec)) {
        return "the folder " + folder.string() + " of " + path + " does not exist";
    }
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0) {
        return "cannot write " + path + ": the folder " +
               (folder.empty() ? std::string(".") : folder.string()) + " is not writable";
    }
    if (fs::exists(target, ec) && ::access(target.c_str(), W_OK) != 0) {
        return "cannot write " + path + ": " + std::strerror(errno);
    }
    return {};
}

bool writeOutput(const std::string& path, std::ostream& standardOutput,
                 const std::function<void(std::ostream&)>& fill, std::string& error) {
    if (kindOf(path) != Kind::StandardOutput) {
        return writeOutputFile(
            path, standardOutput,
            [&](const std::string& file, std::string& why) { return fillStream(file, fill, why); },
            error);
    }
    fill(standardOutput);
    standardOutput.flush();
    if (!standardOutput) {
        error = "writing to standard output failed";
        return false;
    }
    return true;
}

bool writeOutputFile(const std::string& path, std::ostream& standardOutput,
                     const std::function<bool(const std::string& file, std::string& error)>& fill,
                     std::string& error) {
    switch (kindOf(path)) {
        case Kind::StandardOutput: {
            TemporaryFile temporary(fs::temp_directory_path() / "brennix-acquire");
            if (!temporary.created()) {
                error = systemError("cannot create a temporary file in",
                                    fs::temp_directory_path().string());
                return false;
            }
            return fill(temporary.path(), error) &&
                   copyInto(standardOutput, temporary.path(), error);
        }
        case Kind::InPlace:
            return fill(path, error);
        case Kind::Replace:
            break;
    }
    const fs::path target = targetOf(path);
    TemporaryFile temporary(target);
    if (!temporary.created()) {
        error = systemError("cannot write", path);
        return false;
    }
    return fill(temporary.path(), error) && temporary.replace(target, error);
}

std::string shownPath(const std::string& path) {
    if (path == kStandardOutput) {
        return "standard output";
    }
    std::error_code ec;
    fs::path full = fs::absolute(path, ec);
    return ec ? path : full.lexically_normal().string();
}

}  // namespace brennix::tools
