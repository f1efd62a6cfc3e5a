#include <gtest/gtest.h>

#include <limits>
#include <nlohmann/json.hpp>

#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "platform/com/property_exchange.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::com::testing {
namespace {

using Json = nlohmann::ordered_json;

class SamplePersistence : public ::testing::Test {
  protected:
    void SetUp() override { site.attach(*control); }

    // A saved document of a fresh control with one stored value replaced.
    std::string documentWith(const std::string& name, Json entry) {
        auto fresh = createControl<CSampleCtrl>();
        Json doc = Json::parse(PropertyExchange::save(*fresh));
        doc["properties"][name] = std::move(entry);
        return doc.dump();
    }

    HeadlessSite site;
    std::shared_ptr<CSampleCtrl> control = createControl<CSampleCtrl>();
    MessageRecorder messages;
};

TEST_F(SamplePersistence, TheDocumentIsReadableAndInPersistenceOrder) {
    Json doc = Json::parse(PropertyExchange::save(*control));
    EXPECT_EQ(doc["version"], "1.0");
    EXPECT_EQ(doc["class"], "Sample");
    std::vector<std::string> names;
    for (const auto& [name, value] : doc["properties"].items()) {
        names.push_back(name);
    }
    // Stock properties first, then the declared order; the property Title is
    // persisted under its own name.
    std::vector<std::string> expected{"BackColor",   "Caption",   "Font",    "ForeColor",
                                      "Enabled",     "Mode",      "PlotNum", "SampleRate",
                                      "SampleTitle", "LineColor", "BkColor", "StopChannel",
                                      "ErrorCode",   "Style",     "Interval"};
    EXPECT_EQ(names, expected);
    EXPECT_EQ(doc["properties"]["PlotNum"], (Json{{"type", "short"}, {"value", 1}}));
    EXPECT_EQ(doc["properties"]["LineColor"]["type"], "colour");
    EXPECT_EQ(doc["properties"]["Font"]["value"]["face"], "DejaVu Sans");
}

TEST_F(SamplePersistence, SavedValuesLoadBackIntoAnotherControl) {
    ASSERT_TRUE(control->put("PlotNum", Variant(std::int16_t{6})).ok());
    ASSERT_TRUE(control->put("SampleRate", Variant(48000.5)).ok());
    ASSERT_TRUE(control->put("Title", Variant("Tank level")).ok());
    ASSERT_TRUE(control->put("LineColor", Variant::fromColor(0x80000010U)).ok());
    ASSERT_TRUE(control->put("Caption", Variant("Flow")).ok());
    ASSERT_TRUE(control->put("Enabled", Variant(false)).ok());
    ASSERT_TRUE(control->put("Interval", Variant(std::int32_t{250})).ok());
    std::string saved = PropertyExchange::save(*control);

    auto copy = createControl<CSampleCtrl>();
    ASSERT_TRUE(PropertyExchange::load(*copy, saved).ok());
    EXPECT_EQ(copy->plotNum(), 6);
    EXPECT_EQ(copy->sampleRate(), 48000.5);
    EXPECT_EQ(*copy->get("Title"), Variant("Tank level"));
    EXPECT_EQ(*copy->get("LineColor")->toColor(), 0x80000010U);
    EXPECT_EQ(copy->caption(), "Flow");
    EXPECT_FALSE(copy->enabled());
    EXPECT_EQ(*copy->get("Interval"), Variant(std::int32_t{250}));
    EXPECT_EQ(PropertyExchange::save(*copy), saved);
    EXPECT_FALSE(copy->isModified());
}

TEST_F(SamplePersistence, TextThatIsNotUtf8IsSavedReadably) {
    ASSERT_TRUE(control->put("Caption", Variant("Tank \xFF\xFE")).ok());
    std::string saved = PropertyExchange::save(*control);
    auto copy = createControl<CSampleCtrl>();
    ASSERT_TRUE(PropertyExchange::load(*copy, saved).ok());
    EXPECT_EQ(copy->caption(), "Tank \xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST_F(SamplePersistence, AMissingValueLoadsItsDefault) {
    ASSERT_TRUE(control->put("PlotNum", Variant(std::int16_t{5})).ok());
    ASSERT_TRUE(control->put("Title", Variant("changed")).ok());
    Json doc = Json::parse(PropertyExchange::save(*control));
    doc["properties"].erase("SampleTitle");
    doc["properties"].erase("BackColor");
    ASSERT_TRUE(control->put("BackColor", Variant::fromColor(0x00123456)).ok());
    ASSERT_TRUE(PropertyExchange::load(*control, doc.dump()).ok());
    EXPECT_EQ(*control->get("Title"), Variant("Sample"));
    EXPECT_EQ(control->plotNum(), 5);
    EXPECT_EQ(control->backColor(), site.ambient().backColor);
}

TEST_F(SamplePersistence, ADefaultMayFollowAValueLoadedBeforeIt) {
    // BkColor defaults to the BackColor of the moment it is loaded.
    Json doc = Json::parse(PropertyExchange::save(*control));
    doc["properties"]["BackColor"]["value"] = 0x00FF8000;
    doc["properties"].erase("BkColor");
    ASSERT_TRUE(PropertyExchange::load(*control, doc.dump()).ok());
    EXPECT_EQ(*control->get("BkColor")->toColor(), 0x00FF8000U);
}

TEST_F(SamplePersistence, LoadingRunsNoRangeTestAndNoChangeHandler) {
    ASSERT_TRUE(PropertyExchange::load(*control,
                                       documentWith("PlotNum", {{"type", "short"}, {"value", 20}}))
                    .ok());
    EXPECT_EQ(control->plotNum(), 20);
    ASSERT_TRUE(PropertyExchange::load(
                    *control, documentWith("SampleRate", {{"type", "double"}, {"value", 5}}))
                    .ok());
    EXPECT_EQ(control->sampleRate(), 5.0);
    EXPECT_EQ(control->modeChanges(), 0);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SamplePersistence, AValueExchangedTwiceTakesTheStoredValueOrTheLaterDefault) {
    ASSERT_TRUE(control->put("Interval", Variant(std::int32_t{42})).ok());
    auto copy = createControl<CSampleCtrl>();
    ASSERT_TRUE(PropertyExchange::load(*copy, PropertyExchange::save(*control)).ok());
    EXPECT_EQ(*copy->get("Interval"), Variant(std::int32_t{42}));
    copy->resetToDefaults();
    EXPECT_EQ(*copy->get("Interval"), Variant(std::int32_t{500}));
}

TEST_F(SamplePersistence, ValuesTheTableDoesNotKnowAreIgnored) {
    ASSERT_TRUE(PropertyExchange::load(
                    *control, documentWith("HistoryLength", {{"type", "long"}, {"value", 4096}}))
                    .ok());
    EXPECT_EQ(control->plotNum(), 1);
}

TEST_F(SamplePersistence, AMalformedDocumentIsAnErrorAndChangesNothing) {
    ASSERT_TRUE(control->put("PlotNum", Variant(std::int16_t{4})).ok());
    std::string before = PropertyExchange::save(*control);
    int invalidations = site.invalidations();

    struct Case {
        std::string document;
        Error error;
    };
    std::vector<Case> cases{
        {"", Error::MalformedDocument},
        {"{\"version\": \"1.0\", \"properties\": {", Error::MalformedDocument},
        {"[1, 2]", Error::MalformedDocument},
        {"{\"properties\": {}}", Error::MalformedDocument},
        {"{\"version\": \"2.0\", \"properties\": {}}", Error::UnsupportedVersion},
        {"{\"version\": 1, \"properties\": {}}", Error::UnsupportedVersion},
        {"{\"version\": \"1.0\", \"properties\": []}", Error::MalformedDocument},
        {documentWith("PlotNum", {{"type", "short"}, {"value", 40000}}), Error::MalformedDocument},
        {documentWith("PlotNum", {{"type", "short"}, {"value", 2.5}}), Error::MalformedDocument},
        {documentWith("PlotNum", {{"type", "long"}, {"value", 2}}), Error::MalformedDocument},
        {documentWith("PlotNum", 2), Error::MalformedDocument},
        {documentWith("PlotNum", {{"type", "short"}}), Error::MalformedDocument},
        {documentWith("SampleRate", {{"type", "double"}, {"value", "fast"}}),
         Error::MalformedDocument},
        {documentWith("LineColor", {{"type", "colour"}, {"value", -1}}), Error::MalformedDocument},
        {documentWith("Enabled", {{"type", "boolean"}, {"value", 1}}), Error::MalformedDocument},
        {documentWith("Font", {{"type", "font"}, {"value", {{"face", "x"}}}}),
         Error::MalformedDocument},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.document);
        auto status = PropertyExchange::load(*control, c.document);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error(), c.error);
        EXPECT_EQ(PropertyExchange::save(*control), before);
    }
    EXPECT_TRUE(control->isModified());
    EXPECT_EQ(site.invalidations(), invalidations);
}

