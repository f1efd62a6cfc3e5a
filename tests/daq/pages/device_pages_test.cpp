#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "daq/common/device_chooser.h"
#include "daq/orsino/orsino_ctrl.h"
#include "daq/orsino/orsino_library.h"
#include "daq/orsino/orsino_page.h"
#include "daq/pellam/pellam_ctrl.h"
#include "daq/pellam/pellam_page.h"
#include "daq/quillet/quillet_ctrl.h"
#include "daq/quillet/quillet_page.h"
#include "daq/rastow/rastow_ctrl.h"
#include "daq/rastow/rastow_page.h"
#include "daq/sarnet/sarnet_ctrl.h"
#include "daq/sarnet/sarnet_page.h"
#include "daq/tolvan/tolvan_ctrl.h"
#include "daq/tolvan/tolvan_page.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "tests/daq/common/temporary_store.h"

namespace brennix::daq {
namespace {

using com::Variant;
using com::pages::Field;
using com::pages::TreeChooser;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Plays the user in the chooser: OK on each child named in turn (the root
// when the name is empty), until the dialog closes; Cancel when none is left.
class ChooserUser {
  public:
    explicit ChooserUser(std::vector<std::string> picks) : picks_(std::move(picks)) {
        previous_ = com::pages::installChooserRunner([this](TreeChooser& chooser) {
            seen.title = chooser.title();
            seen.root = chooser.rootText();
            seen.children = chooser.children();
            for (const std::string& pick : picks_) {
                std::optional<std::size_t> child;
                for (std::size_t i = 0; i < chooser.children().size(); ++i) {
                    if (chooser.children()[i] == pick)
                        child = i;
                }
                ++oks;
                if (chooser.accept(child))
                    return;
            }
            chooser.cancel();
        });
    }
    ~ChooserUser() { com::pages::installChooserRunner(std::move(previous_)); }
    ChooserUser(const ChooserUser&) = delete;
    ChooserUser& operator=(const ChooserUser&) = delete;

    struct {
        std::string title, root;
        std::vector<std::string> children;
    } seen;
    int oks = 0;

  private:
    std::vector<std::string> picks_;
    com::pages::ChooserRunner previous_;
};

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

class DevicePages : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* key : {"000@Brax-VexaL", "001@Brax-Kilp", "002@Brax-Dorv"})
            ASSERT_TRUE(store.addDevice(key));
    }

    // A control of type C on device n, its page opened on it.
    template <class C, class Page>
    std::pair<std::shared_ptr<C>, std::unique_ptr<Page>> opened(std::int32_t device) {
        auto control = com::createControl<C>();
        EXPECT_TRUE(control->put("DeviceNumber", Variant(device)));
        auto page = std::make_unique<Page>();
        page->open(*control);
        return {control, std::move(page)};
    }

    static std::vector<std::string> entries(const com::pages::PropertyPage& page,
                                            const char* property) {
        return page.field(property)->entries;
    }

    testing::TemporaryStore store;
    com::MessageRecorder messages;
};

