#pragma once
// An exclusive advisory lock (flock) on a file beside the store, so that
// writers in any process take turns. The lock is tied to the open file and
// goes away with it, even when its holder dies.

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

namespace brennix::winreg {

class FileLock {
  public:
    FileLock() = default;
    ~FileLock();
    FileLock(FileLock&& other) noexcept;
    FileLock& operator=(FileLock&& other) noexcept;
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    enum class Outcome { Locked, Busy, Failed };

    // Waits up to `waitMilliseconds` on the platform clock for another
    // holder to let go; `error` says why when it does not succeed. `waiting`
    // runs once, when the lock is found held, before the wait begins.
    Outcome acquire(const std::filesystem::path& lockFile, std::uint32_t waitMilliseconds,
                    std::string& error, const std::function<void()>& waiting = {});
    void release();
    bool held() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

// How long a writer waits for the lock before it reports the store busy.
std::uint32_t lockWaitMilliseconds();
void setLockWaitMilliseconds(std::uint32_t milliseconds);

}  // namespace brennix::winreg
