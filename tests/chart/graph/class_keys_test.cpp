#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "chart/control/property_pages.h"
#include "chart/control/trendwick_library.h"
#include "platform/winreg/key.h"
#include "tests/platform/winreg/temp_store.h"

extern "C" int DllRegisterServer();
extern "C" int DllUnregisterServer();

namespace brennix::chart {
namespace {

using ::testing::ElementsAre;

// Registration writes class keys, so it goes to a store of the test's own.
class TrendwickClassKeys : public winreg::testing::TempStore {
  protected:
    void SetUp() override {
        TempStore::SetUp();
        ASSERT_EQ(DllRegisterServer(), 0);
    }
    void TearDown() override {
        (void)DllUnregisterServer();
        TempStore::TearDown();
    }

    // The value name of the key below Software\Classes; "<none>" where missing.
    static std::string value(const std::string& key, const std::string& name = "") {
        winreg::Key k;
        if (winreg::Key::open(winreg::HKEY_CURRENT_USER, "Software\\Classes\\" + key,
                              winreg::KEY_READ, k) != winreg::ERROR_SUCCESS) {
            return "<none>";
        }
        std::string text;
        return k.queryString(name, text) == winreg::ERROR_SUCCESS ? text : "<none>";
    }
};

struct ControlKeys {
    const char* progId;
    const char* classId;
    const char* typeName;
    const char* dispatchId;
    const char* dispatchName;
};

TEST_F(TrendwickClassKeys, BothControlsRecordTheirIdentitiesThreadingAndStatusFlags) {
    const ControlKeys controls[] = {
        {"TRENDWICK.ChartCtrl.1", "{27F9B3EA-7379-11D4-A691-0050BAA83CEA}", "Chart Control 1.0",
         "{27F9B3E8-7379-11D4-A691-0050BAA83CEA}", "_DChart"},
        {"TRENDWICK.GraphCtrl.1", "{27F9B3E6-7379-11D4-A691-0050BAA83CEA}", "Graph Control 1.0",
         "{27F9B3E4-7379-11D4-A691-0050BAA83CEA}", "_DGraph"}};
    for (const ControlKeys& c : controls) {
        const std::string key = std::string("CLSID\\") + c.classId;
        EXPECT_EQ(value(std::string(c.progId) + "\\CLSID"), c.classId);
        EXPECT_EQ(value(key), c.typeName);
        EXPECT_EQ(value(key + "\\ProgID"), c.progId);
        EXPECT_EQ(value(key + "\\InprocServer32", "ThreadingModel"), "Apartment");
        EXPECT_NE(value(key + "\\InprocServer32"), "<none>");
        // activate-when-visible, set-client-site-first, inside-out,
        // cannot-link-inside, recompose-on-resize
        EXPECT_EQ(value(key + "\\MiscStatus\\1"), std::to_string(0x20000 + 0x100 + 0x80 + 0x10 + 1))
            << c.progId;
        EXPECT_EQ(value(key + "\\TypeLib"), "{27F9B3E3-7379-11D4-A691-0050BAA83CEA}");
        EXPECT_EQ(value(key + "\\Version"), "1.0");
        EXPECT_EQ(value(std::string("Interface\\") + c.dispatchId), c.dispatchName);
    }
    EXPECT_EQ(value("Interface\\{27F9B3E5-7379-11D4-A691-0050BAA83CEA}"), "_DGraphEvents");
    EXPECT_EQ(value("TRENDWICKLib.Graph\\CLSID"), "{27F9B3E6-7379-11D4-A691-0050BAA83CEA}");
    EXPECT_EQ(value("TypeLib\\{27F9B3E3-7379-11D4-A691-0050BAA83CEA}\\1.0"), "TRENDWICKLib");
}

TEST_F(TrendwickClassKeys, EveryPageClassIsRegisteredUnderItsIdentifiersAndGoesAgain) {
    const std::pair<const char*, const char*> pages[] = {
        {"TRENDWICK.GraphPropPage.1", "{27F9B3E7-7379-11D4-A691-0050BAA83CEA}"},
        {"TRENDWICK.ChartPropPage.1", "{27F9B3EB-7379-11D4-A691-0050BAA83CEA}"},
        {"Trendwick.CPrpYAxis", "{294C0AE3-74E1-11D4-A691-0050BAA83CEA}"},
        {"Trendwick.CPrpXAxis", "{294C0AE6-74E1-11D4-A691-0050BAA83CEA}"},
        {"Trendwick.CPrpXTicks", "{294C0AE9-74E1-11D4-A691-0050BAA83CEA}"},
        {"Trendwick.CPrpYTicks", "{294C0AEC-74E1-11D4-A691-0050BAA83CEA}"},
        {"Trendwick.CPrpPlots", "{294C0AF1-74E1-11D4-A691-0050BAA83CEA}"},
        {"Trendwick.CPrpFormat", "{294C0AF4-74E1-11D4-A691-0050BAA83CEA}"},
        {"Trendwick.CPrpXFormat", "{294C0AFA-74E1-11D4-A691-0050BAA83CEA}"}};
    for (const auto& [progId, classId] : pages) {
        EXPECT_EQ(value(std::string(progId) + "\\CLSID"), classId);
        EXPECT_EQ(value(std::string("CLSID\\") + classId + "\\ProgID"), progId);
        EXPECT_EQ(value(std::string("CLSID\\") + classId + "\\InprocServer32", "ThreadingModel"),
                  "Apartment");
    }
    EXPECT_EQ(value("CLSID\\{27F9B3E7-7379-11D4-A691-0050BAA83CEA}"), "Graph Property Page");
    EXPECT_EQ(value("CLSID\\{27F9B3EB-7379-11D4-A691-0050BAA83CEA}"), "Chart Property Page");

    ASSERT_EQ(DllUnregisterServer(), 0);
    for (const auto& [progId, classId] : pages) {
        EXPECT_EQ(value(std::string(progId) + "\\CLSID"), "<none>");
        EXPECT_EQ(value(std::string("CLSID\\") + classId), "<none>");
    }
}

std::vector<std::string> captions(std::span<const PropertyPageRef> pages) {
    std::vector<std::string> out;
    for (const auto& p : pages) {
        out.emplace_back(p.caption);
    }
    return out;
}

TEST_F(TrendwickClassKeys, EachControlListsNinePagesEndingWithTheStockColourPage) {
    EXPECT_THAT(captions(chartPropertyPages()),
                ElementsAre("Chart", "X-Axis", "Y-Axis", "X-AxisTicks", "Y-AxisTicks", "Plots",
                            "Y-Axis Format", "X-Axis Format", "Color"));
    EXPECT_EQ(captions(graphPropertyPages()).front(), "Graph");
    EXPECT_EQ(graphPropertyPages()[0].classId, "{27F9B3E7-7379-11D4-A691-0050BAA83CEA}");
    EXPECT_EQ(chartPropertyPages()[2].className, "CPrpYAxis");
    for (auto pages : {chartPropertyPages(), graphPropertyPages()}) {
        ASSERT_EQ(pages.size(), 9U);
        EXPECT_EQ(pages[8].classId, "{0BE35200-8F91-11CE-9DE3-00AA004BB851}");
        for (std::size_t i = 1; i < 8; ++i) {
            // Every listed page of ours is a registered class.
            EXPECT_EQ(value(std::string(pages[i].progId) + "\\CLSID"), pages[i].classId);
        }
    }
}

}  // namespace
}  // namespace brennix::chart