TEST_F(DevicePages, TheChooserListsTheStoreUnderItsRootAndTakesAServedBoard) {
    auto [control, page] = opened<quillet::CQuilletCtrl, quillet::CQuilletPropPage>(-1);
    ChooserUser user({"001@Brax-Kilp"});
    page->press("Device");
    EXPECT_EQ(user.seen.title, "Brennix Devices");
    EXPECT_EQ(user.seen.root, "Brennix Device");
    EXPECT_THAT(user.seen.children,
                ElementsAre("000@Brax-VexaL", "001@Brax-Kilp", "002@Brax-Dorv"));
    EXPECT_EQ(page->deviceNumber(), 1);
    EXPECT_THAT(entries(*page, "Port"), ElementsAre("0", "1", "2", "3"));

    ASSERT_TRUE(page->apply(*control).ok());
    EXPECT_EQ(*control->get("DeviceNumber")->toInt32(), 1);
    EXPECT_EQ(control->device().device().m_boardName, "Brax-Kilp");
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST_F(DevicePages, CancelOrOkOnTheRootTakesNothing) {
    auto [control, page] = opened<tolvan::CTolvanCtrl, tolvan::CTolvanPropPage>(1);
    {
        ChooserUser user({""});
        page->press("Device");
        EXPECT_EQ(user.oks, 1);
    }
    {
        ChooserUser user({});
        page->press("Device");
    }
    EXPECT_EQ(page->deviceNumber(), 1);
    EXPECT_FALSE(page->dirty());
}

// Each control refuses, in its own words, a board outside its column, and
// the dialog stays open for another choice.
TEST_F(DevicePages, ABoardTheControlDoesNotServeIsRefusedInThatControlsWords) {
    struct Case {
        std::function<std::unique_ptr<DevicePage>()> page;
        const char* refused;
        const char* text;
    };
    const Case cases[] = {
        {[] { return std::make_unique<orsino::CORSINOPropPage>(); }, "001@Brax-Kilp",
         "This controls not support this board"},
        {[] { return std::make_unique<pellam::CPellamPropPage>(); }, "001@Brax-Kilp",
         "This controls not support this board"},
        {[] { return std::make_unique<quillet::CQuilletPropPage>(); }, "003@Brax-Zolt",
         "The controls not support this board"},
        {[] { return std::make_unique<rastow::CRastowPropPage>(); }, "003@Brax-Zolt",
         "The controls not support this board"},
        {[] { return std::make_unique<sarnet::CSarnetPropPage>(); }, "002@Brax-Dorv",
         "The controls not support this board"},
        {[] { return std::make_unique<tolvan::CTolvanPropPage>(); }, "002@Brax-Dorv",
         "This contols not support this board"},
    };
    ASSERT_TRUE(store.addDevice("003@Brax-Zolt"));
    for (const Case& c : cases) {
        auto page = c.page();
        messages.clear();
        ChooserUser user({c.refused, "000@Brax-VexaL"});
        page->press(page->buttonLabel());
        EXPECT_EQ(user.oks, 2) << c.text;
        EXPECT_THAT(messages.texts(), ElementsAre(c.text));
        EXPECT_EQ(page->deviceNumber(), 0) << c.text;
    }
}

TEST_F(DevicePages, AKeyWhoseNumberIsNotThreeDigitsGivesMinusOneAndTheControlsMessage) {
    ASSERT_TRUE(store.addDevice("0x1@Brax-VexaL"));
    const std::pair<ControlKind, std::string> cases[] = {
        {ControlKind::Orsino, "DeviceNumber\xE9\x94\x99\xE8\xAF\xAF"},
        {ControlKind::Pellam, "DeviceNumber error"},
        {ControlKind::Quillet, "DeviceNumber error"},
        {ControlKind::Rastow, "DeviceNumber error"},
        {ControlKind::Sarnet, "DeviceNumber error"},
        {ControlKind::Tolvan, "Invalid DeviceNumber"},
    };
    for (const auto& [kind, text] : cases) {
        messages.clear();
        EXPECT_EQ(takeDevice(kind, "0x1@Brax-VexaL"), -1);
        EXPECT_EQ(takeDevice(kind, "12"), -1);
        EXPECT_THAT(messages.texts(), ElementsAre(text, text));
        EXPECT_EQ(takeDevice(kind, "042@Brax-VexaL"), 42);
    }

    auto [control, page] = opened<rastow::CRastowCtrl, rastow::CRastowPropPage>(0);
    messages.clear();
    ChooserUser user({"0x1@Brax-VexaL"});
    page->press("Device");
    EXPECT_EQ(page->deviceNumber(), -1);
    EXPECT_THAT(messages.texts(), ElementsAre("DeviceNumber error"));
}

TEST_F(DevicePages, ThePagesReadTheStoreAndNeverWriteIt) {
    auto [control, page] = opened<orsino::CORSINOCtrl, orsino::CORSINOPropPage>(0);
    const std::string before = fileBytes(store.path());
    ASSERT_FALSE(before.empty());
    page->open(*control);
    ChooserUser user({"002@Brax-Dorv", "000@Brax-VexaL"});
    page->press("Device ");
    EXPECT_EQ(fileBytes(store.path()), before);
}

TEST(DevicePagesWithoutAStore, ARootNotYetCreatedIsAnEmptyTreeAndStaysUncreated) {
    testing::TemporaryStore store;
    com::MessageRecorder messages;
    DeviceChooser chooser(ControlKind::Pellam);
    EXPECT_THAT(chooser.children(), IsEmpty());
    EXPECT_FALSE(boardOfDevice(ControlKind::Pellam, 0));
    EXPECT_FALSE(std::filesystem::exists(store.path()));
    EXPECT_THAT(messages.texts(), IsEmpty());
}

TEST(DevicePagesWithoutAStore, AStoreThatCannotBeReadLeavesTheTreeAndTheBoardEmpty) {
    testing::TemporaryStore store;
    store.writeRaw("not a store\x01\x02");
    com::MessageRecorder messages;
    DeviceChooser chooser(ControlKind::Orsino);
    EXPECT_THAT(chooser.children(), IsEmpty());
    EXPECT_FALSE(boardOfDevice(ControlKind::Orsino, 0));
    EXPECT_FALSE(boardOfDevice(ControlKind::Quillet, 0));
    EXPECT_THAT(messages.texts(), ElementsAre("Error: Can't open correlative hKEY!",
                                              "error: Can't open correlative hKEY!",
                                              "Error: Can't open correlative hKEY!"));
}

// The analog-input page by board: the channels, the transfers offered, the
// list shown of range and gain, and the lists the board fixes.
TEST_F(DevicePages, TheAnalogInputPageAdaptsToEveryBoardItServes) {
    struct Row {
        const char* key;
        std::size_t channels;
        std::size_t transfers;
        bool transferForced;
        bool rangeShown;  // OverallInputRange rather than AdGain
        bool softwareTriggerOnly;
        bool inputMode;
    };
    const Row rows[] = {
        {"010@Brax-Senu", 8, 2, false, false, false, false},
        {"011@Brax-VexaL", 16, 3, false, true, false, true},
        {"012@Brax-Zolt", 32, 1, false, false, true, false},
        {"013@Brax-Olmi", 16, 3, false, false, false, false},
        {"014@Brax-Fenq", 16, 3, true, false, true, false},
        {"015@ISA-Ubrix", 16, 3, true, false, true, false},
    };
    for (const Row& row : rows)
        ASSERT_TRUE(store.addDevice(row.key));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.key);
        auto control = com::createControl<orsino::CORSINOCtrl>();
        ASSERT_TRUE(control->put("TransferMode", Variant(std::int16_t{1})));
        ASSERT_TRUE(control->put("TriggerMode", Variant(std::int16_t{2})));
        orsino::CORSINOPropPage page;
        page.open(*control);
        ChooserUser user({row.key});
        page.press("Device ");

        const auto channels = entries(page, "StartChannel");
        ASSERT_EQ(channels.size(), row.channels);
        EXPECT_EQ(channels.front(), "Channel  0");
        const std::size_t last = row.channels - 1;
        EXPECT_EQ(channels.back(), (last < 10 ? "Channel  " : "Channel ") + std::to_string(last));
        const Field& transfer = *page.field("TransferMode");
        EXPECT_EQ(transfer.entries.size(), row.transfers);
        EXPECT_EQ(transfer.entries.front(), "Software Polling");
        EXPECT_EQ(transfer.locked, row.transferForced);
        EXPECT_EQ(*transfer.value.toInt32(), row.transferForced ? 0 : 1);
        EXPECT_EQ(page.field("OverallInputRange")->hidden, !row.rangeShown);
        EXPECT_EQ(page.field("AdGain")->hidden, row.rangeShown);
        const Field& trigger = *page.field("TriggerMode");
        EXPECT_EQ(trigger.locked, row.softwareTriggerOnly);
        EXPECT_EQ(*trigger.value.toInt32(), row.softwareTriggerOnly ? 1 : 2);
        EXPECT_EQ(page.field("InputMode")->locked, !row.inputMode);
    }
}

