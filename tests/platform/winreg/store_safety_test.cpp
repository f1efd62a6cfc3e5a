#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/hw/clock.h"
#include "platform/winreg/file_lock.h"
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

ino_t inodeOf(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0);
    return st.st_ino;
}

DWORD readDword(const char* name) {
    Key key;
    DWORD value = 0xDEAD;
    EXPECT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_READ, key), ERROR_SUCCESS);
    EXPECT_EQ(key.queryDword(name, value), ERROR_SUCCESS) << name;
    return value;
}

// Each writer sets its own values one call at a time.
bool writeSeries(char prefix, int count) {
    Key key;
    if (Key::create(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, key) != ERROR_SUCCESS) {
        return false;
    }
    for (int i = 0; i < count; ++i) {
        if (key.setDword(prefix + std::to_string(i), static_cast<DWORD>(i)) != ERROR_SUCCESS) {
            return false;
        }
    }
    return true;
}

class MalformedStore : public testing::TempStore {};

TEST_F(MalformedStore, EveryCallFailsNamingTheFileAndLine) {
    const std::string broken = kSeed + "\"IRQ1\"=dword:5\r\n";
    writeStore(broken);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key), ERROR_BADDB);
    const std::string why = lastStoreError();
    EXPECT_NE(why.find(path_.string() + " line 5:"), std::string::npos) << why;
    EXPECT_NE(why.find("8 hexadecimal digits"), std::string::npos) << why;
    EXPECT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\New", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_BADDB);
    EXPECT_EQ(readStore(), broken);
}

TEST_F(MalformedStore, AWriteThroughAnOpenHandleLeavesTheFileAsItWas) {
    writeStore(kSeed);
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, device), ERROR_SUCCESS);
    const std::string broken = kSeed + "[HKEY_CURRENT_USER\\Software\\Half\r\n";
    writeStore(broken);
    const ino_t before = inodeOf(path_);
    EXPECT_EQ(device.setDword("IRQ1", 5), ERROR_BADDB);
    EXPECT_NE(lastStoreError().find("line 5"), std::string::npos) << lastStoreError();
    EXPECT_EQ(device.deleteTree(""), ERROR_BADDB);
    EXPECT_EQ(readStore(), broken);
    EXPECT_EQ(inodeOf(path_), before);
}

class ConcurrentWriters : public testing::TempStore {};

TEST_F(ConcurrentWriters, AWriterFindingTheLockHeldGivesUpAndChangesNothing) {
    writeStore(kSeed);
    auto lockPath = path_;
    lockPath += ".lock";
    int holder = ::open(lockPath.c_str(), O_RDWR | O_CREAT, 0600);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(::flock(holder, LOCK_EX | LOCK_NB), 0);

    auto clock = std::make_shared<hw::VirtualClock>();
    hw::ScopedClock scoped(clock);
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, device), ERROR_SUCCESS);
    EXPECT_EQ(device.setDword("IRQ1", 5), ERROR_LOCK_VIOLATION);
    EXPECT_NE(lastStoreError().find("locked by another writer"), std::string::npos);
    EXPECT_GE(clock->nowMicroseconds(), lockWaitMilliseconds() * 1000ULL);
    EXPECT_EQ(readStore(), kSeed);

    ::close(holder);
    EXPECT_EQ(device.setDword("IRQ1", 5), ERROR_SUCCESS);
    EXPECT_EQ(readDword("IRQ1"), 5U);
    EXPECT_EQ(readDword("BaseAddress1"), 0x300U);
}

TEST_F(ConcurrentWriters, TwoProcessesWritingAtOnceLoseNoUpdate) {
    writeStore(kSeed);
    constexpr int kEach = 30;
    std::vector<pid_t> children;
    for (char prefix : {'A', 'B'}) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            ::_exit(writeSeries(prefix, kEach) ? 0 : 1);
        }
        children.push_back(pid);
    }
    EXPECT_TRUE(writeSeries('C', kEach));
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    for (char prefix : {'A', 'B', 'C'}) {
        for (int i = 0; i < kEach; ++i) {
            EXPECT_EQ(readDword((prefix + std::to_string(i)).c_str()), static_cast<DWORD>(i));
        }
    }
    EXPECT_EQ(readDword("BaseAddress1"), 0x300U);
}

TEST_F(ConcurrentWriters, FourProcessesOfTwoHundredUpdatesEachLoseNone) {
    writeStore(kSeed);
    constexpr int kEach = 200;
    std::vector<pid_t> children;
    for (char prefix : {'A', 'B', 'C', 'D'}) {
        pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            // Losing nothing is the point here, not how long a turn may take.
            setLockWaitMilliseconds(120000);
            ::_exit(writeSeries(prefix, kEach) ? 0 : 1);
        }
        children.push_back(pid);
    }
    for (pid_t pid : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_READ, device), ERROR_SUCCESS);
    for (char prefix : {'A', 'B', 'C', 'D'}) {
        for (int i = 0; i < kEach; ++i) {
            DWORD value = 0xDEAD;
            ASSERT_EQ(device.queryDword(prefix + std::to_string(i), value), ERROR_SUCCESS)
                << prefix << i;
            EXPECT_EQ(value, static_cast<DWORD>(i));
        }
    }
    EXPECT_EQ(readDword("BaseAddress1"), 0x300U);
}

