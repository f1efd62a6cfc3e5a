#include <gmock/gmock.h>

#include "chart/control/chart_ctrl.h"
#include "chart/control/trendwick_library.h"
#include "platform/com/class_registry.h"
#include "tests/platform/winreg/temp_store.h"

extern "C" int DllRegisterServer();
extern "C" int DllUnregisterServer();
extern "C" int DllGetClassObject(const char* classId,
                                 std::shared_ptr<brennix::com::ClassFactory>* factory);

namespace brennix::chart {
namespace {

// Registration writes class keys, so it goes to a store of the test's own.
class ChartRegistration : public winreg::testing::TempStore {
  protected:
    void TearDown() override {
        EXPECT_EQ(DllUnregisterServer(), 0);
        TempStore::TearDown();
    }
};

TEST_F(ChartRegistration, AHostCreatesTheChartByItsProgrammaticIdentifier) {
    ASSERT_EQ(DllRegisterServer(), 0);
    auto created = com::ClassRegistry::process().create("TRENDWICK.ChartCtrl.1");
    ASSERT_TRUE(created.ok());
    auto chart = std::dynamic_pointer_cast<CChartCtrl>(*created);
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->get("ViewNum")->toInt32().valueOr(0), 100);

    auto found = com::ClassRegistry::process().find("trendwick.chartctrl.1");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->classId.toString(), "{27F9B3EA-7379-11D4-A691-0050BAA83CEA}");
    EXPECT_EQ(found->typeName, "Chart Control 1.0");
    EXPECT_EQ(found->typeLibraryAlias, "TRENDWICKLib.Chart");
}

TEST_F(ChartRegistration, ARegistryThatLoadsFromTheStoreFindsTheChartByItsTypeLibraryAlias) {
    ASSERT_EQ(DllRegisterServer(), 0);
    com::ClassRegistry fresh;
    fresh.useStoreLibraries();
    auto created = fresh.create("TRENDWICKLib.Chart");
    ASSERT_TRUE(created.ok());
    EXPECT_NE(std::dynamic_pointer_cast<CChartCtrl>(*created), nullptr);
    created->reset();
    (void)fresh.freeUnusedLibraries();
}

TEST_F(ChartRegistration, TheClassObjectKeepsTheLibraryLoadedWhileAChartLives) {
    std::shared_ptr<com::ClassFactory> factory;
    ASSERT_EQ(DllGetClassObject("{27F9B3EA-7379-11D4-A691-0050BAA83CEA}", &factory), 0);
    auto chart = factory->createInstance();
    ASSERT_TRUE(chart.ok());
    factory.reset();
    EXPECT_FALSE(library().canUnloadNow());
    chart->reset();
    EXPECT_TRUE(library().canUnloadNow());
}

}  // namespace
}  // namespace brennix::chart
