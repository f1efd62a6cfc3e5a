#pragma once
// A store file in a fresh temporary folder, named by BRENNIX_REGISTRY while
// the fixture lives.

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace brennix::winreg::testing {

class TempStore : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "brennix-winreg-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
        path_ = folder_ / "registry.reg";
        ::setenv("BRENNIX_REGISTRY", path_.c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("BRENNIX_REGISTRY");
        std::error_code ec;
        std::filesystem::remove_all(folder_, ec);
    }

    void writeStore(const std::string& bytes) const {
        std::ofstream out(path_, std::ios::binary);
        out << bytes;
    }
    std::string readStore() const {
        std::ifstream in(path_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    std::filesystem::path folder_;
    std::filesystem::path path_;
};

}  // namespace brennix::winreg::testing
