#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/winreg/file_lock.h"
#include "platform/winreg/key.h"
#include "tests/platform/winreg/temp_store.h"
#include "tools/brennix-config/board_catalogue.h"
#include "tools/brennix-config/config_command.h"

namespace brennix::config {
namespace {

using winreg::DWORD;
using winreg::Key;

struct Outcome {
    int code;
    std::string out;
    std::string err;
};

class ConfigTool : public winreg::testing::TempStore {
  protected:
    Outcome run(std::vector<std::string> args) {
        std::ostringstream out;
        std::ostringstream err;
        int code = runConfig(args, out, err);
        return {code, out.str(), err.str()};
    }

    // What a hardware control enumerates under its device root.
    std::vector<std::string> controlSeesKeys() {
        Key root;
        EXPECT_EQ(Key::create(winreg::HKEY_CURRENT_USER, "Software\\Brennix Device",
                              winreg::KEY_ALL_ACCESS, root),
                  winreg::ERROR_SUCCESS);
        std::vector<std::string> names;
        EXPECT_EQ(root.subkeyNames(names), winreg::ERROR_SUCCESS);
        return names;
    }

    DWORD controlReads(const std::string& key, const char* name) {
        Key device;
        EXPECT_EQ(Key::open(winreg::HKEY_CURRENT_USER, "Software\\Brennix Device\\" + key,
                            winreg::KEY_READ, device),
                  winreg::ERROR_SUCCESS);
        DWORD type = 0;
        DWORD value = 0xDEAD;
        DWORD size = 4;
        EXPECT_EQ(winreg::RegQueryValueExA(device.get(), name, nullptr, &type,
                                           reinterpret_cast<winreg::BYTE*>(&value), &size),
                  winreg::ERROR_SUCCESS);
        EXPECT_EQ(type, winreg::REG_DWORD);
        EXPECT_EQ(size, 4U);
        return value;
    }
};

class ConfigRoundTrip : public ConfigTool {};

TEST_F(ConfigRoundTrip, AddedDevicesAreListedAndGoneAfterRemove) {
    EXPECT_EQ(run({"add", "2", "Brax-VexaL", "--base1", "0x300"}).code, kExitOk);
    EXPECT_EQ(run({"add", "1", "Brax-Olmi", "--base1=0x220", "--irq1", "5", "--dma", "3"}).code,
              kExitOk);
    EXPECT_EQ(run({"add", "0", "Brax-VexaL"}).code, kExitOk);

    Outcome listed = run({"list"});
    EXPECT_EQ(listed.code, kExitOk);
    EXPECT_EQ(listed.err, "");
    EXPECT_EQ(listed.out,
              "Device  Board          BaseAddress1  BaseAddress2  IRQ1          IRQ2          DMA\n"
              "000     Brax-VexaL     0x0           0x0           0             1             0\n"
              "001     Brax-Olmi      0x220         0x0           5             1             3\n"
              "002     Brax-VexaL     0x300         0x0           0             1             0\n");

    Outcome removed = run({"remove", "1"});
    EXPECT_EQ(removed.code, kExitOk);
    EXPECT_EQ(removed.out, "Removed 001@Brax-Olmi.\n");
    listed = run({"list"});
    EXPECT_EQ(listed.out.find("Brax-Olmi"), std::string::npos);
    EXPECT_NE(listed.out.find("002     Brax-VexaL"), std::string::npos);
    EXPECT_EQ(controlSeesKeys(), (std::vector<std::string>{"000@Brax-VexaL", "002@Brax-VexaL"}));

    EXPECT_EQ(run({"remove", "0"}).code, kExitOk);
    EXPECT_EQ(run({"remove", "2"}).code, kExitOk);
    EXPECT_NE(run({"list"}).out.find("No devices are configured"), std::string::npos);
}

TEST_F(ConfigRoundTrip, ControlsReadTheKeysAndDwordsTheToolWrote) {
    ASSERT_EQ(run({"add", "2", "Brax-VexaL", "--base1", "0x220", "--irq1", "15"}).code, kExitOk);
    ASSERT_EQ(run({"add", "0", "Brax-VexaL"}).code, kExitOk);
    ASSERT_EQ(run({"add", "1", "Brax-Olmi"}).code, kExitOk);
    EXPECT_EQ(controlSeesKeys(),
              (std::vector<std::string>{"000@Brax-VexaL", "001@Brax-Olmi", "002@Brax-VexaL"}));
    EXPECT_EQ(controlReads("002@Brax-VexaL", "BaseAddress1"), 0x220U);
    EXPECT_EQ(controlReads("002@Brax-VexaL", "BaseAddress2"), 0U);
    EXPECT_EQ(controlReads("002@Brax-VexaL", "IRQ1"), 15U);
    EXPECT_EQ(controlReads("002@Brax-VexaL", "IRQ2"), 1U);
    EXPECT_EQ(controlReads("002@Brax-VexaL", "DMA"), 0U);
}

TEST_F(ConfigRoundTrip, SetChangesOneValueAndShowReportsIt) {
    ASSERT_EQ(run({"add", "7", "Brax-Dorv"}).code, kExitOk);
    Outcome set = run({"set", "7", "irq1", "0x0F"});
    EXPECT_EQ(set.code, kExitOk);
    EXPECT_EQ(set.out, "Set IRQ1 of 007@Brax-Dorv to 0x0F.\n");
    EXPECT_EQ(run({"set", "7", "BaseAddress2", "-1"}).code, kExitOk);
    EXPECT_EQ(run({"set", "7", "IRQ2", "010"}).code, kExitOk);
    EXPECT_EQ(controlReads("007@Brax-Dorv", "IRQ2"), 10U);
    EXPECT_EQ(controlReads("007@Brax-Dorv", "IRQ1"), 15U);
    EXPECT_EQ(controlReads("007@Brax-Dorv", "BaseAddress2"), 0xFFFFFFFFU);
    Outcome shown = run({"show", "7"});
    EXPECT_EQ(shown.code, kExitOk);
    EXPECT_NE(shown.out.find("Device 7: 007@Brax-Dorv\n"), std::string::npos);
    EXPECT_NE(shown.out.find("  IRQ1          15\n"), std::string::npos);
    EXPECT_NE(shown.out.find("  BaseAddress2  0xFFFFFFFF\n"), std::string::npos);
}

TEST_F(ConfigRoundTrip, ShowNamesMissingValuesAndKeepsOthersVisible) {
    writeStore(
        "Windows Registry Editor Version 5.00\r\n"
        "[HKEY_CURRENT_USER\\Software\\Brennix Device\\003@Brax-Senu]\r\n"
        "\"BaseAddress1\"=dword:00000280\r\n\"Owner\"=\"lab 2\"\r\n");
    Outcome shown = run({"show", "3"});
    EXPECT_EQ(shown.code, kExitOk);
    EXPECT_NE(shown.out.find("  BaseAddress1  0x280\n"), std::string::npos);
    EXPECT_NE(shown.out.find("  IRQ2          not set (the controls write 1)\n"),
              std::string::npos);
    EXPECT_NE(shown.out.find("  Owner         \"lab 2\"\n"), std::string::npos);
    ASSERT_EQ(run({"set", "3", "IRQ1", "5"}).code, kExitOk);
    EXPECT_NE(readStore().find("\"Owner\"=\"lab 2\"\r\n"), std::string::npos);
}

class ConfigRefusals : public ConfigTool {};

TEST_F(ConfigRefusals, ATakenNumberIsRefusedWithTheKeyThatHasIt) {
    ASSERT_EQ(run({"add", "2", "Brax-VexaL"}).code, kExitOk);
    const std::string before = readStore();
    Outcome again = run({"add", "2", "Brax-Olmi"});
    EXPECT_EQ(again.code, kExitFailed);
    EXPECT_NE(again.err.find("device 2 already exists as 002@Brax-VexaL"), std::string::npos);
    EXPECT_EQ(readStore(), before);
}

TEST_F(ConfigRefusals, AKeyTheControlsReadAsTheSameNumberCountsAsTaken) {
    writeStore(
        "Windows Registry Editor Version 5.00\r\n"
        "[HKEY_CURRENT_USER\\Software\\Brennix Device\\5@Brax-Olmi]\r\n");
    EXPECT_EQ(run({"add", "5", "Brax-Olmi"}).code, kExitFailed);
    Outcome listed = run({"list"});
    EXPECT_NE(listed.err.find("key \"5@Brax-Olmi\" is not named NNN@<board name>"),
              std::string::npos);
    Outcome removed = run({"remove", "5"});
    EXPECT_EQ(removed.out, "Removed 5@Brax-Olmi.\n");
}

TEST_F(ConfigRefusals, BadArgumentsAreNamedAndTouchNothing) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"add", "1000", "Brax-Olmi"}, "device number must be 0 to 999, not \"1000\""},
        {{"add", "-1", "Brax-Olmi"}, "device number must be 0 to 999, not \"-1\""},
        {{"show", "x2"}, "device number must be 0 to 999, not \"x2\""},
        {{"add", "1", "Brax-Olmi", "--irq1", "0x1G"}, "IRQ1 must be a number"},
        {{"add", "1", "Brax-Olmi", "--base1", "4294967296"}, "BaseAddress1 must be a number"},
        {{"add", "1", "Brax-Olmi", "--irq1"}, "--irq1 needs a value"},
        {{"add", "1", "Brax-Olmi", "--speed", "3"}, "unknown option \"--speed\""},
        {{"add", "1"}, "add takes a device number and a board name"},
        {{"set", "1", "Colour", "3"}, "unknown value name \"Colour\""},
        {{"frobnicate"}, "unknown command \"frobnicate\""},
        {{}, "no command given"},
        {{"--store"}, "--store needs a file name"},
    };
    for (const auto& [args, problem] : cases) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, kExitUsage) << problem;
        EXPECT_NE(r.err.find(problem), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(path_));
}

