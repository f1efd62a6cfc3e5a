#include "platform/winreg/store_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/winreg/file_lock.h"
#include "platform/winreg/reg_text.h"

namespace brennix::winreg {
namespace {

constexpr off_t kMaxStoreBytes = 64 * 1024 * 1024;

std::string describe(const std::filesystem::path& path, int err) {
    return path.string() + ": " + std::strerror(err);
}

// Writes replace the file a symbolic link points to, not the link.
std::filesystem::path resolveLinks(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_symlink(path, ec)) {
        auto target = std::filesystem::weakly_canonical(path, ec);
        if (!ec) {
            return target;
        }
    }
    return path;
}

class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

LONG readBytes(const std::filesystem::path& path, std::string& bytes, bool& missing,
               std::string& message) {
    missing = false;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT) {
            missing = true;
            return ERROR_SUCCESS;
        }
        message = "cannot read " + describe(path, errno);
        return errno == EACCES ? ERROR_ACCESS_DENIED : ERROR_READ_FAULT;
    }
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0) {
        message = "cannot read " + describe(path, errno);
        return ERROR_READ_FAULT;
    }
    if (!S_ISREG(st.st_mode)) {
        message = path.string() + ": not a regular file";
        return ERROR_READ_FAULT;
    }
    if (st.st_size > kMaxStoreBytes) {
        message = path.string() + ": larger than 64 MiB, not a registry store";
        return ERROR_BADDB;
    }
    bytes.clear();
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd.get(), buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            message = "cannot read " + describe(path, errno);
            return ERROR_READ_FAULT;
        }
        if (n == 0) {
            break;
        }
        bytes.append(buf, static_cast<std::size_t>(n));
        if (bytes.size() > static_cast<std::size_t>(kMaxStoreBytes)) {
            message = path.string() + ": larger than 64 MiB, not a registry store";
            return ERROR_BADDB;
        }
    }
    return ERROR_SUCCESS;
}

LONG readDocument(const std::filesystem::path& path, Document& out, std::string& message) {
    std::string bytes;
    bool missing = false;
    LONG rc = readBytes(path, bytes, missing, message);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    out = {};
    if (missing) {
        return ERROR_SUCCESS;
    }
    ParseError error;
    if (!parseRegText(bytes, out, error)) {
        message = path.string();
        if (error.line > 0) {
            message += " line " + std::to_string(error.line);
        }
        message += ": " + error.message;
        return ERROR_BADDB;
    }
    return ERROR_SUCCESS;
}

// Temporary file in the same folder, flushed, then renamed over the store.
LONG replaceFile(const std::filesystem::path& path, const std::string& text, std::string& message) {
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(::mkostemp(name.data(), O_CLOEXEC));
    if (fd.get() < 0) {
        message = "cannot write " + describe(folder, errno);
        return ERROR_WRITE_FAULT;
    }
    const std::string temporary(name.data());
    auto fail = [&](int err) {
        message = "cannot write " + describe(path, err);
        ::unlink(temporary.c_str());
        return ERROR_WRITE_FAULT;
    };
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0) {
        ::fchmod(fd.get(), st.st_mode & 07777);
    }
    if (!writeAll(fd.get(), text) || ::fsync(fd.get()) != 0) {
        return fail(errno);
    }
    if (::close(fd.release()) != 0) {
        return fail(errno);
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        return fail(errno);
    }
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    return ERROR_SUCCESS;
}

}  // namespace

std::filesystem::path storePath() {
    if (const char* explicitPath = std::getenv("BRENNIX_REGISTRY");
        explicitPath != nullptr && *explicitPath != '\0') {
        return explicitPath;
    }
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg != nullptr && *xdg == '/') {
        base = xdg;
    } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        base = std::filesystem::path(home) / ".config";
    } else {
        base = ".config";
    }
    return base / "brennix" / "registry.reg";
}

LONG StoreFile::read(Document& out, std::string& message) const {
    return readDocument(path_, out, message);
}

LONG StoreFile::update(const Change& change, std::string& message) const {
    const auto target = resolveLinks(path_);
    std::error_code ec;
    if (target.has_parent_path()) {
        std::filesystem::create_directories(target.parent_path(), ec);
        if (ec) {
            message = "cannot create " + target.parent_path().string() + ": " + ec.message();
            return ERROR_WRITE_FAULT;
        }
    }
    FileLock lock;
    auto lockFile = target;
    lockFile += ".lock";
    switch (lock.acquire(lockFile, lockWaitMilliseconds(), message)) {
        case FileLock::Outcome::Locked:
            break;
        case FileLock::Outcome::Busy:
            return ERROR_LOCK_VIOLATION;
        case FileLock::Outcome::Failed:
            return ERROR_WRITE_FAULT;
    }
    // Read again under the lock, so a change made meanwhile is not lost.
    Document document;
    LONG rc = readDocument(target, document, message);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    bool changed = false;
    rc = change(document, changed);
    if (rc != ERROR_SUCCESS || !changed) {
        return rc;
    }
    return replaceFile(target, formatRegText(document), message);
}

}  // namespace brennix::winreg
