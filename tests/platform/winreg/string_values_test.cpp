#include <gtest/gtest.h>

#include "platform/winreg/key.h"
#include "tests/platform/winreg/temp_store.h"

namespace brennix::winreg::testing {
namespace {

class StringValues : public TempStore {
  protected:
    void SetUp() override {
        TempStore::SetUp();
        ASSERT_EQ(Key::create(HKEY_CURRENT_USER, "Software\\Classes\\A.B.1", KEY_ALL_ACCESS, key_),
                  ERROR_SUCCESS);
    }
    Key key_;
};

TEST_F(StringValues, RoundTripThroughTheFileWithQuotesAndBackslashes) {
    ASSERT_EQ(key_.setString("", "C:\\lib \"x\".so"), ERROR_SUCCESS);
    ASSERT_EQ(key_.setString("ThreadingModel", "Apartment"), ERROR_SUCCESS);
    EXPECT_NE(readStore().find("@=\"C:\\\\lib \\\"x\\\".so\"\r\n"), std::string::npos);
    Key again;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, "Software\\Classes\\A.B.1", KEY_READ, again),
              ERROR_SUCCESS);
    std::string value;
    ASSERT_EQ(again.queryString("", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "C:\\lib \"x\".so");
    ASSERT_EQ(again.queryString("ThreadingModel", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "Apartment");
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExA(again.get(), "ThreadingModel", nullptr, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, REG_SZ);
    EXPECT_EQ(size, 10U);
}

TEST_F(StringValues, TextTheLinesCannotHoldIsRefusedAndNothingChanges) {
    ASSERT_EQ(key_.setString("", "kept"), ERROR_SUCCESS);
    const std::string before = readStore();
    EXPECT_EQ(key_.setString("", "two\nlines"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(key_.setString("", "cr\r"), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(key_.setString("", std::string("nul\0x", 5)), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(RegSetStringValueA(key_.get(), "", nullptr), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(readStore(), before);
}

TEST_F(StringValues, NeedSetAccessAndTextOnQuery) {
    ASSERT_EQ(key_.setDword("Count", 3), ERROR_SUCCESS);
    Key reader;
    ASSERT_EQ(Key::open(HKEY_CURRENT_USER, "Software\\Classes\\A.B.1", KEY_READ, reader),
              ERROR_SUCCESS);
    EXPECT_EQ(reader.setString("", "x"), ERROR_ACCESS_DENIED);
    std::string value = "untouched";
    EXPECT_EQ(reader.queryString("Count", value), ERROR_UNSUPPORTED_TYPE);
    EXPECT_EQ(reader.queryString("Missing", value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, "untouched");
    // A DWORD replaced by text changes its type.
    ASSERT_EQ(key_.setString("Count", "three"), ERROR_SUCCESS);
    ASSERT_EQ(reader.queryString("Count", value), ERROR_SUCCESS);
    EXPECT_EQ(value, "three");
}

}  // namespace
}  // namespace brennix::winreg::testing
