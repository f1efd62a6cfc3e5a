#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/com/class_error.h"
#include "platform/com/class_keys.h"
#include "platform/com/control_library.h"
#include "tests/platform/com/loading_fixture.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::com::testing {
namespace {

using ::testing::HasSubstr;

class RegistrationKeys : public LoadingTest {};

TEST_F(RegistrationKeys, RegisteringWritesTheKeysADesktopRegistryHolds) {
    registerGauge();
    const std::string clsid = std::string("CLSID\\") + kGaugeClass;
    EXPECT_EQ(classesValue("GAUGEKIT.GaugeCtrl.1"), "Gauge Control 1.0");
    EXPECT_EQ(classesValue("GAUGEKIT.GaugeCtrl.1\\CLSID"), kGaugeClass);
    EXPECT_EQ(classesValue("GAUGEKITLib.Gauge\\CLSID"), kGaugeClass);
    EXPECT_EQ(classesValue("GAUGEKITLib.Dial\\CLSID"), kDialClass);
    EXPECT_EQ(classesValue(clsid), "Gauge Control 1.0");
    EXPECT_EQ(classesValue(clsid + "\\InprocServer32"), kGaugeFile);
    EXPECT_EQ(classesValue(clsid + "\\InprocServer32", "ThreadingModel"), "Apartment");
    EXPECT_EQ(classesValue(clsid + "\\ProgID"), "GAUGEKIT.GaugeCtrl.1");
    EXPECT_TRUE(classesKeyExists(clsid + "\\Control"));
    EXPECT_EQ(classesValue(clsid + "\\TypeLib"), kGaugeLibId);
    EXPECT_EQ(classesValue(clsid + "\\TypeLib", "Name"), "GAUGEKITLib");
    EXPECT_EQ(classesValue(clsid + "\\Version"), "1.0");
    EXPECT_EQ(classesValue(std::string("Interface\\") + kGaugeDispatch), "_DGauge");
    EXPECT_EQ(classesValue(std::string("Interface\\") + kGaugeEvents), "_DGaugeEvents");
    EXPECT_EQ(classesValue(std::string("Interface\\") + kGaugeEvents + "\\TypeLib"), kGaugeLibId);
    EXPECT_EQ(classesValue(std::string("TypeLib\\") + kGaugeLibId + "\\1.0"), "GAUGEKITLib");
    EXPECT_EQ(classesValue(std::string("TypeLib\\") + kGaugeLibId + "\\1.0\\0\\win32"), kGaugeFile);
    // Strings are kept as the export text writes them.
    EXPECT_THAT(readStore(), HasSubstr("\"ThreadingModel\"=\"Apartment\"\r\n"));

    const std::string written = readStore();
    registerGauge();
    EXPECT_EQ(readStore(), written);
}

TEST_F(RegistrationKeys, UnregisteringRemovesThemAndKeepsWhatOthersHold) {
    writeStore(std::string(kStoreHeader) +
               "[HKEY_CURRENT_USER\\Software\\Brennix Device\\000@Brax-Olmi]\r\n"
               "\"BaseAddress1\"=dword:00000220\r\n");
    registerGauge();
    // Another library took the Dial's name meanwhile.
    winreg::Key taken;
    ASSERT_EQ(winreg::Key::create(winreg::HKEY_CURRENT_USER,
                                  "Software\\Classes\\GAUGEKIT.DialCtrl.1\\CLSID",
                                  winreg::KEY_ALL_ACCESS, taken),
              winreg::ERROR_SUCCESS);
    ASSERT_EQ(taken.setString("", "{5A1E0099-0000-4000-8000-00000000C0DE}"), winreg::ERROR_SUCCESS);
    taken.reset();

    registerGauge(true);
    EXPECT_FALSE(classesKeyExists("GAUGEKIT.GaugeCtrl.1"));
    EXPECT_FALSE(classesKeyExists("GAUGEKITLib.Gauge"));
    EXPECT_FALSE(classesKeyExists("GAUGEKITLib.Dial"));
    EXPECT_FALSE(classesKeyExists(std::string("CLSID\\") + kGaugeClass));
    EXPECT_FALSE(classesKeyExists(std::string("CLSID\\") + kDialClass));
    EXPECT_FALSE(classesKeyExists(std::string("Interface\\") + kGaugeDispatch));
    EXPECT_FALSE(classesKeyExists(std::string("TypeLib\\") + kGaugeLibId));
    EXPECT_EQ(classesValue("GAUGEKIT.DialCtrl.1\\CLSID"), "{5A1E0099-0000-4000-8000-00000000C0DE}");
    EXPECT_THAT(readStore(), HasSubstr("\"BaseAddress1\"=dword:00000220"));

    // Unregistering what is not there is no failure.
    registerGauge(true);
}

TEST_F(RegistrationKeys, AStoreThatCannotBeWrittenFailsTheRegistrationAndChangesNothing) {
    writeStore(std::string(kStoreHeader) + "[HKEY_CURRENT_USER\\Software\r\n\"x\"=\r\n");
    const std::string before = readStore();
    auto outcome = tools::registerLibraryFile(kGaugeFile, false);
    EXPECT_EQ(outcome.exitCode, tools::kEntryPointFailed);
    EXPECT_THAT(outcome.message, HasSubstr("device store cannot be read or written"));
    EXPECT_THAT(outcome.message, HasSubstr("line"));
    EXPECT_EQ(readStore(), before);
    EXPECT_FALSE(ClassRegistry::process().find("GAUGEKIT.GaugeCtrl.1"));
}

TEST_F(RegistrationKeys, ClassesWithNamesThatCannotBeKeysAreRefusedBeforeAnyWrite) {
    ControlLibrary nested("nested",
                          {ClassEntry::of<CSampleCtrl>(kGaugeClass, "NESTED\\Ctrl.1", "")});
    EXPECT_EQ(writeClassKeys(nested, kGaugeFile).error(), Error::InvalidArgument);
    EXPECT_THAT(lastClassError(), HasSubstr("NESTED\\Ctrl.1"));
    ControlLibrary badLib("badlib", {"BADLib", "{nope}", "1.0"},
                          {ClassEntry::of<CSampleCtrl>(kGaugeClass, "BAD.Ctrl.1", "")});
    EXPECT_EQ(writeClassKeys(badLib, kGaugeFile).error(), Error::InvalidArgument);
    EXPECT_FALSE(classesKeyExists("BAD.Ctrl.1"));
    EXPECT_FALSE(classesKeyExists("NESTED"));
}

}  // namespace
}  // namespace brennix::com::testing
