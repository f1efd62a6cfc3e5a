#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/winreg/key.h"
#include "platform/winreg/registry.h"
#include "tests/platform/winreg/temp_store.h"

namespace brennix::winreg {
namespace {

constexpr const char* kHeader = "Windows Registry Editor Version 5.00\r\n";

// The control-side way in: Software for reading, the device root created.
HKEY openDeviceRoot() {
    HKEY software = nullptr;
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &software), ERROR_SUCCESS);
    HKEY root = nullptr;
    DWORD disposition = 0;
    EXPECT_EQ(RegCreateKeyExA(software, "Brennix Device", 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &root, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(software), ERROR_SUCCESS);
    return root;
}

std::vector<std::string> enumerate(HKEY key) {
    DWORD count = 0;
    EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    std::vector<std::string> names;
    for (DWORD i = 0; i < count; ++i) {
        char name[100];
        DWORD size = sizeof name;
        EXPECT_EQ(RegEnumKeyExA(key, i, name, &size, nullptr, nullptr, nullptr, nullptr),
                  ERROR_SUCCESS);
        names.emplace_back(name, size);
    }
    char name[100];
    DWORD size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(key, count, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_NO_MORE_ITEMS);
    return names;
}

class DeviceRootEnumeration : public testing::TempStore {};

TEST_F(DeviceRootEnumeration, DevicesComeBackInNameOrderWhateverTheFileOrder) {
    writeStore(std::string(kHeader) +
               "\r\n[HKEY_CURRENT_USER\\Software\\Brennix Device\\002@Brax-VexaL]\r\n"
               "\r\n[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-VexaL]\r\n"
               "\r\n[HKEY_CURRENT_USER\\Software\\Brennix Device\\001@Brax-Olmi]\r\n");
    HKEY root = openDeviceRoot();
    EXPECT_EQ(enumerate(root),
              (std::vector<std::string>{"000@Brax-VexaL", "001@Brax-Olmi", "002@Brax-VexaL"}));
    RegCloseKey(root);
}

TEST_F(DeviceRootEnumeration, KeysCreatedOutOfOrderEnumerateSorted) {
    HKEY root = openDeviceRoot();
    for (const char* name : {"002@Brax-VexaL", "001@Brax-Olmi", "000@Brax-VexaL"}) {
        HKEY key = nullptr;
        ASSERT_EQ(
            RegCreateKeyExA(root, name, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr),
            ERROR_SUCCESS);
        RegCloseKey(key);
    }
    EXPECT_EQ(enumerate(root),
              (std::vector<std::string>{"000@Brax-VexaL", "001@Brax-Olmi", "002@Brax-VexaL"}));
    RegCloseKey(root);
}

TEST_F(DeviceRootEnumeration, NamesSortUpperCasedSoUnderscoreFollowsLetters) {
    writeStore(std::string(kHeader) +
               "[HKEY_CURRENT_USER\\T\\b]\r\n[HKEY_CURRENT_USER\\T\\_a]\r\n"
               "[HKEY_CURRENT_USER\\T\\A]\r\n[HKEY_CURRENT_USER\\T\\Z_]\r\n");
    HKEY t = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "t", 0, KEY_READ, &t), ERROR_SUCCESS);
    EXPECT_EQ(enumerate(t), (std::vector<std::string>{"A", "b", "Z_", "_a"}));
    RegCloseKey(t);
}

