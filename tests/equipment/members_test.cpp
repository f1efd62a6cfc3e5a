// What hosts see of each control: members and their ids, defaults, the
// persisted set, the about box and the stock events.

#include <gmock/gmock.h>

#include "platform/com/event_sink.h"
#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/property_exchange.h"
#include "platform/gfx/recording_canvas.h"
#include "tests/equipment/equipment_kinds.h"

namespace brennix::equipment::testing {
namespace {

using ::testing::ElementsAreArray;

struct Published {
    std::string name;
    com::DispId id;
    com::MemberKind kind;
    bool operator==(const Published&) const = default;
};

std::vector<Published> published(const com::MemberTable& table) {
    std::vector<Published> out;
    for (const com::Member* m : table.published()) {
        out.push_back({m->name, m->id, m->kind});
    }
    return out;
}

constexpr auto P = com::MemberKind::Property;
constexpr auto M = com::MemberKind::Method;
constexpr auto E = com::MemberKind::Event;

const std::vector<Published> kStockEvents{
    {"Click", -600, E}, {"DblClick", -601, E},  {"KeyDown", -602, E},   {"KeyPress", -603, E},
    {"KeyUp", -604, E}, {"MouseDown", -605, E}, {"MouseMove", -606, E}, {"MouseUp", -607, E}};

std::vector<Published> withEvents(std::vector<Published> members) {
    members.insert(members.end(), kStockEvents.begin(), kStockEvents.end());
    return members;
}

TEST(EquipmentMembers, EachControlPublishesItsPropertiesByIdThenTheStockMembersAndEvents) {
    EXPECT_THAT(published(CMotorCtrl::table()),
                ElementsAreArray(withEvents({{"BackColor", -501, P},
                                             {"MotorStyle", 1, P},
                                             {"Color", 2, P},
                                             {"AboutBox", -552, M}})));
    for (const auto& [table, color, style] :
         {std::tuple{&CPumpCtrl::table(), "PumpColor", "PumpStyle"},
          std::tuple{&CTankCtrl::table(), "TankColor", "TankStyle"},
          std::tuple{&CValueCtrl::table(), "ValueColor", "ValueStyle"}}) {
        EXPECT_THAT(
            published(*table),
            ElementsAreArray(withEvents(
                {{"BackColor", -501, P}, {color, 1, P}, {style, 2, P}, {"AboutBox", -552, M}})));
    }
    EXPECT_THAT(published(CPipeCtrl::table()),
                ElementsAreArray(withEvents({{"BackColor", -501, P},
                                             {"Enabled", -514, P},
                                             {"PipeStyle", 1, P},
                                             {"PipeColor", 2, P},
                                             {"Interval", 3, P},
                                             {"Edge", 4, P},
                                             {"StartTimer", 5, M},
                                             {"StopTimer", 6, M},
                                             {"AboutBox", -552, M}})));
    EXPECT_EQ(CPipeCtrl::table().find("Interval")->type, com::PropType::Int32);
    EXPECT_EQ(CPipeCtrl::table().find("Edge")->type, com::PropType::Bool);
    EXPECT_EQ(CMotorCtrl::table().find("MotorStyle")->type, com::PropType::Int16);
    EXPECT_EQ(CMotorCtrl::table().find("Color")->type, com::PropType::Color);
    for (const Kind& k : kinds()) {
        EXPECT_TRUE(k.create()->members().problems().empty()) << k.name;
    }
}

TEST(EquipmentMembers, ANewControlHasTheDefaultStyleAndColour) {
    const std::vector<std::pair<std::string, gfx::ColorRef>> defaults{{"Motor", 0x808080},
                                                                      {"Pump", 0xCFCFCF},
                                                                      {"Tank", 0x909090},
                                                                      {"Value", 0xCFCFCF},
                                                                      {"Pipe", 0xFFFFFF}};
    for (const auto& [name, color] : defaults) {
        const Kind& k = kind(name);
        auto control = k.create();
        EXPECT_EQ(control->get(k.styleProperty)->toInt16().valueOr(-1), 0) << name;
        EXPECT_EQ(control->get(k.colorProperty)->toColor().valueOr(1), color) << name;
        EXPECT_EQ(control->backColor(), gfx::systemColorRef(gfx::SystemColor::ButtonFace));
        EXPECT_FALSE(control->isModified());
    }
    auto pipe = kind("Pipe").create();
    EXPECT_EQ(pipe->get("Interval")->toInt32().valueOr(0), 1000);
    EXPECT_EQ(pipe->get("Edge")->toBool().valueOr(false), true);
    EXPECT_EQ(pipe->get("Enabled")->toBool().valueOr(false), true);
}

std::vector<std::string> persistedNames(const com::MemberTable& table) {
    std::vector<std::string> names;
    for (const auto& entry : table.persisted()) {
        names.push_back(entry.name);
    }
    return names;
}

TEST(EquipmentMembers, TheStockPropertiesPersistFirstThenStyleThenColour) {
    using V = std::vector<std::string>;
    EXPECT_EQ(persistedNames(CMotorCtrl::table()), (V{"BackColor", "MotorStyle", "MotorColor"}));
    EXPECT_EQ(persistedNames(CPumpCtrl::table()), (V{"BackColor", "PumpStyle", "PumpColor"}));
    EXPECT_EQ(persistedNames(CTankCtrl::table()), (V{"BackColor", "TankStyle", "TankColor"}));
    EXPECT_EQ(persistedNames(CValueCtrl::table()), (V{"BackColor", "ValueStyle", "ValueColor"}));
    EXPECT_EQ(persistedNames(CPipeCtrl::table()),
              (V{"BackColor", "Enabled", "PipeStyle", "PipeColor", "Interval", "Edge"}));
}

TEST(EquipmentMembers, ASavedMotorKeepsItsColourUnderMotorColorAndLoadsBack) {
    auto motor = kind("Motor").create();
    ASSERT_TRUE(motor->put("Color", com::Variant::fromColor(0x123456)).ok());
    ASSERT_TRUE(motor->put("MotorStyle", com::Variant(std::int16_t{1})).ok());
    const std::string document = com::PropertyExchange::save(*motor);
    EXPECT_NE(document.find("\"MotorColor\""), std::string::npos);
    EXPECT_EQ(document.find("\"Color\""), std::string::npos);

    auto copy = kind("Motor").create();
    ASSERT_TRUE(com::PropertyExchange::load(*copy, document).ok());
    EXPECT_EQ(copy->symbolColor(), 0x123456U);
    EXPECT_EQ(copy->style(), 1);
    EXPECT_FALSE(copy->isModified());
}

TEST(EquipmentMembers, ASavedPipeLoadsBackEveryValueAndAResetRestoresTheDefaults) {
    auto pipe = kind("Pipe").create();
    ASSERT_TRUE(pipe->put("PipeStyle", com::Variant(std::int16_t{5})).ok());
    ASSERT_TRUE(pipe->put("PipeColor", com::Variant::fromColor(0x0000FF)).ok());
    ASSERT_TRUE(pipe->put("Interval", com::Variant(std::int32_t{250})).ok());
    ASSERT_TRUE(pipe->put("Edge", com::Variant(false)).ok());
    ASSERT_TRUE(pipe->put("Enabled", com::Variant(false)).ok());
    const std::string document = com::PropertyExchange::save(*pipe);

    auto copy = kind("Pipe").create();
    ASSERT_TRUE(com::PropertyExchange::load(*copy, document).ok());
    for (const char* name : {"PipeStyle", "PipeColor", "Interval", "Edge", "Enabled"}) {
        EXPECT_EQ(*copy->get(name), *pipe->get(name)) << name;
    }
    copy->resetToDefaults();
    EXPECT_EQ(copy->get("Interval")->toInt32().valueOr(0), 1000);
    EXPECT_EQ(copy->get("PipeStyle")->toInt16().valueOr(-1), 0);
    EXPECT_TRUE(copy->get("Edge")->toBool().valueOr(false));
}

TEST(EquipmentMembers, TheAboutBoxNamesTheControlAndItsVersion) {
    for (const Kind& k : kinds()) {
        com::MessageRecorder messages;
        ASSERT_TRUE(k.create()->call("AboutBox").ok());
        ASSERT_EQ(messages.messages().size(), 1U);
        EXPECT_EQ(messages.messages()[0].caption, "About " + k.name + " Control");
        EXPECT_EQ(messages.messages()[0].text, k.name + " Control, Version 1.0");
    }
}

TEST(EquipmentMembers, RecolouringRepaintsAndMarksTheControlModified) {
    for (const Kind& k : kinds()) {
        com::HeadlessSite site;
        auto control = k.create();
        site.attach(*control);
        site.clearRecords();
        ASSERT_TRUE(control->put(k.colorProperty, com::Variant::fromColor(0x00FF00)).ok());
        EXPECT_EQ(site.invalidations(), 1) << k.name;
        EXPECT_TRUE(control->isModified()) << k.name;
        EXPECT_TRUE(site.extentRequests().empty()) << k.name;
    }
}

TEST(EquipmentMembers, AClickOnASymbolReachesTheHostAsStockEvents) {
    auto valve = kind("Value").create();
    std::vector<com::DispId> fired;
    valve->advise(std::make_shared<com::FunctionSink>(
        [&](com::DispId id, std::span<com::Variant>) { fired.push_back(id); }));
    valve->mouseDown(com::MouseButton::Left, 0, 3, 3);
    valve->mouseUp(com::MouseButton::Left, 0, 3, 3);
    EXPECT_EQ(fired, (std::vector<com::DispId>{-605, -607, -600}));
}

// Every paint says so again; only the background is drawn.
TEST(EquipmentMembers, AStyleOutOfRangeShowsInvalidPipeTypeOnEveryPaint) {
    const std::vector<std::pair<std::string, int>> cases{{"Pump", 10}, {"Pump", -1}, {"Tank", 5},
                                                         {"Value", 9}, {"Pipe", 8},  {"Pipe", -2}};
    for (const auto& [name, style] : cases) {
        SCOPED_TRACE(name + " style " + std::to_string(style));
        com::MessageRecorder messages;
        auto control = createStyled(name, style);
        for (int paint = 0; paint < 3; ++paint) {
            gfx::RecordingCanvas canvas({40, 40});
            control->draw(canvas, {0, 0, 40, 40});
            ASSERT_EQ(canvas.calls().size(), 1U);
            EXPECT_EQ(canvas.calls()[0].kind, gfx::CallKind::FillRect);
        }
        EXPECT_EQ(messages.texts(), (std::vector<std::string>(3, "Invalid pipe type.")));
    }
}

}  // namespace
}  // namespace brennix::equipment::testing
