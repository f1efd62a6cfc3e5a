#include <gtest/gtest.h>

#include <limits>

#include "platform/com/headless_site.h"
#include "platform/com/message_box.h"
#include "tests/platform/com/sample_control.h"

namespace brennix::com::testing {
namespace {

class SampleDispatch : public ::testing::Test {
  protected:
    std::shared_ptr<CSampleCtrl> control = createControl<CSampleCtrl>();
    MessageRecorder messages;
};

TEST_F(SampleDispatch, TheTableIsSound) {
    EXPECT_TRUE(CSampleCtrl::table().problems().empty());
}

TEST_F(SampleDispatch, IdsArePositionsAndStockMembersKeepTheirNumbers) {
    EXPECT_EQ(*control->idOfName("PlotNum"), 1);
    EXPECT_EQ(*control->idOfName("SampleRate"), 2);
    EXPECT_EQ(*control->idOfName("Percent"), 11);
    EXPECT_EQ(*control->idOfName("Average"), 12);
    EXPECT_EQ(*control->idOfName("StopTimer"), 14);
    EXPECT_EQ(*control->idOfName("BackColor"), -501);
    EXPECT_EQ(*control->idOfName("Font"), -512);
    EXPECT_EQ(*control->idOfName("ForeColor"), -513);
    EXPECT_EQ(*control->idOfName("Enabled"), -514);
    EXPECT_EQ(*control->idOfName("Caption"), -518);
    EXPECT_EQ(*control->idOfName("Refresh"), -550);
    EXPECT_EQ(*control->idOfName("AboutBox"), -552);
    EXPECT_EQ(control->members().findEvent("OnTerminated")->id, 2);
    EXPECT_EQ(control->members().findEvent("MouseUp")->id, -607);
}

TEST_F(SampleDispatch, NamesAreFoundWithoutRegardToCase) {
    EXPECT_EQ(*control->idOfName("plotnum"), 1);
    EXPECT_EQ(*control->idOfName("SAMPLERATE"), 2);
    ASSERT_TRUE(control->put("plotNUM", Variant(std::int16_t{4})).ok());
    EXPECT_EQ(control->plotNum(), 4);
}

TEST_F(SampleDispatch, GetAndPutByNameAndById) {
    ASSERT_TRUE(control->put(1, Variant(std::int16_t{3})).ok());
    EXPECT_EQ(*control->get("PlotNum"), Variant(std::int16_t{3}));
    ASSERT_TRUE(control->put("LineColor", Variant::fromColor(0x80000005U)).ok());
    EXPECT_EQ(*control->get(6)->toColor(), 0x80000005U);
    // Values convert to the declared type.
    ASSERT_TRUE(control->put("SampleRate", Variant("2500")).ok());
    EXPECT_EQ(control->sampleRate(), 2500.0);
    EXPECT_EQ(*control->get("Title"), Variant("Sample"));
}

TEST_F(SampleDispatch, UnknownNamesAndIdsAreMemberNotFound) {
    EXPECT_EQ(control->idOfName("NoSuchThing").error(), Error::MemberNotFound);
    EXPECT_EQ(control->idOfName("").error(), Error::MemberNotFound);
    EXPECT_EQ(control->get(999).error(), Error::MemberNotFound);
    EXPECT_EQ(control->put(-600, Variant(1.0)).error(), Error::MemberNotFound);
    EXPECT_EQ(control->call("Nope").error(), Error::MemberNotFound);
}

TEST_F(SampleDispatch, TheWrongKindOfAccessIsMemberNotFound) {
    EXPECT_EQ(control->put("Average", Variant(1.0)).error(), Error::MemberNotFound);
    EXPECT_EQ(control->get("StartTimer").error(), Error::MemberNotFound);
    EXPECT_EQ(control->call("PlotNum").error(), Error::MemberNotFound);
}

TEST_F(SampleDispatch, WrongValueTypesAreRefusedAndChangeNothing) {
    EXPECT_EQ(control->put("PlotNum", Variant("many")).error(), Error::TypeMismatch);
    EXPECT_EQ(control->put("PlotNum", Variant(std::int32_t{100000})).error(), Error::Overflow);
    auto array = SafeArray::create(VarType::Double, 2);
    EXPECT_EQ(control->put("SampleRate", Variant(*array)).error(), Error::TypeMismatch);
    EXPECT_EQ(control->put("Font", Variant(3.0)).error(), Error::TypeMismatch);
    EXPECT_EQ(control->plotNum(), 1);
    EXPECT_EQ(control->sampleRate(), 1000.0);
    EXPECT_FALSE(control->isModified());
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(SampleDispatch, WrongArgumentCountsAreRefused) {
    std::vector<Variant> two{Variant(1.0), Variant(2.0)};
    EXPECT_EQ(control->invoke(1, InvokeKind::Put, two).error(), Error::BadArgCount);
    EXPECT_EQ(control->invoke(1, InvokeKind::Put, {}).error(), Error::BadArgCount);
    EXPECT_EQ(control->invoke(1, InvokeKind::Get, two).error(), Error::BadArgCount);
    EXPECT_EQ(control->call("Average", {Variant(1.0)}).error(), Error::BadArgCount);
    EXPECT_EQ(control->call("StartTimer", {Variant(1.0)}).error(), Error::BadArgCount);
    EXPECT_EQ(control->plotNum(), 1);
}

TEST_F(SampleDispatch, AReadOnlyPropertyRefusesASet) {
    EXPECT_EQ(control->put("ErrorCode", Variant(std::int32_t{5})).error(), Error::SetNotSupported);
    EXPECT_EQ(*control->get("ErrorCode"), Variant(std::int32_t{0}));
}

TEST_F(SampleDispatch, MethodsConvertTheirArgumentsAndResult) {
    auto mean = control->call("Average", {Variant(std::int16_t{3}), Variant("4")});
    ASSERT_TRUE(mean.ok());
    EXPECT_EQ(*mean, Variant(3.5));
    EXPECT_EQ(control->call("Average", {Variant(1.0), Variant("x")}).error(), Error::TypeMismatch);
    // No site, no timer.
    EXPECT_EQ(*control->call("StartTimer"), Variant(false));
    EXPECT_EQ(*control->call("StopTimer"), Variant());
}

TEST_F(SampleDispatch, UnlistedMembersAreReachableButNotPublished) {
    ASSERT_TRUE(control->put("Style", Variant(std::int32_t{7})).ok());
    EXPECT_EQ(*control->get("Style"), Variant(std::int32_t{7}));
    for (const Member* m : control->members().published()) {
        EXPECT_NE(m->name, "Style");
        EXPECT_NE(m->name, "StopChannel");
    }
    EXPECT_EQ(control->idOfName("StopChannel").error(), Error::MemberNotFound);
}

TEST_F(SampleDispatch, TypeInformationCarriesTypesParametersAndEnumerations) {
    const Member* mode = control->members().find("Mode");
    ASSERT_NE(mode, nullptr);
    EXPECT_EQ(mode->type, PropType::Int16);
    ASSERT_NE(mode->enumeration, nullptr);
    EXPECT_EQ(mode->enumeration->name, "enumMode");
    EXPECT_EQ(mode->enumeration->find(2)->label, "Timer triggering");
    const Member* average = control->members().find("Average");
    ASSERT_EQ(average->params.size(), 2U);
    EXPECT_EQ(average->params[1].name, "b");
    EXPECT_EQ(average->type, PropType::Double);
    const Member* keyDown = control->members().findEvent("KeyDown");
    ASSERT_EQ(keyDown->params.size(), 2U);
    EXPECT_TRUE(keyDown->params[0].byRef);
    EXPECT_EQ(control->members().findEvent("MouseMove")->params[3].type, PropType::Int32);
}

TEST_F(SampleDispatch, TheFontTravelsAsAnObject) {
    auto font = control->get("Font");
    ASSERT_TRUE(font.ok());
    auto object = font->toDispatch();
    ASSERT_TRUE(object.ok());
    ASSERT_TRUE((*object)->put("Bold", Variant(true)).ok());
    ASSERT_TRUE((*object)->put("size", Variant(12.0)).ok());
    EXPECT_FALSE(control->font().bold);
    ASSERT_TRUE(control->put("Font", *font).ok());
    EXPECT_TRUE(control->font().bold);
    EXPECT_EQ(control->font().points, 12.0);
    ASSERT_TRUE((*object)->put("Size", Variant(-1.0)).ok());
    EXPECT_EQ(control->put("Font", *font).error(), Error::InvalidArgument);
    EXPECT_EQ(control->font().points, 12.0);
}

class ChangePattern : public ::testing::Test {
  protected:
    void SetUp() override { site.attach(*control); }
    HeadlessSite site;
    std::shared_ptr<CSampleCtrl> control = createControl<CSampleCtrl>();
    MessageRecorder messages;
};

TEST_F(ChangePattern, AnAcceptedValueRepaintsAndMarksModified) {
    ASSERT_TRUE(control->put("PlotNum", Variant(std::int16_t{8})).ok());
    EXPECT_EQ(control->plotNum(), 8);
    EXPECT_TRUE(control->isModified());
    EXPECT_EQ(site.invalidations(), 1);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ChangePattern, AValueOutsideTheRangeShowsTheMessageAndRestoresTheFixedValue) {
    ASSERT_TRUE(control->put("PlotNum", Variant(std::int16_t{5})).ok());
    ASSERT_TRUE(control->put("PlotNum", Variant(std::int16_t{9})).ok());
    EXPECT_EQ(control->plotNum(), 1);
    ASSERT_EQ(messages.messages().size(), 1U);
    EXPECT_EQ(messages.messages()[0].text, "PlotNum must between 1 to 8");
    EXPECT_EQ(messages.messages()[0].owner, MessageOwner::Control);
    EXPECT_TRUE(control->isModified());
    EXPECT_EQ(site.invalidations(), 2);
}

TEST_F(ChangePattern, ARefusedValueLeavesEverythingAsItWas) {
    ASSERT_TRUE(control->put("SampleRate", Variant(999.0)).ok());
    EXPECT_EQ(control->sampleRate(), 1000.0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"SampleRate must larger than 1000"});
    EXPECT_EQ(control->errorCode(), -1);
    EXPECT_FALSE(control->isModified());
    EXPECT_EQ(site.invalidations(), 0);
    ASSERT_TRUE(control->put("SampleRate", Variant(1000.0)).ok());
    EXPECT_TRUE(control->isModified());
}

TEST_F(ChangePattern, TheChangeHandlerRunsAfterTheValueIsStored) {
    ASSERT_TRUE(control->put("Mode", Variant(std::int16_t{2})).ok());
    ASSERT_TRUE(control->put("Mode", Variant(std::int16_t{7})).ok());
    EXPECT_EQ(control->modeChanges(), 2);
    // Enumerations are not range-tested by the platform.
    EXPECT_EQ(*control->get("Mode"), Variant(std::int16_t{7}));
}

TEST_F(ChangePattern, ComputedPropertiesFollowTheSamePattern) {
    ASSERT_TRUE(control->put("Percent", Variant(std::int16_t{25})).ok());
    EXPECT_EQ(control->fraction(), 0.25);
    EXPECT_EQ(*control->get("Percent"), Variant(25.0));
    ASSERT_TRUE(control->put("Percent", Variant(150.0)).ok());
    EXPECT_EQ(control->fraction(), 0.0);
    EXPECT_EQ(messages.texts(), std::vector<std::string>{"Percent must between 0 to 100"});
    EXPECT_TRUE(control->isModified());
}

TEST_F(ChangePattern, ResetLoadsTheDefaultSet) {
    ASSERT_TRUE(control->put("PlotNum", Variant(std::int16_t{6})).ok());
    ASSERT_TRUE(control->put("Title", Variant("Flow")).ok());
    ASSERT_TRUE(control->put("Style", Variant(std::int32_t{3})).ok());
    ASSERT_TRUE(control->put("Percent", Variant(50.0)).ok());
    control->resetToDefaults();
    EXPECT_EQ(control->fraction(), 0.0);
    EXPECT_EQ(control->plotNum(), 1);
    EXPECT_EQ(*control->get("Title"), Variant("Sample"));
    EXPECT_EQ(*control->get("Style"), Variant(std::int32_t{0}));
    EXPECT_FALSE(control->isModified());
    EXPECT_TRUE(messages.messages().empty());
}

// Limits refuse before anything is stored; the table keeps them, and the
// reset ranges of bounds, for whoever documents or checks the values.
class CLimitedCtrl final : public Control {
  public:
    const MemberTable& members() const override {
        using C = CLimitedCtrl;
        static const MemberTable t =
            TableBuilder<C>("Limited")
                .property("Rate", &C::m_rate,
                          {.def = 1000.0, .limits = Limits<double>{1000.0, {}, "Rate too low"}})
                .property("Port", &C::m_port,
                          {.limits = Limits<std::int16_t>{0, 17, "Port out of range"},
                           .accept = &C::acceptPort})
                .build();
        return t;
    }
    double m_rate = 0;
    std::int16_t m_port = 0;
    int asked = 0;
    int refusals = 0;

