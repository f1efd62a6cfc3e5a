#include <gtest/gtest.h>

#include "equipment/control/plantwerk_library.h"
#include "platform/com/class_keys.h"
#include "platform/com/class_registry.h"
#include "tests/equipment/equipment_kinds.h"
#include "tests/platform/winreg/temp_store.h"

extern "C" int DllRegisterServer();
extern "C" int DllUnregisterServer();
extern "C" int DllCanUnloadNow();
extern "C" int DllGetClassObject(const char* classId,
                                 std::shared_ptr<brennix::com::ClassFactory>* factory);

namespace brennix::equipment::testing {
namespace {

struct Identity {
    const char* progId;
    const char* alias;
    const char* typeName;
    const char* className;
};

const std::vector<Identity> kIdentities{
    {"PLANTWERK.MotorCtrl.1", "PLANTWERKLib.Motor", "Motor Control", "Motor"},
    {"PLANTWERK.PumpCtrl.1", "PLANTWERKLib.Pump", "Pump Control", "Pump"},
    {"PLANTWERK.TankCtrl.1", "PLANTWERKLib.Tank", "Tank Control", "Tank"},
    {"PLANTWERK.ValueCtrl.1", "PLANTWERKLib.Value", "Value Control", "Value"},
    {"PLANTWERK.PipeCtrl.1", "PLANTWERKLib.Pipe", "Pipe Control", "Pipe"},
};

// Registration writes class keys, so it goes to a store of the test's own.
class EquipmentRegistration : public winreg::testing::TempStore {
  protected:
    void TearDown() override {
        EXPECT_EQ(DllUnregisterServer(), 0);
        TempStore::TearDown();
    }
};

TEST_F(EquipmentRegistration, AHostCreatesEachControlByIdentifierAndByTypeLibraryAlias) {
    ASSERT_EQ(DllRegisterServer(), 0);
    for (const Identity& id : kIdentities) {
        SCOPED_TRACE(id.progId);
        for (const char* name : {id.progId, id.alias}) {
            auto created = com::ClassRegistry::process().create(name);
            ASSERT_TRUE(created.ok());
            EXPECT_EQ((*created)->members().className(), id.className);
        }
        auto found = com::ClassRegistry::process().find(id.progId);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->typeName, id.typeName);
        EXPECT_EQ(found->typeLibraryAlias, id.alias);
    }
    EXPECT_NE(std::dynamic_pointer_cast<CPipeCtrl>(
                  *com::ClassRegistry::process().create("PLANTWERKLib.Pipe")),
              nullptr);
}

TEST_F(EquipmentRegistration, TheStoreNamesThisLibraryForEveryIdentifier) {
    ASSERT_EQ(DllRegisterServer(), 0);
    for (const Identity& id : kIdentities) {
        for (const char* name : {id.progId, id.alias}) {
            auto stored = com::findStoredServer(name);
            ASSERT_TRUE(stored.ok()) << name;
            EXPECT_NE(stored->libraryFile.find("libplantwerk.so"), std::string::npos);
        }
    }
    EXPECT_EQ(library().typeLibrary().name, "PLANTWERKLib");
}

TEST_F(EquipmentRegistration, TheLibraryStaysLoadedWhileAControlItMadeLives) {
    std::shared_ptr<com::ClassFactory> factory;
    ASSERT_EQ(DllGetClassObject(std::string(kTank.classId).c_str(), &factory), 0);
    auto tank = factory->createInstance();
    ASSERT_TRUE(tank.ok());
    factory.reset();
    EXPECT_EQ(DllCanUnloadNow(), 1);
    tank->reset();
    EXPECT_EQ(DllCanUnloadNow(), 0);
    EXPECT_NE(DllGetClassObject("{00000000-0000-0000-0000-000000000000}", &factory), 0);
}

}  // namespace
}  // namespace brennix::equipment::testing