TEST_F(SamplePersistence, ADoubleThatIsNotAFiniteNumberIsRefusedSoTheDocumentStillLoads) {
    ASSERT_TRUE(control->put("SampleRate", Variant(48000.5)).ok());
    for (const Variant& bad : {Variant(std::numeric_limits<double>::quiet_NaN()),
                               Variant(std::numeric_limits<double>::infinity()), Variant("nan"),
                               Variant("inf"), Variant(" Infinity ")}) {
        SCOPED_TRACE(*bad.toString());
        auto status = control->put("SampleRate", bad);
        ASSERT_FALSE(status.ok());
        EXPECT_EQ(status.error(), Error::Overflow);
        EXPECT_EQ(control->sampleRate(), 48000.5);
    }
    // The control's own range test still comes first, with its message.
    EXPECT_TRUE(control->put("SampleRate", Variant("-inf")).ok());
    EXPECT_EQ(messages.texts().size(), 1U);
    EXPECT_EQ(control->sampleRate(), 48000.5);
    const std::string saved = PropertyExchange::save(*control);
    auto other = createControl<CSampleCtrl>();
    ASSERT_TRUE(PropertyExchange::load(*other, saved).ok()) << saved;
    EXPECT_EQ(other->sampleRate(), 48000.5);

    // A number too large for a double reads as infinity, so it is refused too.
    std::string huge = documentWith("SampleRate", {{"type", "double"}, {"value", 1}});
    const std::string one = "\"value\":1}";
    huge.replace(huge.find(one), one.size(), "\"value\":1e400}");
    auto status = PropertyExchange::load(*other, huge);
    ASSERT_FALSE(status.ok()) << huge;
    EXPECT_EQ(status.error(), Error::MalformedDocument);
    EXPECT_EQ(other->sampleRate(), 48000.5);
}

}  // namespace
}  // namespace brennix::com::testing