TEST_F(DevicePages, AtPageStartTheAnalogInputPageAdaptsButLeavesTheTriggerListFree) {
    ASSERT_TRUE(store.addDevice("005@Brax-Zolt"));
    auto [control, page] = opened<orsino::CORSINOCtrl, orsino::CORSINOPropPage>(5);
    EXPECT_EQ(entries(*page, "StartChannel").size(), 32u);
    EXPECT_EQ(entries(*page, "StartChannel").back(), "Channel 31");
    EXPECT_FALSE(page->field("TriggerMode")->locked);
    EXPECT_TRUE(page->field("OverallInputRange")->hidden);

    // A selection the board forces is written although the user did not
    // touch it.
    ASSERT_TRUE(store.addDevice("006@ISA-Ubrix"));
    auto ubrix = com::createControl<orsino::CORSINOCtrl>();
    ASSERT_TRUE(ubrix->put("DeviceNumber", Variant(std::int32_t{6})));
    ASSERT_TRUE(ubrix->put("TransferMode", Variant(std::int16_t{1})));
    orsino::CORSINOPropPage ubrixPage;
    ubrixPage.open(*ubrix);
    EXPECT_TRUE(ubrixPage.field("TransferMode")->locked);
    ASSERT_TRUE(ubrixPage.apply(*ubrix).ok());
    EXPECT_EQ(*ubrix->get("TransferMode")->toInt32(), 0);
}

