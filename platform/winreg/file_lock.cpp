#include "platform/winreg/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <utility>

#include "platform/hw/clock.h"

namespace brennix::winreg {
namespace {

std::atomic<std::uint32_t> gLockWait{10000};
constexpr std::uint32_t kRetryMilliseconds = 5;

}  // namespace

std::uint32_t lockWaitMilliseconds() {
    return gLockWait.load();
}

void setLockWaitMilliseconds(std::uint32_t milliseconds) {
    gLockWait.store(milliseconds);
}

FileLock::~FileLock() {
    release();
}

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

FileLock::Outcome FileLock::acquire(const std::filesystem::path& lockFile,
                                    std::uint32_t waitMilliseconds, std::string& error,
                                    const std::function<void()>& waiting) {
    release();
    int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        error = "cannot open the lock file " + lockFile.string() + ": " + std::strerror(errno);
        return Outcome::Failed;
    }
    const std::uint64_t start = hw::nowMicroseconds();
    bool told = false;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            error = "cannot lock " + lockFile.string() + ": " + std::strerror(errno);
            ::close(fd);
            return Outcome::Failed;
        }
        if (!told && waiting) {
            told = true;
            waiting();
        }
        if (hw::nowMicroseconds() - start >= waitMilliseconds * 1000ULL) {
            error = "the store is locked by another writer (" + lockFile.string() + ")";
            ::close(fd);
            return Outcome::Busy;
        }
        hw::sleep(kRetryMilliseconds);
    }
    fd_ = fd;
    return Outcome::Locked;
}

void FileLock::release() {
    if (fd_ >= 0) {
        ::close(fd_);  // closing drops the flock
        fd_ = -1;
    }
}

}  // namespace brennix::winreg