TEST_F(DeviceRootEnumeration, ANameThatDoesNotFitTheBufferIsMoreData) {
    writeStore(std::string(kHeader) +
               "[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-VexaL]\r\n");
    HKEY root = openDeviceRoot();
    char name[15];
    DWORD size = 14;
    EXPECT_EQ(RegEnumKeyExA(root, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_MORE_DATA);
    size = 15;
    EXPECT_EQ(RegEnumKeyExA(root, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 14U);
    EXPECT_STREQ(name, "000@Brax-VexaL");
    DWORD longest = 0;
    EXPECT_EQ(RegQueryInfoKeyA(root, nullptr, nullptr, nullptr, nullptr, &longest, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(longest, 14U);
    RegCloseKey(root);
}

class KeyOpening : public testing::TempStore {};

TEST_F(KeyOpening, FirstUseCreatesTheDeviceRootAndSaysSo) {
    HKEY software = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &software), ERROR_SUCCESS);
    DWORD disposition = 0;
    HKEY root = nullptr;
    ASSERT_EQ(RegCreateKeyExA(software, "Brennix Device", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &root, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    RegCloseKey(root);
    ASSERT_EQ(RegCreateKeyExA(software, "brennix device", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &root, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_OPENED_EXISTING_KEY);
    RegCloseKey(root);
    RegCloseKey(software);
    EXPECT_NE(readStore().find("[HKEY_CURRENT_USER\\Software\\Brennix Device]"), std::string::npos);
}

TEST_F(KeyOpening, MissingKeysAndBadPathsFailWithTheirCodes) {
    HKEY key = reinterpret_cast<HKEY>(std::uintptr_t{1});
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\Brennix Device\\000@Brax-VexaL", 0,
                            KEY_READ, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software\\\\x", 0, KEY_READ, &key),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "\\Software", 0, KEY_READ, &key),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(std::filesystem::exists(path_)) << "opening must not write";
}

TEST_F(KeyOpening, ClosedAndUnknownHandlesAreInvalid) {
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
    DWORD count = 0;
    EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr,
                               nullptr, nullptr, nullptr, nullptr),
              ERROR_INVALID_HANDLE);
    DWORD value = 1;
    EXPECT_EQ(RegSetValueExA(key, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
              ERROR_INVALID_HANDLE);
    HKEY sub = nullptr;
    EXPECT_EQ(RegOpenKeyExA(key, nullptr, 0, KEY_READ, &sub), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
}

TEST_F(KeyOpening, AHandleOnlyDoesWhatItWasOpenedFor) {
    HKEY readOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &readOnly), ERROR_SUCCESS);
    DWORD value = 7;
    EXPECT_EQ(RegSetValueExA(readOnly, "x", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4),
              ERROR_ACCESS_DENIED);
    HKEY writeOnly = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_SET_VALUE, &writeOnly),
              ERROR_SUCCESS);
    DWORD size = 4;
    EXPECT_EQ(
        RegQueryValueExA(writeOnly, "x", nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_ACCESS_DENIED);
    char name[10];
    size = sizeof name;
    EXPECT_EQ(RegEnumKeyExA(writeOnly, 0, name, &size, nullptr, nullptr, nullptr, nullptr),
              ERROR_ACCESS_DENIED);
    RegCloseKey(readOnly);
    RegCloseKey(writeOnly);
}

TEST_F(KeyOpening, AHandleToAKeyDeletedMeanwhileReportsItDeleted) {
    Key device;
    ASSERT_EQ(Key::create(HKEY_CURRENT_USER, "Software\\Brennix Device\\005@Brax-Olmi",
                          KEY_ALL_ACCESS, device),
              ERROR_SUCCESS);
    Key root;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, "Software\\Brennix Device", KEY_ALL_ACCESS, root),
              ERROR_SUCCESS);
    ASSERT_EQ(root.deleteTree("005@brax-olmi"), ERROR_SUCCESS);
    DWORD value = 0;
    EXPECT_EQ(device.queryDword("IRQ1", value), ERROR_KEY_DELETED);
    EXPECT_EQ(device.setDword("IRQ1", 3), ERROR_KEY_DELETED);
    EXPECT_EQ(readStore().find("005@"), std::string::npos);
}

TEST_F(KeyOpening, DeletingAKeyWithSubkeysNeedsTheTreeCall) {
    Key leaf;
    ASSERT_EQ(Key::create(HKEY_CURRENT_USER, "Software\\A\\B", KEY_ALL_ACCESS, leaf),
              ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\A"), ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\A\\B"), ERROR_SUCCESS);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\A\\B"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\A"), ERROR_SUCCESS);
}

TEST_F(KeyOpening, TheOwnedKeyClosesItsHandle) {
    HKEY raw = nullptr;
    {
        Key key;
        ASSERT_EQ(Key::open(HKEY_CURRENT_USER, "Software", KEY_READ, key), ERROR_SUCCESS);
        raw = key.get();
        Key moved = std::move(key);
        EXPECT_FALSE(key);
        EXPECT_EQ(moved.get(), raw);
    }
    EXPECT_EQ(RegCloseKey(raw), ERROR_INVALID_HANDLE);
}

