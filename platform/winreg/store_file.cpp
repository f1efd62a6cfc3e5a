#include "platform/winreg/store_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

#include "platform/winreg/file_lock.h"
#include "platform/winreg/reg_text.h"

namespace brennix::winreg {
namespace {

constexpr off_t kMaxStoreBytes = 64 * 1024 * 1024;

std::atomic<WriteStepHook> gWriteStepHook{nullptr};

// Zero to go on; otherwise the errno the step fails with.
int stepFault(WriteStep step) {
    WriteStepHook hook = gWriteStepHook.load();
    return hook != nullptr ? hook(step) : 0;
}

bool faulted(WriteStep step) {
    if (int err = stepFault(step); err != 0) {
        errno = err;
        return true;
    }
    return false;
}

// The temporary name of a write, ".registry.reg.XXXXXX".
std::string temporaryPrefix(const std::filesystem::path& path) {
    return "." + path.filename().string() + ".";
}

// Temporaries are only made under the writers' lock, so one found while
// holding it was left by a writer that died.
void removeLeftTemporaries(const std::filesystem::path& folder, const std::filesystem::path& path) {
    const std::string prefix = temporaryPrefix(path);
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec);
         !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + 6 && name.compare(0, prefix.size(), prefix) == 0 &&
            it->is_regular_file(ec)) {
            ::unlink(it->path().c_str());
        }
    }
}

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

bool writeAll(int fd, std::string_view text) {
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

// A link whose target is gone is not an empty store: the user's store is
// somewhere else, and a fresh one here would hide that.
std::string danglingLink(const std::filesystem::path& path) {
    std::error_code ec;
    return path.string() + ": a symbolic link to " +
           std::filesystem::read_symlink(path, ec).string() + ", which does not exist";
}

LONG readBytes(const std::filesystem::path& path, std::string& bytes, bool& missing,
               std::string& message) {
    missing = false;
    Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) {
        const int err = errno;
        std::error_code ec;
        if (err == ENOENT && std::filesystem::is_symlink(path, ec)) {
            message = danglingLink(path);
            return ERROR_READ_FAULT;
        }
        if (err == ENOENT) {
            missing = true;
            return ERROR_SUCCESS;
        }
        message = "cannot read " + describe(path, err);
        return err == EACCES ? ERROR_ACCESS_DENIED : ERROR_READ_FAULT;
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

// The last store parsed, with the bytes it was parsed from: a call that
// reads the same bytes again takes the document without parsing it. Bytes,
// not file times, decide, so a change within one clock tick is never missed.
struct ParsedStore {
    std::mutex mutex;
    std::string path;
    std::string bytes;
    std::shared_ptr<const Document> document;
};

ParsedStore& lastParsed() {
    static ParsedStore parsed;
    return parsed;
}

LONG readDocument(const std::filesystem::path& path, std::shared_ptr<const Document>& out,
                  std::string& message) {
    std::string bytes;
    bool missing = false;
    LONG rc = readBytes(path, bytes, missing, message);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    if (missing) {
        out = std::make_shared<const Document>();
        return ERROR_SUCCESS;
    }
    ParsedStore& cache = lastParsed();
    {
        std::lock_guard lock(cache.mutex);
        if (cache.document != nullptr && cache.path == path.native() && cache.bytes == bytes) {
            out = cache.document;
            return ERROR_SUCCESS;
        }
    }
    auto document = std::make_shared<Document>();
    ParseError error;
    if (!parseRegText(bytes, *document, error)) {
        message = path.string();
        if (error.line > 0) {
            message += " line " + std::to_string(error.line);
        }
        message += ": " + error.message;
        return ERROR_BADDB;
    }
    out = document;
    std::lock_guard lock(cache.mutex);
    cache.path = path.native();
    cache.bytes = std::move(bytes);
    cache.document = std::move(document);
    return ERROR_SUCCESS;
}

// Temporary file in the same folder, flushed, then renamed over the store.
LONG replaceFile(const std::filesystem::path& path, const std::string& text, std::string& message) {
    const auto folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    removeLeftTemporaries(folder, path);
    std::string pattern = (folder / (temporaryPrefix(path) + "XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    Descriptor fd(faulted(WriteStep::CreateTemporary) ? -1 : ::mkostemp(name.data(), O_CLOEXEC));
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
    const std::string_view all(text);
    const std::size_t half = all.size() / 2;
    if (!writeAll(fd.get(), all.substr(0, half)) || faulted(WriteStep::WriteSecondHalf) ||
        !writeAll(fd.get(), all.substr(half)) || faulted(WriteStep::Sync) ||
        ::fsync(fd.get()) != 0) {
        return fail(errno);
    }
    if (::close(fd.release()) != 0) {
        return fail(errno);
    }
    if (faulted(WriteStep::Rename) || ::rename(temporary.c_str(), path.c_str()) != 0) {
        return fail(errno);
    }
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) {
        ::fsync(dir.get());
    }
    (void)stepFault(WriteStep::Done);
    return ERROR_SUCCESS;
}

}  // namespace

void setWriteStepHook(WriteStepHook hook) {
    gWriteStepHook.store(hook);
}

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
    std::shared_ptr<const Document> shared;
    LONG rc = readDocument(path_, shared, message);
    if (rc == ERROR_SUCCESS) {
        out = *shared;
    }
    return rc;
}

LONG StoreFile::read(std::shared_ptr<const Document>& out, std::string& message) const {
    return readDocument(path_, out, message);
}

LONG StoreFile::update(const Change& change, std::string& message) const {
    std::error_code ec;
    if (std::filesystem::is_symlink(path_, ec) && !std::filesystem::exists(path_, ec)) {
        message = danglingLink(path_);
        return ERROR_WRITE_FAULT;
    }
    const auto target = resolveLinks(path_);
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
    auto waiting = [&] {
        if (lockWait_) {
            lockWait_(lockFile);
        }
    };
    switch (lock.acquire(lockFile, lockWaitMilliseconds(), message, waiting)) {
        case FileLock::Outcome::Locked:
            break;
        case FileLock::Outcome::Busy:
            return ERROR_LOCK_VIOLATION;
        case FileLock::Outcome::Failed:
            return ERROR_WRITE_FAULT;
    }
    // Read again under the lock, so a change made meanwhile is not lost.
    std::shared_ptr<const Document> current;
    LONG rc = readDocument(target, current, message);
    if (rc != ERROR_SUCCESS) {
        return rc;
    }
    Document document = *current;
    bool changed = false;
    rc = change(document, changed);
    if (rc != ERROR_SUCCESS || !changed) {
        return rc;
    }
    return replaceFile(target, formatRegText(document), message);
}

}  // namespace brennix::winreg
