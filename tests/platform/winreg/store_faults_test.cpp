// Writes that die or fail part way: the store keeps what it held, and the
// caller hears why.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/hw/clock.h"
#include "platform/winreg/key.h"
#include "platform/winreg/registry.h"
#include "platform/winreg/store_file.h"
#include "tests/platform/winreg/temp_store.h"

namespace brennix::winreg {
namespace {

const std::string kSeed =
    "Windows Registry Editor Version 5.00\r\n\r\n"
    "[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-VexaL]\r\n"
    "\"BaseAddress1\"=dword:00000300\r\n";

constexpr const char* kDevice = "Software\\Brennix Device\\000@Brax-VexaL";

WriteStep gStep = WriteStep::CreateTemporary;
int gErrno = 0;

int killAtStep(WriteStep step) {
    if (step == gStep) {
        ::raise(SIGKILL);
    }
    return 0;
}

int failAtStep(WriteStep step) {
    return step == gStep ? gErrno : 0;
}

LONG setIrq(DWORD value) {
    Key key;
    LONG rc = Key::open(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, key);
    return rc != ERROR_SUCCESS ? rc : key.setDword("IRQ1", value);
}

LONG queryIrq(DWORD& value) {
    Key key;
    LONG rc = Key::open(HKEY_CURRENT_USER, kDevice, KEY_READ, key);
    return rc != ERROR_SUCCESS ? rc : key.queryDword("IRQ1", value);
}

// Runs `body` in a child process; its result is the child's exit status, or
// -1 when the child was killed.
template <class Body>
int inChild(Body body) {
    pid_t pid = ::fork();
    if (pid == 0) {
        ::_exit(body());
    }
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) {
        return -2;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

class StoreFaults : public testing::TempStore {
  protected:
    void TearDown() override {
        setWriteStepHook(nullptr);
        ::chmod(folder_.c_str(), 0700);
        TempStore::TearDown();
    }

    std::vector<std::string> folderNames() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST_F(StoreFaults, AWriterKilledAtAnyStepLeavesTheOldStoreOrTheNewOneWhole) {
    for (WriteStep step : {WriteStep::CreateTemporary, WriteStep::WriteSecondHalf, WriteStep::Sync,
                           WriteStep::Rename, WriteStep::Done}) {
        SCOPED_TRACE(static_cast<int>(step));
        writeStore(kSeed);
        gStep = step;
        EXPECT_EQ(inChild([] {
                      setWriteStepHook(killAtStep);
                      return setIrq(9) == ERROR_SUCCESS ? 0 : 1;
                  }),
                  -1);
        DWORD irq = 0;
        if (step == WriteStep::Done) {
            ASSERT_EQ(queryIrq(irq), ERROR_SUCCESS) << lastStoreError();
            EXPECT_EQ(irq, 9U);
        } else {
            EXPECT_EQ(readStore(), kSeed);
            EXPECT_EQ(queryIrq(irq), ERROR_FILE_NOT_FOUND);
        }
        // The next writer goes ahead and clears what the dead one left.
        ASSERT_EQ(setIrq(4), ERROR_SUCCESS) << lastStoreError();
        ASSERT_EQ(queryIrq(irq), ERROR_SUCCESS);
        EXPECT_EQ(irq, 4U);
        EXPECT_EQ(folderNames(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
    }
}

TEST_F(StoreFaults, AFailingStepIsReportedWithItsCauseAndChangesNothing) {
    struct Case {
        WriteStep step;
        int err;
    };
    for (Case c :
         {Case{WriteStep::CreateTemporary, EROFS}, Case{WriteStep::WriteSecondHalf, ENOSPC},
          Case{WriteStep::Sync, EIO}, Case{WriteStep::Rename, EACCES}}) {
        SCOPED_TRACE(std::strerror(c.err));
        writeStore(kSeed);
        gStep = c.step;
        gErrno = c.err;
        setWriteStepHook(failAtStep);
        EXPECT_EQ(setIrq(9), ERROR_WRITE_FAULT);
        setWriteStepHook(nullptr);
        EXPECT_NE(lastStoreError().find(std::strerror(c.err)), std::string::npos)
            << lastStoreError();
        EXPECT_EQ(readStore(), kSeed);
        EXPECT_EQ(folderNames(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
    }
}

TEST_F(StoreFaults, AFileSystemWithNoRoomLeftFailsTheWriteAndKeepsTheStore) {
    writeStore(kSeed);
    const auto room = static_cast<rlim_t>(kSeed.size());
    EXPECT_EQ(inChild([room] {
                  ::signal(SIGXFSZ, SIG_IGN);
                  rlimit limit{room, room};
                  if (::setrlimit(RLIMIT_FSIZE, &limit) != 0) {
                      return 3;
                  }
                  if (setIrq(9) != ERROR_WRITE_FAULT) {
                      return 1;
                  }
                  return lastStoreError().find(std::strerror(EFBIG)) != std::string::npos ? 0 : 2;
              }),
              0);
    EXPECT_EQ(readStore(), kSeed);
    EXPECT_EQ(folderNames(), (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(StoreFaults, AReadOnlyFolderRefusesWritesAndStillReads) {
    writeStore(kSeed);
    ASSERT_EQ(::chmod(path_.c_str(), 0444), 0);
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    // Whoever runs the tests, the writer runs as a user the folder refuses.
    EXPECT_EQ(inChild([] {
                  if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
                      return 3;
                  }
                  if (setIrq(9) != ERROR_WRITE_FAULT) {
                      return 1;
                  }
                  if (lastStoreError().find(std::strerror(EACCES)) == std::string::npos) {
                      return 2;
                  }
                  DWORD base = 0;
                  Key key;
                  return Key::open(HKEY_CURRENT_USER, kDevice, KEY_READ, key) == ERROR_SUCCESS &&
                                 key.queryDword("BaseAddress1", base) == ERROR_SUCCESS &&
                                 base == 0x300
                             ? 0
                             : 4;
              }),
              0);
    EXPECT_EQ(readStore(), kSeed);
}

TEST_F(StoreFaults, AFolderWhereTheStoreWasIsAnErrorAndIsLeftAlone) {
    std::filesystem::create_directory(path_);
    { std::ofstream(path_ / "inside.txt") << "kept"; }
    HKEY key = nullptr;
    DWORD disposition = 0;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kDevice, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key, &disposition),
              ERROR_READ_FAULT);
    EXPECT_NE(lastStoreError().find("not a regular file"), std::string::npos) << lastStoreError();
    EXPECT_TRUE(std::filesystem::is_directory(path_));
    EXPECT_TRUE(std::filesystem::exists(path_ / "inside.txt"));
}

TEST_F(StoreFaults, ALinkToAStoreThatIsGoneIsAnErrorAndCreatesNothing) {
    const auto gone = folder_ / "unmounted" / "registry.reg";
    std::filesystem::create_symlink(gone, path_);
    Key key;
    EXPECT_EQ(Key::create(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, key), ERROR_READ_FAULT);
    EXPECT_NE(lastStoreError().find("which does not exist"), std::string::npos) << lastStoreError();
    EXPECT_FALSE(std::filesystem::exists(folder_ / "unmounted"));

    StoreFile file(path_);
    std::string message;
    EXPECT_EQ(file.update([](Document&, bool& changed) { return (changed = true, ERROR_SUCCESS); },
                          message),
              ERROR_WRITE_FAULT);
    EXPECT_NE(message.find("which does not exist"), std::string::npos) << message;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "unmounted"));
}

TEST_F(StoreFaults, ALockHeldByAWriterThatDiedIsFreeAtOnce) {
    writeStore(kSeed);
    auto lockPath = path_;
    lockPath += ".lock";
    EXPECT_EQ(inChild([&lockPath] {
                  int fd = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
                  if (fd < 0 || ::flock(fd, LOCK_EX) != 0) {
                      return 1;
                  }
                  ::raise(SIGKILL);
                  return 2;
              }),
              -1);
    auto clock = std::make_shared<hw::VirtualClock>();
    hw::ScopedClock scoped(clock);
    EXPECT_EQ(setIrq(6), ERROR_SUCCESS) << lastStoreError();
    EXPECT_EQ(clock->nowMicroseconds(), 0U) << "no wait for the dead holder";
    DWORD irq = 0;
    ASSERT_EQ(queryIrq(irq), ERROR_SUCCESS);
    EXPECT_EQ(irq, 6U);
}

}  // namespace
}  // namespace brennix::winreg
