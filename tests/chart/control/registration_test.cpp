#include <gmock/gmock.h>

#include "chart/control/chart_ctrl.h"
#include "chart/control/trendwick_library.h"
#include "platform/com/class_registry.h"

extern "C" int DllRegisterServer();
extern "C" int DllGetClassObject(const char* classId,
                                 std::shared_ptr<brennix::com::ClassFactory>* factory);

namespace brennix::chart {
namespace {

class ChartRegistration : public ::testing::Test {};

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