TEST_F(ConfigRefusals, BoardNamesTheControlsCannotReadBackAreRefused) {
    for (const std::string& board :
         {std::string("Brax\\Olmi"), std::string("Brax-Olmi "), std::string(""),
          std::string(96, 'B'), std::string("Brax\tOlmi")}) {
        Outcome r = run({"add", "1", board});
        EXPECT_EQ(r.code, kExitFailed) << board;
        EXPECT_NE(r.err.find("board name"), std::string::npos) << r.err;
    }
    EXPECT_EQ(run({"add", "1", std::string(95, 'B')}).code, kExitOk);
    EXPECT_EQ(controlSeesKeys().front().size(), 99U);
}

TEST_F(ConfigRefusals, MissingDevicesFailWithExitOne) {
    EXPECT_EQ(run({"remove", "4"}).err, "brennix-config: no device 4 is configured\n");
    EXPECT_EQ(run({"show", "4"}).code, kExitFailed);
    EXPECT_EQ(run({"set", "4", "IRQ1", "1"}).code, kExitFailed);
}

TEST_F(ConfigRefusals, AMalformedStoreIsReportedAndKeptAsItIs) {
    const std::string broken =
        "Windows Registry Editor Version 5.00\r\n"
        "[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-Olmi]\r\n"
        "\"IRQ1\"=dword:00000005\r\n"
        "\"IRQ2\"=dword:\r\n";
    writeStore(broken);
    for (const std::vector<std::string>& args : {std::vector<std::string>{"list"},
                                                 {"add", "1", "Brax-Olmi"},
                                                 {"remove", "0"},
                                                 {"set", "0", "IRQ1", "3"}}) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, kExitFailed) << args.front();
        EXPECT_NE(r.err.find("line 4: dword value needs exactly 8 hexadecimal digits"),
                  std::string::npos)
            << r.err;
    }
    EXPECT_EQ(readStore(), broken);
}