TEST_F(ConcurrentWriters, ThreadsWritingAtOnceLoseNoUpdate) {
    constexpr int kEach = 15;
    std::vector<std::thread> threads;
    std::vector<int> ok(3, 0);
    for (int t = 0; t < 3; ++t) {
        threads.emplace_back([t, &ok] { ok[t] = writeSeries(static_cast<char>('P' + t), kEach); });
    }
    for (auto& thread : threads) {
        thread.join();
    }
    EXPECT_EQ(ok, (std::vector<int>{1, 1, 1}));
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_READ, device), ERROR_SUCCESS);
    DWORD values = 0;
    ASSERT_EQ(RegQueryInfoKeyA(device.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                               &values, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(values, 3U * kEach);
}

class StoreWrites : public testing::TempStore {};

TEST_F(StoreWrites, AChangeReplacesTheFileWholeAndLeavesNoTemporaryBehind) {
    writeStore(kSeed);
    const ino_t before = inodeOf(path_);
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, device), ERROR_SUCCESS);
    ASSERT_EQ(device.setDword("BaseAddress1", 0x300), ERROR_SUCCESS);
    EXPECT_EQ(inodeOf(path_), before) << "an unchanged value is not rewritten";
    ASSERT_EQ(device.setDword("IRQ1", 7), ERROR_SUCCESS);
    EXPECT_NE(inodeOf(path_), before);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"registry.reg", "registry.reg.lock"}));
}

TEST_F(StoreWrites, ValuesOfOtherTypesAndCommentsSurviveFromADesktopExport) {
    const std::string lines =
        "Windows Registry Editor Version 5.00\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-VexaL]\r\n"
        "; set up by hand\r\n"
        "\"Note\"=\"bench \\\"B\\\"\"\r\n"
        "\"Path\"=hex(2):25,00,54,00,4d,00,50,00,25,00,00,00\r\n"
        "\"List\"=hex(7):61,00,00,00,62,00,00,00,00,00\r\n"
        "\"Big\"=hex(b):00,01,00,00,00,00,00,00\r\n"
        "\"Raw\"=hex:de,ad,\\\r\n  be,ef\r\n";
    std::string utf16 = "\xFF\xFE";
    for (char c : lines) {
        utf16 += c;
        utf16 += '\0';
    }
    writeStore(utf16);
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, device), ERROR_SUCCESS);
    ASSERT_EQ(device.setDword("IRQ1", 5), ERROR_SUCCESS);
    const std::string after = readStore();
    EXPECT_EQ(after.rfind("Windows Registry Editor Version 5.00\r\n", 0), 0U);
    const std::string expectedValues = lines.substr(lines.find("; set up by hand"));
    EXPECT_NE(after.find(expectedValues + "\"IRQ1\"=dword:00000005\r\n"), std::string::npos)
        << after;
}

TEST_F(StoreWrites, TextWithLineBreaksFromAnOldExportSurvivesAnUnrelatedUpdate) {
    writeStore(
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-VexaL]\r\n"
        "\"Note\"=hex(1):6c,69,6e,65,20,31,0d,0a,6c,69,6e,65,20,32,0a,00\r\n");
    ASSERT_TRUE(writeSeries('U', 1));
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_READ, device), ERROR_SUCCESS);
    std::string note;
    ASSERT_EQ(device.queryString("Note", note), ERROR_SUCCESS) << lastStoreError();
    EXPECT_EQ(note, "line 1\r\nline 2\n");
    EXPECT_EQ(readDword("U0"), 0U);
    EXPECT_NE(readStore().find("\"Note\"=hex(1):6c,00,69,00"), std::string::npos) << readStore();
}

TEST_F(StoreWrites, AWriteThroughASymbolicLinkReplacesItsTarget) {
    const auto real = folder_ / "real.reg";
    { std::ofstream(real, std::ios::binary) << kSeed; }
    std::filesystem::create_symlink(real, path_);
    ASSERT_TRUE(writeSeries('L', 1));
    EXPECT_TRUE(std::filesystem::is_symlink(path_));
    std::ifstream in(real, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\"L0\"=dword:00000000"), std::string::npos);
}