  protected:
    void refuseProperty(std::string_view text) override {
        Control::refuseProperty(text);
        ++refusals;
    }

  private:
    bool acceptPort(std::int16_t /*value*/) {
        ++asked;
        return true;
    }
};

TEST(PropertyLimits, AValueOutsideIsRefusedWithItsMessageBeforeAcceptOrStore) {
    MessageRecorder messages;
    auto control = createControl<CLimitedCtrl>();
    ASSERT_TRUE(control->put("Port", Variant(std::int16_t{18})).ok());
    ASSERT_TRUE(control->put("Port", Variant(std::int16_t{-1})).ok());
    ASSERT_TRUE(control->put("Rate", Variant(999.5)).ok());
    ASSERT_TRUE(control->put("Rate", Variant(std::numeric_limits<double>::quiet_NaN())).ok());
    EXPECT_EQ(control->m_port, 0);
    EXPECT_EQ(control->m_rate, 1000.0);
    EXPECT_EQ(control->asked, 0);
    EXPECT_EQ(control->refusals, 4);
    EXPECT_EQ(messages.texts(), (std::vector<std::string>{"Port out of range", "Port out of range",
                                                          "Rate too low", "Rate too low"}));
    EXPECT_FALSE(control->isModified());
    // The ends themselves are valid, and the upper side of Rate is open.
    ASSERT_TRUE(control->put("Port", Variant(std::int16_t{17})).ok());
    ASSERT_TRUE(control->put("Rate", Variant(1e9)).ok());
    EXPECT_EQ(control->m_port, 17);
    EXPECT_EQ(control->asked, 1);
    EXPECT_EQ(control->m_rate, 1e9);
}

TEST(PropertyLimits, TheTableRecordsLimitsAndBoundsAsValidValues) {
    auto control = createControl<CLimitedCtrl>();
    const Member* rate = control->members().find("Rate");
    ASSERT_TRUE(rate->range.has_value());
    EXPECT_EQ(rate->range->low, 1000.0);
    EXPECT_FALSE(rate->range->high.has_value());
    EXPECT_EQ(rate->range->outside, ValueRange::Outside::Refused);
    EXPECT_EQ(rate->range->message, "Rate too low");
    const Member* plotNum = CSampleCtrl::table().find("PlotNum");
    ASSERT_TRUE(plotNum->range.has_value());
    EXPECT_EQ(plotNum->range->low, 1.0);
    EXPECT_EQ(plotNum->range->high, 8.0);
    EXPECT_EQ(plotNum->range->outside, ValueRange::Outside::Reset);
    EXPECT_EQ(plotNum->range->reset, 1.0);
    EXPECT_EQ(plotNum->range->message, "PlotNum must between 1 to 8");
    // A property tested by its own handler alone has no range the table knows.
    EXPECT_FALSE(CSampleCtrl::table().find("SampleRate")->range.has_value());
}

}  // namespace
}  // namespace brennix::com::testing