class ConfigCatalogue : public ConfigTool {};

TEST_F(ConfigCatalogue, EveryCatalogueBoardIsAddedWithoutAWarning) {
    int number = 0;
    for (const auto& board : boardCatalogue()) {
        Outcome r = run({"add", std::to_string(number++), std::string(board.name)});
        EXPECT_EQ(r.code, kExitOk) << board.name;
        EXPECT_EQ(r.err, "") << board.name;
    }
    EXPECT_EQ(controlSeesKeys().size(), 15U);
    EXPECT_EQ(controlSeesKeys()[12], "012@Brax-Tepa/16");
}

TEST_F(ConfigCatalogue, ANameOutsideTheCatalogueIsStoredWithAWarning) {
    Outcome unknown = run({"add", "4", "Brax-Foo"});
    EXPECT_EQ(unknown.code, kExitOk);
    EXPECT_NE(unknown.err.find("warning: \"Brax-Foo\" is not a board name in the catalogue"),
              std::string::npos);
    Outcome wrongCase = run({"add", "5", "brax-vexal"});
    EXPECT_NE(wrongCase.err.find("did you mean \"Brax-VexaL\"?"), std::string::npos);
    EXPECT_EQ(controlSeesKeys(), (std::vector<std::string>{"004@Brax-Foo", "005@brax-vexal"}));
    EXPECT_NE(run({"list"}).err.find("\"Brax-Foo\" is not a board name"), std::string::npos);
}