TEST_F(StoreWrites, AnEditInPlaceOfTheSameSizeIsSeenByTheNextCall) {
    writeStore(kSeed);
    EXPECT_EQ(readDword("BaseAddress1"), 0x300U);
    std::string edited = kSeed;
    edited.replace(edited.find("00000300"), 8, "00000310");
    {
        std::fstream out(path_, std::ios::in | std::ios::out | std::ios::binary);
        out.write(edited.data(), static_cast<std::streamsize>(edited.size()));
    }
    EXPECT_EQ(readDword("BaseAddress1"), 0x310U);
    ASSERT_TRUE(writeSeries('E', 2));
    EXPECT_EQ(readDword("BaseAddress1"), 0x310U);
    EXPECT_EQ(readDword("E1"), 1U);
}

class StoreNames : public testing::TempStore {};

TEST_F(StoreNames, NamesThatWouldSplitALineOrChangeTheEncodingAreRefused) {
    writeStore(kSeed);
    Key device;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, device), ERROR_SUCCESS);
    Key made;
    for (const char* subKey :
         {"a\n[HKEY_CURRENT_USER\\Injected", "a]\r\n[HKEY_CURRENT_USER\\x]", "cr\r", "Caf\xE9"}) {
        EXPECT_EQ(Key::create(device.get(), subKey, KEY_ALL_ACCESS, made), ERROR_INVALID_PARAMETER)
            << subKey;
        EXPECT_FALSE(made);
    }
    for (const char* name : {"x\"=dword:00000001\r\n\"y", "two\nlines", "Caf\xE9"}) {
        EXPECT_EQ(device.setDword(name, 1), ERROR_INVALID_PARAMETER) << name;
        EXPECT_EQ(device.setString(name, "t"), ERROR_INVALID_PARAMETER) << name;
    }
    EXPECT_EQ(device.setString("Note", "Caf\xE9"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(device.setDword(std::string(kMaxValueNameLength + 1, 'v'), 1),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(readStore(), kSeed);
}

TEST_F(StoreNames, BracketsQuotesAndBackslashesInNamesComeBackAsGiven) {
    const std::string odd = "[x] \"q\" ;-";
    Key device;
    ASSERT_EQ(Key::create(HKEY_CURRENT_USER, kDevice, KEY_ALL_ACCESS, device), ERROR_SUCCESS);
    Key child;
    ASSERT_EQ(Key::create(device.get(), odd + "]", KEY_ALL_ACCESS, child), ERROR_SUCCESS);
    ASSERT_EQ(child.setDword(odd + "\\", 7), ERROR_SUCCESS);
    ASSERT_EQ(child.setString("Caf\xC3\xA9", "M\xC3\xBCller"), ERROR_SUCCESS);

    std::vector<std::string> names;
    ASSERT_EQ(device.subkeyNames(names), ERROR_SUCCESS) << lastStoreError();
    EXPECT_EQ(names, (std::vector<std::string>{odd + "]"}));
    Key reopened;
    ASSERT_EQ(Key::open(device.get(), odd + "]", KEY_READ, reopened), ERROR_SUCCESS);
    DWORD value = 0;
    ASSERT_EQ(reopened.queryDword(odd + "\\", value), ERROR_SUCCESS);
    EXPECT_EQ(value, 7U);
    std::string text;
    ASSERT_EQ(reopened.queryString("caf\xC3\xA9", text), ERROR_SUCCESS);
    EXPECT_EQ(text, "M\xC3\xBCller");
}

class StoreLocation : public testing::TempStore {
  protected:
    void SetUp() override {
        TempStore::SetUp();
        for (const char* name : {"XDG_CONFIG_HOME", "HOME"}) {
            const char* value = std::getenv(name);
            saved_.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_) {
            if (value) {
                ::setenv(name.c_str(), value->c_str(), 1);
            } else {
                ::unsetenv(name.c_str());
            }
        }
        TempStore::TearDown();
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> saved_;
};

TEST_F(StoreLocation, TheVariableWinsThenTheConfigFolderThenHome) {
    ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
    ::setenv("HOME", "/home/u", 1);
    EXPECT_EQ(storePath(), path_);
    ::unsetenv("BRENNIX_REGISTRY");
    EXPECT_EQ(storePath(), std::filesystem::path("/xdg/brennix/registry.reg"));
    ::setenv("XDG_CONFIG_HOME", "relative/ignored", 1);
    EXPECT_EQ(storePath(), std::filesystem::path("/home/u/.config/brennix/registry.reg"));
    ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(storePath(), std::filesystem::path("/home/u/.config/brennix/registry.reg"));
}

TEST_F(StoreLocation, TheFirstWriteCreatesTheConfigFolder) {
    ::unsetenv("BRENNIX_REGISTRY");
    ::setenv("XDG_CONFIG_HOME", (folder_ / "cfg").c_str(), 1);
    ASSERT_TRUE(writeSeries('X', 1));
    EXPECT_TRUE(std::filesystem::exists(folder_ / "cfg" / "brennix" / "registry.reg"));
}

}  // namespace
}  // namespace brennix::winreg
