#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "instruments/library/instrument_class.h"
#include "instruments/library/panelmoor_library.h"
#include "platform/com/class_keys.h"
#include "platform/com/class_registry.h"
#include "tests/instruments/library/identities.h"
#include "tests/platform/winreg/temp_store.h"

extern "C" int DllRegisterServer();
extern "C" int DllUnregisterServer();
extern "C" int DllCanUnloadNow();
extern "C" int DllGetClassObject(const char* classId,
                                 std::shared_ptr<brennix::com::ClassFactory>* factory);

namespace brennix::instruments::testing {
namespace {

// Registration writes class keys, so it goes to a store of the test's own.
class InstrumentRegistration : public winreg::testing::TempStore {
  protected:
    void TearDown() override {
        EXPECT_EQ(DllUnregisterServer(), 0);
        TempStore::TearDown();
    }
};

TEST_F(InstrumentRegistration, EveryClassIsInTheLibraryAndItsTypeLibrary) {
    EXPECT_EQ(library().typeLibrary().name, "PANELMOORLib");
    EXPECT_EQ(library().name(), "panelmoor");
    ASSERT_EQ(library().classes().size(), identities().size());
    for (const com::ClassEntry& entry : library().classes()) {
        EXPECT_EQ(entry.typeLibrary, kTypeLibrary) << entry.progId;
    }
}

TEST_F(InstrumentRegistration, AHostCreatesEachClassByIdentifierAndByTypeLibraryAlias) {
    ASSERT_EQ(DllRegisterServer(), 0);
    for (const Identity& id : identities()) {
        SCOPED_TRACE(id.progId);
        for (const char* text : {id.progId, id.alias}) {
            const std::string name(text);
            if (name.empty()) {
                continue;
            }
            auto created = com::ClassRegistry::process().create(name);
            ASSERT_TRUE(created.ok()) << name;
            EXPECT_EQ((*created)->members().className(), id.className);
            auto stored = com::findStoredServer(name);
            ASSERT_TRUE(stored.ok()) << name;
            EXPECT_NE(stored->libraryFile.find("libpanelmoor.so"), std::string::npos);
        }
        auto found = com::ClassRegistry::process().find(id.progId);
        ASSERT_TRUE(found.has_value());
        EXPECT_EQ(found->typeName, id.typeName);
        EXPECT_EQ(found->typeLibraryAlias, id.alias);
    }
}

TEST_F(InstrumentRegistration, ARegistryThatLoadsFromTheStoreCreatesEachClassOnDemand) {
    ASSERT_EQ(DllRegisterServer(), 0);
    com::ClassRegistry fresh;
    fresh.useStoreLibraries();
    for (const Identity& id : identities()) {
        const std::string name = id.alias[0] != '\0' ? id.alias : id.progId;
        auto created = fresh.create(name);
        ASSERT_TRUE(created.ok()) << name;
        EXPECT_EQ((*created)->members().className(), id.className);
    }
    (void)fresh.freeUnusedLibraries();
}

TEST_F(InstrumentRegistration, AnUnknownClassHasNoClassObjectAndTheLibraryMayUnload) {
    std::shared_ptr<com::ClassFactory> factory;
    EXPECT_NE(DllGetClassObject("{00000000-0000-0000-0000-000000000000}", &factory), 0);
    EXPECT_EQ(factory, nullptr);
    EXPECT_EQ(DllCanUnloadNow(), 0);
}

}  // namespace
}  // namespace brennix::instruments::testing