TEST_F(ConfigCatalogue, ACardItsDriverCannotAddressIsWarnedAbout) {
    ASSERT_EQ(run({"add", "0", "Brax-Olmi"}).err, "");
    ASSERT_EQ(run({"add", "3", "Brax-Olmi"}).err, "");
    Outcome third = run({"add", "9", "Brax-Olmi"});
    EXPECT_EQ(third.code, kExitOk);
    EXPECT_NE(third.err.find("this is card 2 of board \"Brax-Olmi\"; its driver accepts cards 0 "
                             "to 1"),
              std::string::npos)
        << third.err;
    for (int n = 10; n < 17; ++n) {
        ASSERT_EQ(run({"add", std::to_string(n), "Brax-Dorv"}).code, kExitOk);
    }
    EXPECT_EQ(run({"add", "17", "Brax-Dorv"}).err, "");
    EXPECT_NE(run({"add", "18", "Brax-Dorv"}).err.find("the controls address cards 0 to 7 only"),
              std::string::npos);
}

TEST_F(ConfigCatalogue, BoardsListWhatEachBoardCanBeConfiguredWith) {
    Outcome boards = run({"boards"});
    EXPECT_EQ(boards.code, kExitOk);
    EXPECT_NE(
        boards.out.find("Brax-VexaL     Vexa                    0-1    2-7, 9-12, 14, 15         "
                        "1, 3\n"),
        std::string::npos)
        << boards.out;
    EXPECT_NE(
        boards.out.find("Brax-Senu      Senu                    0-1    2-7, 9                    "
                        "none\n"),
        std::string::npos);
    EXPECT_NE(
        boards.out.find("Brax-Zolt      Zolt (outside driver)   0-7    0-15                      "
                        "0-7\n"),
        std::string::npos);
}

TEST_F(ConfigCatalogue, HelpDescribesEveryCommandAndExplainsCardNumbers) {
    Outcome help = run({"--help"});
    EXPECT_EQ(help.code, kExitOk);
    for (const char* word :
         {"Usage: brennix-config", "list", "show NUMBER", "add NUMBER BOARD", "remove NUMBER",
          "set NUMBER NAME VALUE", "--base1", "--store FILE", "Exit status",
          "Card numbers:", "position of the device among the configured devices", "renumbers"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    EXPECT_EQ(run({"help"}).out, help.out);
}

class ConfigBoardResources : public ConfigTool {};

TEST_F(ConfigBoardResources, LinesAndChannelsABoardCannotHaveAreRefusedOnAdd) {
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"add", "1", "Brax-VexaL", "--irq1", "8"},
         "IRQ1 8 is not an interrupt line a Brax-VexaL card can use (it can use 2-7, 9-12, 14, "
         "15; 0 for none)"},
        {{"add", "1", "Brax-Senu", "--irq1", "10"}, "(it can use 2-7, 9; 0 for none)"},
        {{"add", "1", "Brax-Olmi", "--dma", "2"}, "DMA 2 is not a DMA channel a Brax-Olmi card"},
        {{"add", "1", "Brax-Senu", "--dma", "1"}, "card can use (it has none; 0 for none)"},
        {{"add", "1", "Brax-Zolt", "--dma", "8"}, "DMA 8 is not a DMA channel"},
        {{"add", "1", "Brax-Foo", "--irq1", "-1"}, "IRQ1 -1 is not an interrupt line"},
        {{"add", "1", "Brax-VexaL", "--irq2", "16"}, "IRQ2 16 is not an interrupt line of the ISA"},
    };
    for (const auto& [args, problem] : cases) {
        Outcome r = run(args);
        EXPECT_EQ(r.code, kExitFailed) << problem;
        EXPECT_NE(r.err.find(problem), std::string::npos) << r.err;
    }
    EXPECT_FALSE(std::filesystem::exists(path_));
    // What the drivers take, and 0 for none, are stored.
    EXPECT_EQ(run({"add", "1", "Brax-VexaL", "--irq1", "15", "--dma", "3"}).code, kExitOk);
    EXPECT_EQ(run({"add", "2", "Brax-Senu", "--irq1", "9", "--irq2", "0"}).code, kExitOk);
    EXPECT_EQ(run({"add", "3", "Brax-Zolt", "--irq1", "0", "--dma", "7"}).code, kExitOk);
}