TEST_F(DevicePages, TheDigitalPortListFollowsTheBoard) {
    const std::pair<const char*, std::size_t> boards[] = {
        {"Brax-Kilp", 4},    {"Brax-Mavo", 18}, {"Brax-Rulk", 3}, {"Brax-Tepa", 1},
        {"Brax-Tepa/16", 2}, {"Brax-Nilb", 4},  {"Brax-Pruv", 6}, {"Brax-Senu", 2},
        {"Brax-VexaL", 2},   {"Brax-Olmi", 2},  {"Brax-Fenq", 2}, {"Brax-Dorv", 2},
        {"ISA-Ubrix", 2}};
    int device = 100;
    for (const auto& [board, ports] : boards) {
        SCOPED_TRACE(board);
        ASSERT_TRUE(store.addDevice(std::to_string(device) + "@" + board));
        auto [input, inputPage] = opened<quillet::CQuilletCtrl, quillet::CQuilletPropPage>(device);
        auto [output, outputPage] = opened<rastow::CRastowCtrl, rastow::CRastowPropPage>(device);
        EXPECT_EQ(entries(*inputPage, "Port").size(), ports);
        EXPECT_EQ(entries(*outputPage, "Port").size(), ports);
        EXPECT_EQ(entries(*inputPage, "Port").back(), std::to_string(ports - 1));
        EXPECT_THAT(entries(*inputPage, "Bit"),
                    ElementsAre("0", "1", "2", "3", "4", "5", "6", "7"));
        ++device;
    }
}

TEST_F(DevicePages, AStoredPortBeyondTheBoardsListIsKeptUntilTheUserPicksOne) {
    auto control = com::createControl<quillet::CQuilletCtrl>();
    ASSERT_TRUE(control->put("Port", Variant(std::int16_t{5})));
    ASSERT_TRUE(control->put("DeviceNumber", Variant(std::int32_t{0})));
    quillet::CQuilletPropPage page;
    page.open(*control);
    EXPECT_EQ(entries(page, "Port").size(), 2u);
    EXPECT_EQ(*page.field("Port")->value.toInt32(), 5);
    ASSERT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(control->port(), 5);
    page.setValue("Port", Variant(std::int32_t{1}));
    ASSERT_TRUE(page.apply(*control).ok());
    EXPECT_EQ(control->port(), 1);
}

