#pragma once
// The store's file: where it lives, reading it, and changing it safely.

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "platform/winreg/document.h"
#include "platform/winreg/types.h"

namespace brennix::winreg {

// $BRENNIX_REGISTRY, else $XDG_CONFIG_HOME/brennix/registry.reg, else
// $HOME/.config/brennix/registry.reg.
std::filesystem::path storePath();

class StoreFile {
  public:
    explicit StoreFile(std::filesystem::path path) : path_(std::move(path)) {}

    const std::filesystem::path& path() const { return path_; }

    // A missing file reads as an empty store, but a symbolic link to one is
    // an error. On failure `message` names the file and, for a malformed
    // one, the line.
    LONG read(Document& out, std::string& message) const;
    // The same without a copy: unchanged bytes give the document parsed before.
    LONG read(std::shared_ptr<const Document>& out, std::string& message) const;

    // Sets `changed` when the document must be written back.
    using Change = std::function<LONG(Document&, bool& changed)>;

    // Under the writers' lock: re-reads the file, applies `change`, and
    // replaces the file atomically when the change succeeded and changed
    // something. A file that does not parse is left exactly as it is.
    LONG update(const Change& change, std::string& message) const;

    // Runs when an update finds the writers' lock held and waits for it.
    void onLockWait(std::function<void(const std::filesystem::path& lockFile)> notice) {
        lockWait_ = std::move(notice);
    }

  private:
    std::filesystem::path path_;
    std::function<void(const std::filesystem::path&)> lockWait_;
};

// The steps of replacing the file, for tests that stop or fail a write
// there. The hook runs before each step; a non-zero result fails the step
// as if its system call had failed with that errno.
enum class WriteStep { CreateTemporary, WriteSecondHalf, Sync, Rename, Done };
using WriteStepHook = int (*)(WriteStep step);
void setWriteStepHook(WriteStepHook hook);

}  // namespace brennix::winreg
