#pragma once
// A temporary store and a fresh class registry that loads libraries from it,
// with the test-only gauge library built beside the tests.

#include <dlfcn.h>

#include <filesystem>
#include <string>

#include "platform/com/class_registry.h"
#include "platform/winreg/key.h"
#include "tests/platform/winreg/temp_store.h"
#include "tools/brennix-register/register_command.h"

namespace brennix::com::testing {

inline std::string canonicalFile(const char* file) {
    std::error_code ec;
    auto path = std::filesystem::canonical(file, ec);
    return ec ? std::string(file) : path.string();
}

inline const std::string kGaugeFile = canonicalFile(BRENNIX_TEST_GAUGE_LIBRARY);
inline const std::string kPlainFile = canonicalFile(BRENNIX_TEST_PLAIN_LIBRARY);

inline constexpr const char* kGaugeClass = "{5A1E0003-0000-4000-8000-00000000C0DE}";
inline constexpr const char* kDialClass = "{5A1E0006-0000-4000-8000-00000000C0DE}";
inline constexpr const char* kGaugeLibId = "{5A1E0001-0000-4000-8000-00000000C0DE}";
inline constexpr const char* kGaugeDispatch = "{5A1E0004-0000-4000-8000-00000000C0DE}";
inline constexpr const char* kGaugeEvents = "{5A1E0005-0000-4000-8000-00000000C0DE}";

inline constexpr const char* kStoreHeader = "Windows Registry Editor Version 5.00\r\n\r\n";

// Whether the process has the file mapped, without loading it.
inline bool isLoaded(const std::string& file) {
    void* handle = ::dlopen(file.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr) {
        return false;
    }
    ::dlclose(handle);
    return true;
}

class LoadingTest : public winreg::testing::TempStore {
  protected:
    void SetUp() override {
        TempStore::SetUp();
        registry.useStoreLibraries();
    }
    void TearDown() override {
        (void)registry.freeUnusedLibraries();
        TempStore::TearDown();
    }

    static void registerGauge(bool unregister = false) {
        auto outcome = tools::registerLibraryFile(kGaugeFile, unregister);
        ASSERT_EQ(outcome.exitCode, 0) << outcome.message;
    }

    // The default value of a key below Software\Classes; "<none>" when absent.
    static std::string classesValue(const std::string& below, const std::string& name = "") {
        winreg::Key key;
        if (winreg::Key::open(winreg::HKEY_CURRENT_USER, "Software\\Classes\\" + below,
                              winreg::KEY_READ, key) != winreg::ERROR_SUCCESS) {
            return "<none>";
        }
        std::string value;
        return key.queryString(name, value) == winreg::ERROR_SUCCESS ? value : "<none>";
    }
    static bool classesKeyExists(const std::string& below) {
        winreg::Key key;
        return winreg::Key::open(winreg::HKEY_CURRENT_USER, "Software\\Classes\\" + below,
                                 winreg::KEY_READ, key) == winreg::ERROR_SUCCESS;
    }

    ClassRegistry registry;
};

}  // namespace brennix::com::testing
