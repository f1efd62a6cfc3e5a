#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "platform/com/class_error.h"
#include "platform/com/control_library.h"
#include "tests/platform/com/loading_fixture.h"

namespace brennix::com::testing {
namespace {

using ::testing::HasSubstr;

class CreatingByName : public LoadingTest {
  protected:
    void SetUp() override {
        LoadingTest::SetUp();
        registerGauge();
    }
};

TEST_F(CreatingByName, AProgIdLoadsTheLibraryAndGivesAControlWithItsDefaults) {
    ASSERT_FALSE(registry.find("GAUGEKIT.GaugeCtrl.1"));
    auto control = registry.create("GAUGEKIT.GaugeCtrl.1");
    ASSERT_TRUE(control.ok()) << lastClassError();
    EXPECT_EQ((*control)->get("Value")->toInt32().valueOr(-1), 5);
    EXPECT_EQ(registry.loadedLibraryCount(), 1U);
    // Every class of the library is known now, without a second load.
    EXPECT_TRUE(registry.find("GAUGEKIT.DialCtrl.1"));
    ASSERT_TRUE(registry.create("GAUGEKIT.DialCtrl.1").ok());
    EXPECT_EQ(registry.loadedLibraryCount(), 1U);
}

TEST_F(CreatingByName, TheTypeLibraryAliasAndTheClassIdCreateTheSameClass) {
    ASSERT_TRUE(registry.create("GAUGEKITLib.Gauge").ok()) << lastClassError();
    EXPECT_EQ(registry.classIdOf("gaugekitlib.gauge")->toString(), kGaugeClass);
    EXPECT_EQ(*registry.classIdOf("GAUGEKIT.GaugeCtrl.1"),
              *registry.classIdOf("GAUGEKITLib.Gauge"));
    EXPECT_EQ(registry.classIdOf("GAUGEKITLib.Dial")->toString(), kDialClass);

    ClassRegistry other;
    other.useStoreLibraries();
    ASSERT_TRUE(other.create(kDialClass).ok()) << lastClassError();
    EXPECT_EQ(other.find(kDialClass)->progId, "GAUGEKIT.DialCtrl.1");
    (void)other.freeUnusedLibraries();
}

TEST_F(CreatingByName, TheLibraryStaysLoadedWhileAControlOrALockLives) {
    auto control = registry.create("GAUGEKIT.GaugeCtrl.1");
    ASSERT_TRUE(control.ok()) << lastClassError();
    EXPECT_EQ(registry.freeUnusedLibraries(), 0U);
    EXPECT_TRUE(isLoaded(kGaugeFile));

    auto library = registry.find("GAUGEKIT.GaugeCtrl.1")->library;
    auto factory = library->getClassObject(*ClassId::parse(kGaugeClass));
    ASSERT_TRUE(factory.ok());
    (*factory)->lockServer(true);
    factory->reset();
    control->reset();
    EXPECT_EQ(registry.freeUnusedLibraries(), 0U);
    EXPECT_TRUE(isLoaded(kGaugeFile));

    auto again = library->getClassObject(*ClassId::parse(kGaugeClass));
    ASSERT_TRUE(again.ok());
    (*again)->lockServer(false);
    again->reset();
    EXPECT_EQ(registry.freeUnusedLibraries(), 1U);
    EXPECT_FALSE(isLoaded(kGaugeFile));
    EXPECT_FALSE(registry.find("GAUGEKIT.GaugeCtrl.1"));
    EXPECT_EQ(registry.loadedLibraryCount(), 0U);

    // Asked again, it comes back from the store.
    auto reloaded = registry.create("GAUGEKITLib.Gauge");
    ASSERT_TRUE(reloaded.ok()) << lastClassError();
    EXPECT_TRUE(isLoaded(kGaugeFile));
}

TEST_F(CreatingByName, TheProcessRegistryLoadsFromTheStoreByItself) {
    auto control = ClassRegistry::process().create("GAUGEKIT.DialCtrl.1");
    ASSERT_TRUE(control.ok()) << lastClassError();
    control->reset();
    EXPECT_EQ(ClassRegistry::process().freeUnusedLibraries(), 1U);
    EXPECT_FALSE(ClassRegistry::process().find("GAUGEKIT.DialCtrl.1"));
}

TEST_F(CreatingByName, AnUnregisteredLibraryCannotBeCreatedAnyMore) {
    registerGauge(true);
    EXPECT_EQ(registry.create("GAUGEKIT.GaugeCtrl.1").error(), Error::ClassNotRegistered);
    EXPECT_EQ(registry.create("GAUGEKITLib.Gauge").error(), Error::ClassNotRegistered);
    EXPECT_EQ(registry.create(kGaugeClass).error(), Error::ClassNotRegistered);
    EXPECT_EQ(registry.loadedLibraryCount(), 0U);
}

// Stores written by hand: what a load meets when the keys are wrong.
class LoadFailures : public LoadingTest {
  protected:
    void storeClass(const std::string& progId, const std::string& classId,
                    const std::string& file) {
        std::string escaped;
        for (char c : file) {
            if (c == '\\' || c == '"') {
                escaped += '\\';
            }
            escaped += c;
        }
        writeStore(std::string(kStoreHeader) + "[HKEY_CURRENT_USER\\Software\\Classes\\" + progId +
                   "\\CLSID]\r\n@=\"" + classId +
                   "\"\r\n\r\n[HKEY_CURRENT_USER\\Software\\Classes\\CLSID\\" + classId +
                   "\\InprocServer32]\r\n@=\"" + escaped + "\"\r\n");
    }
    void expectFailure(const std::string& identifier, Error error, const std::string& says) {
        auto created = registry.create(identifier);
        ASSERT_FALSE(created.ok());
        EXPECT_EQ(created.error(), error) << lastClassError();
        EXPECT_THAT(lastClassError(), HasSubstr(says));
    }
};

TEST_F(LoadFailures, AnIdentifierWithoutKeysIsNotRegistered) {
    expectFailure("NOPE.NopeCtrl.1", Error::ClassNotRegistered,
                  "no class is registered as NOPE.NopeCtrl.1");
    expectFailure("{5A1E0009-0000-4000-8000-00000000C0DE}", Error::ClassNotRegistered,
                  "has no library file");
    expectFailure("Bad\\Name", Error::ClassNotRegistered, "not a programmatic identifier");
    expectFailure("{not-a-class}", Error::ClassNotRegistered, "not a class identifier");
}

TEST_F(LoadFailures, AProgIdWhoseClassHasNoServerKeySaysWhichKeyIsMissing) {
    writeStore(std::string(kStoreHeader) +
               "[HKEY_CURRENT_USER\\Software\\Classes\\HALF.HalfCtrl.1\\CLSID]\r\n@=\"" +
               kGaugeClass + "\"\r\n");
    expectFailure("HALF.HalfCtrl.1", Error::ClassNotRegistered, "InprocServer32");
}

TEST_F(LoadFailures, AMissingLibraryFileIsNamed) {
    const std::string gone = (folder_ / "libgone.so").string();
    storeClass("GONE.GoneCtrl.1", kGaugeClass, gone);
    expectFailure("GONE.GoneCtrl.1", Error::LibraryNotFound, gone + ", which does not exist");
    storeClass("REL.RelCtrl.1", kGaugeClass, "libtestgauge.so");
    expectFailure("REL.RelCtrl.1", Error::LibraryNotFound, "not an absolute path");
}

TEST_F(LoadFailures, AFileThatIsNoLibraryCannotBeLoaded) {
    const auto text = folder_ / "libtext.so";
    std::ofstream(text) << "not a shared library\n";
    storeClass("TEXT.TextCtrl.1", kGaugeClass, text.string());
    expectFailure("TEXT.TextCtrl.1", Error::LibraryLoadFailed, "cannot be loaded");
    EXPECT_EQ(registry.loadedLibraryCount(), 0U);
}

TEST_F(LoadFailures, ALibraryWithoutEntryPointsIsRefusedAndLetGo) {
    storeClass("PLAIN.PlainCtrl.1", kGaugeClass, kPlainFile);
    expectFailure("PLAIN.PlainCtrl.1", Error::NoEntryPoint, "is not a control library");
    EXPECT_EQ(registry.loadedLibraryCount(), 0U);
    EXPECT_FALSE(isLoaded(kPlainFile));
}

TEST_F(LoadFailures, ALibraryThatDoesNotHoldTheStoredClassIsNotUsedForIt) {
    storeClass("STALE.StaleCtrl.1", "{5A1E0009-0000-4000-8000-00000000C0DE}", kGaugeFile);
    expectFailure("STALE.StaleCtrl.1", Error::ClassNotRegistered, "does not hold the class");
    EXPECT_FALSE(registry.find("STALE.StaleCtrl.1"));
}

TEST_F(LoadFailures, AMalformedStoreIsAStoreFailureWithItsLine) {
    writeStore(std::string(kStoreHeader) + "[HKEY_CURRENT_USER\\Software\\Classes\r\n");
    const std::string before = readStore();
    expectFailure("GAUGEKIT.GaugeCtrl.1", Error::StoreFailure, "line 3");
    EXPECT_EQ(readStore(), before);
}

// Libraries installed together need no keys: an identifier the store does
// not know names its library file, looked for on the control path.
class CreatingUnregistered : public LoadingTest {
  protected:
    void SetUp() override {
        LoadingTest::SetUp();
        const auto lib = folder_ / "lib";
        std::filesystem::create_directory(lib);
        std::filesystem::create_symlink(kGaugeFile, lib / "libgaugekit.so");
        ::setenv("BRENNIX_CONTROL_PATH", ("relative/ignored:" + lib.string()).c_str(), 1);
    }
    void TearDown() override {
        ::unsetenv("BRENNIX_CONTROL_PATH");
        LoadingTest::TearDown();
    }
};

TEST_F(CreatingUnregistered, AProgIdOrAliasLoadsTheLibraryOfItsNameFromTheControlPath) {
    auto control = registry.create("GAUGEKIT.GaugeCtrl.1");
    ASSERT_TRUE(control.ok()) << lastClassError();
    EXPECT_TRUE(registry.create("GAUGEKITLib.Gauge").ok()) << lastClassError();
    EXPECT_EQ(registry.loadedLibraryCount(), 1U);
    EXPECT_EQ(readStore(), "");
}

TEST_F(CreatingUnregistered, ANameTheFoundLibraryDoesNotHoldIsStillNotRegistered) {
    auto created = registry.create("GAUGEKIT.MissingCtrl.1");
    ASSERT_FALSE(created.ok());
    EXPECT_EQ(created.error(), Error::ClassNotRegistered);
    EXPECT_THAT(lastClassError(), HasSubstr("does not hold GAUGEKIT.MissingCtrl.1"));
    // Without a file of its name the store's own answer stands.
    created = registry.create("NOPE.NopeCtrl.1");
    EXPECT_EQ(created.error(), Error::ClassNotRegistered);
    EXPECT_THAT(lastClassError(), HasSubstr("no class is registered as NOPE.NopeCtrl.1"));
}

}  // namespace
}  // namespace brennix::com::testing
