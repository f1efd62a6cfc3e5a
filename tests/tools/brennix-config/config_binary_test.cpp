#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/platform/winreg/temp_store.h"

namespace brennix::config {
namespace {

struct Output {
    int code;
    std::string text;
};

class ConfigProgram : public winreg::testing::TempStore {
  protected:
    // Runs a shell line with $CONFIG naming the program and $STORE the store.
    Output shell(const std::string& line) {
        const std::string command =
            "CONFIG='" BRENNIX_CONFIG_BINARY "' STORE='" + path_.string() + "'; " + line + " 2>&1";
        FILE* pipe = ::popen(command.c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        std::string text;
        char buf[4096];
        while (pipe != nullptr && std::fgets(buf, sizeof buf, pipe) != nullptr) {
            text += buf;
        }
        int status = pipe != nullptr ? ::pclose(pipe) : -1;
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
    }
};

TEST_F(ConfigProgram, ExitCodesTellSuccessRefusalAndMisuse) {
    EXPECT_EQ(shell("$CONFIG --store \"$STORE\" add 2 Brax-VexaL --base1 0x220").code, 0);
    EXPECT_EQ(shell("$CONFIG --store \"$STORE\" add 2 Brax-VexaL").code, 1);
    EXPECT_EQ(shell("$CONFIG --store \"$STORE\" add two Brax-VexaL").code, 2);
    Output listed = shell("$CONFIG --store \"$STORE\" list");
    EXPECT_EQ(listed.code, 0);
    EXPECT_NE(listed.text.find("002     Brax-VexaL     0x220"), std::string::npos) << listed.text;
    EXPECT_EQ(shell("$CONFIG --help").code, 0);
}

TEST_F(ConfigProgram, TwoToolsAddingAtOnceKeepEveryDevice) {
    Output r = shell(
        "for i in $(seq 0 11); do $CONFIG --store \"$STORE\" add $i Brax-Dorv >/dev/null 2>&1 || "
        "echo FAIL $i; done & "
        "for i in $(seq 100 111); do $CONFIG --store \"$STORE\" add $i Brax-Fenq >/dev/null 2>&1 "
        "|| "
        "echo FAIL $i; done; wait");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.text.find("FAIL"), std::string::npos) << r.text;
    const std::string store = readStore();
    for (int i = 0; i < 12; ++i) {
        char dorv[32];
        char fenq[32];
        std::snprintf(dorv, sizeof dorv, "\\%03d@Brax-Dorv]", i);
        std::snprintf(fenq, sizeof fenq, "\\%03d@Brax-Fenq]", 100 + i);
        EXPECT_NE(store.find(dorv), std::string::npos) << dorv;
        EXPECT_NE(store.find(fenq), std::string::npos) << fenq;
    }
}

}  // namespace
}  // namespace brennix::config