class DwordValues : public testing::TempStore {
  protected:
    void SetUp() override {
        TempStore::SetUp();
        ASSERT_EQ(Key::create(HKEY_CURRENT_USER, "Software\\Brennix Device\\002@Brax-VexaL",
                              KEY_ALL_ACCESS, device_),
                  ERROR_SUCCESS);
    }
    Key device_;
};

TEST_F(DwordValues, ASetValueReadsBackAsFourBytesOfTypeDword) {
    ASSERT_EQ(device_.setDword("BaseAddress1", 0x220), ERROR_SUCCESS);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = 4;
    ASSERT_EQ(RegQueryValueExA(device_.get(), "baseaddress1", nullptr, &type,
                               reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_DWORD);
    EXPECT_EQ(size, 4U);
    EXPECT_EQ(value, 0x220U);
    EXPECT_NE(readStore().find("\"BaseAddress1\"=dword:00000220\r\n"), std::string::npos);
}

TEST_F(DwordValues, QueriesReportMissingValuesAndShortBuffers) {
    DWORD value = 0;
    DWORD size = 4;
    EXPECT_EQ(RegQueryValueExA(device_.get(), "IRQ2", nullptr, nullptr,
                               reinterpret_cast<BYTE*>(&value), &size),
              ERROR_FILE_NOT_FOUND);
    ASSERT_EQ(device_.setDword("IRQ2", 1), ERROR_SUCCESS);
    BYTE small[2] = {0xEE, 0xEE};
    size = 2;
    EXPECT_EQ(RegQueryValueExA(device_.get(), "IRQ2", nullptr, nullptr, small, &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 4U);
    size = 0;
    EXPECT_EQ(RegQueryValueExA(device_.get(), "IRQ2", nullptr, nullptr, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 4U);
    EXPECT_EQ(RegQueryValueExA(device_.get(), "IRQ2", nullptr, nullptr, small, nullptr),
              ERROR_INVALID_PARAMETER);
}

TEST_F(DwordValues, OnlyFourByteDwordsCanBeSet) {
    DWORD value = 5;
    const auto* bytes = reinterpret_cast<const BYTE*>(&value);
    EXPECT_EQ(RegSetValueExA(device_.get(), "DMA", 0, REG_DWORD, bytes, 2),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(device_.get(), "DMA", 0, REG_SZ, bytes, 4), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetValueExA(device_.get(), "DMA", 0, REG_DWORD, nullptr, 4),
              ERROR_INVALID_PARAMETER);
    DWORD out = 0;
    EXPECT_EQ(device_.queryDword("DMA", out), ERROR_FILE_NOT_FOUND);
}

TEST_F(DwordValues, OtherTypesAreReadWithTheirTypeAndSize) {
    writeStore(std::string(kHeader) +
               "[HKEY_CURRENT_USER\\Software\\Brennix Device\\002@Brax-VexaL]\r\n"
               "\"IRQ1\"=\"fifteen\"\r\n\"DMA\"=\"3\"\r\n");
    DWORD type = 0;
    BYTE data[4] = {};
    DWORD size = 4;
    EXPECT_EQ(RegQueryValueExA(device_.get(), "IRQ1", nullptr, &type, data, &size),
              ERROR_MORE_DATA);
    EXPECT_EQ(size, 8U);
    size = 4;
    EXPECT_EQ(RegQueryValueExA(device_.get(), "DMA", nullptr, &type, data, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 2U);
    DWORD value = 0;
    EXPECT_EQ(device_.queryDword("DMA", value), ERROR_UNSUPPORTED_TYPE);
}

TEST_F(DwordValues, ChangesByAnotherWriterAreSeenThroughAnOpenHandle) {
    writeStore(std::string(kHeader) +
               "[HKEY_CURRENT_USER\\Software\\Brennix Device\\002@Brax-VexaL]\r\n"
               "\"IRQ1\"=dword:0000000f\r\n");
    DWORD value = 0;
    ASSERT_EQ(device_.queryDword("IRQ1", value), ERROR_SUCCESS);
    EXPECT_EQ(value, 15U);
}

}  // namespace
}  // namespace brennix::winreg