TEST_F(ConfigBoardResources, SetChecksTheValueAgainstTheDevicesBoard) {
    ASSERT_EQ(run({"add", "3", "Brax-Senu", "--irq1", "5"}).code, kExitOk);
    const std::string before = readStore();
    Outcome refused = run({"set", "3", "IRQ1", "11"});
    EXPECT_EQ(refused.code, kExitFailed);
    EXPECT_EQ(refused.err,
              "brennix-config: IRQ1 11 is not an interrupt line a Brax-Senu card can use (it can "
              "use 2-7, 9; 0 for none)\n");
    EXPECT_EQ(run({"set", "3", "dma", "3"}).code, kExitFailed);
    EXPECT_EQ(readStore(), before);
    EXPECT_EQ(run({"set", "3", "IRQ1", "9"}).code, kExitOk);
    EXPECT_EQ(controlReads("003@Brax-Senu", "IRQ1"), 9U);
}

class ConfigWarnings : public ConfigTool {};

TEST_F(ConfigWarnings, TwoDevicesAtOneBaseAddressAreWarnedAbout) {
    ASSERT_EQ(run({"add", "0", "Brax-Olmi", "--base1", "0x220"}).err, "");
    Outcome second = run({"add", "1", "Brax-VexaL", "--base1", "0x220"});
    EXPECT_EQ(second.code, kExitOk);
    EXPECT_EQ(second.err,
              "brennix-config: warning: 000@Brax-Olmi is also at base address 0x220; two cards "
              "cannot share one base address\n");
    EXPECT_EQ(run({"set", "1", "BaseAddress1", "0x300"}).err, "");
    EXPECT_NE(run({"set", "0", "BaseAddress1", "0x300"})
                  .err.find("001@Brax-VexaL is also at base address 0x300"),
              std::string::npos);
    // Unset addresses are not a clash.
    EXPECT_EQ(run({"add", "2", "Brax-Dorv"}).err, "");
    EXPECT_EQ(run({"add", "3", "Brax-Dorv"}).err, "");
}

TEST_F(ConfigWarnings, AChangeThatRenumbersTheCardsOfExistingDevicesIsWarnedAbout) {
    ASSERT_EQ(run({"add", "5", "Brax-Dorv"}).err, "");
    ASSERT_EQ(run({"add", "7", "Brax-Dorv"}).err, "");
    ASSERT_EQ(run({"add", "9", "Brax-Olmi"}).err, "");
    Outcome inserted = run({"add", "2", "Brax-Dorv"});
    EXPECT_EQ(inserted.code, kExitOk);
    EXPECT_EQ(inserted.err,
              "brennix-config: warning: this renumbers the cards of existing devices: "
              "005@Brax-Dorv is now card 1 (was card 0), 007@Brax-Dorv is now card 2 (was card "
              "1); a control opens the card its device number comes to\n");
    // A later device or another board moves nobody.
    EXPECT_EQ(run({"add", "8", "Brax-Dorv"}).err, "");
    EXPECT_EQ(run({"add", "1", "Brax-Senu"}).err, "");
    Outcome removed = run({"remove", "7"});
    EXPECT_EQ(removed.code, kExitOk);
    EXPECT_NE(removed.err.find("008@Brax-Dorv is now card 2 (was card 3)"), std::string::npos)
        << removed.err;
    EXPECT_EQ(removed.err.find("005@Brax-Dorv"), std::string::npos);
}

TEST_F(ConfigWarnings, AChangeThatMustWaitForTheStoresLockSaysSo) {
    ASSERT_EQ(run({"add", "0", "Brax-Olmi"}).code, kExitOk);
    winreg::FileLock other;
    std::string error;
    ASSERT_EQ(other.acquire(path_.string() + ".lock", 0, error), winreg::FileLock::Outcome::Locked);
    const std::uint32_t wait = winreg::lockWaitMilliseconds();
    winreg::setLockWaitMilliseconds(0);
    Outcome blocked = run({"set", "0", "IRQ1", "5"});
    winreg::setLockWaitMilliseconds(wait);
    EXPECT_EQ(blocked.code, kExitFailed);
    EXPECT_NE(blocked.err.find("brennix-config: waiting for another writer of the store to "
                               "finish (" +
                               path_.string() + ".lock is locked)\n"),
              std::string::npos)
        << blocked.err;
    EXPECT_NE(blocked.err.find("locked by another writer"), std::string::npos);
    other.release();
    Outcome free = run({"set", "0", "IRQ1", "5"});
    EXPECT_EQ(free.code, kExitOk);
    EXPECT_EQ(free.err, "");
}

}  // namespace
}  // namespace brennix::config