TEST_F(DevicePages, TheTimerAndOutputChannelListsFollowTheBoard) {
    const std::pair<const char*, std::vector<std::string>> timers[] = {
        {"Brax-Kilp", {"0", "1", "2"}},
        {"Brax-Nilb", {"0"}},
        {"Brax-VexaL", {"0"}},
        {"Brax-Olmi", {"0"}},
        {"Brax-Fenq", {"0"}}};
    int device = 200;
    for (const auto& [board, channels] : timers) {
        SCOPED_TRACE(board);
        ASSERT_TRUE(store.addDevice(std::to_string(device) + "@" + board));
        auto [pulse, pulsePage] = opened<sarnet::CSarnetCtrl, sarnet::CSarnetPropPage>(device);
        auto [counter, counterPage] = opened<tolvan::CTolvanCtrl, tolvan::CTolvanPropPage>(device);
        EXPECT_EQ(entries(*pulsePage, "Channel"), channels);
        EXPECT_EQ(entries(*counterPage, "Channel"), channels);
        ++device;
    }
    const std::pair<const char*, std::size_t> outputs[] = {
        {"Brax-Dorv", 6}, {"Brax-Senu", 2}, {"Brax-VexaL", 2}, {"Brax-Olmi", 2},
        {"Brax-Quem", 2}, {"Brax-Fenq", 2}, {"ISA-Ubrix", 2}};
    for (const auto& [board, channels] : outputs) {
        SCOPED_TRACE(board);
        ASSERT_TRUE(store.addDevice(std::to_string(device) + "@" + board));
        auto [output, page] = opened<pellam::CPellamCtrl, pellam::CPellamPropPage>(device);
        EXPECT_EQ(entries(*page, "Channel").size(), channels);
        EXPECT_EQ(entries(*page, "Channel").back(), "Channel  " + std::to_string(channels - 1));
        ++device;
    }
}

TEST_F(DevicePages, TheFieldsAreBoundToTheControlsProperties) {
    auto [control, page] = opened<orsino::CORSINOCtrl, orsino::CORSINOPropPage>(0);
    // Pages are for design time.
    com::HeadlessSite site;
    site.ambientProperties().userMode = false;
    site.attach(*control);
    for (const Field& f : page->fields()) {
        if (f.bound()) {
            EXPECT_TRUE(f.enabled) << f.property;
        }
    }
    page->setValue("SampleRate", Variant("2500"));
    page->setValue("EventEnabled", Variant(false));
    page->setValue("NumberOfSamples", Variant("1e10"));
    auto refused = page->apply(*control);
    EXPECT_TRUE(refused.refused);
    EXPECT_EQ(*control->get("SampleRate")->toDouble(), 1000.0);
    page->setValue("NumberOfSamples", Variant("64"));
    ASSERT_TRUE(page->apply(*control).ok());
    EXPECT_EQ(*control->get("SampleRate")->toDouble(), 2500.0);
    EXPECT_EQ(*control->get("NumberOfSamples")->toInt32(), 64);
    EXPECT_FALSE(*control->get("EventEnabled")->toBool());

    // The control's own refusal still speaks through the page.
    auto [pulse, pulsePage] = opened<sarnet::CSarnetCtrl, sarnet::CSarnetPropPage>(0);
    messages.clear();
    pulsePage->setValue("PulseWidth", Variant("0"));
    (void)pulsePage->apply(*pulse);
    EXPECT_THAT(messages.texts(), ElementsAre("PulseWidth must larger than 0"));
}

TEST(DevicePageClasses, EachControlListsItsOnePageUnderItsIdentifiers) {
    com::pages::PageRegistry registry;
    ASSERT_TRUE(orsino::registerPages(registry).ok());
    ASSERT_TRUE(pellam::registerPages(registry).ok());
    ASSERT_TRUE(quillet::registerPages(registry).ok());
    ASSERT_TRUE(rastow::registerPages(registry).ok());
    ASSERT_TRUE(sarnet::registerPages(registry).ok());
    ASSERT_TRUE(tolvan::registerPages(registry).ok());
    for (const char* progId :
         {"ORSINO.ORSINOPropPage.1", "PELLAM.PellamPropPage.1", "QUILLET.QuilletPropPage.1",
          "RASTOW.RastowPropPage.1", "SARNET.SarnetPropPage.1", "TOLVAN.TolvanPropPage.1"}) {
        ASSERT_NE(registry.find(progId), nullptr) << progId;
        EXPECT_TRUE(registry.create(progId).ok());
    }
    const auto pages = registry.pagesOf("ORSINO.ORSINOCtrl.1");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(registry.find(pages[0])->progId, "ORSINO.ORSINOPropPage.1");
    EXPECT_EQ(orsino::library().pageClasses().at(0).progId, "ORSINO.ORSINOPropPage.1");
}

}  // namespace
}  // namespace brennix::daq
